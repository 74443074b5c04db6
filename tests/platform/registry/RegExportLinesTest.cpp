// Joining hex values that registry exports continue over several lines.
#include "platform/registry/RegExportLines.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

TEST(RegExportLines, HexValuesContinuedWithABackslashBecomeOneLine) {
    const Lines lines = {"[HKEY_CURRENT_USER\\Software\\A\\]",
                         "\"Data\"=hex:01,02,\\",
                         "  03,04,\\",
                         "\t05",
                         "\"Path\"=\"C:\\\\\"",
                         "Wide=HEX(2):41,00,\\",
                         "  00,00",
                         "\"Text\"=\"ends in \\",
                         "\"Next\"=\"x\""};
    EXPECT_EQ(plat::JoinContinuedHexLines(lines),
              (Lines{"[HKEY_CURRENT_USER\\Software\\A\\]", "\"Data\"=hex:01,02,03,04,05", "\"Path\"=\"C:\\\\\"",
                     "Wide=HEX(2):41,00,00,00", "\"Text\"=\"ends in \\", "\"Next\"=\"x\""}));
}

TEST(RegExportLines, WhatCountsAsAHexValueLine) {
    EXPECT_TRUE(plat::IsHexValueLine("\"a=b\"=hex:01"));
    EXPECT_TRUE(plat::IsHexValueLine("\"v\" = hex(7):00"));
    EXPECT_TRUE(plat::IsHexValueLine("name=hex:"));
    EXPECT_FALSE(plat::IsHexValueLine("\"v\"=\"hex:01\""));
    EXPECT_FALSE(plat::IsHexValueLine("\"v\"=dword:00000001"));
    EXPECT_FALSE(plat::IsHexValueLine("[HKEY_CURRENT_USER\\hex]"));
    EXPECT_FALSE(plat::IsHexValueLine("\"unclosed=hex:01"));
}

TEST(RegExportLines, AContinuationAtTheEndOfTheTextKeepsWhatItHas) {
    EXPECT_EQ(plat::JoinContinuedHexLines({"\"v\"=hex:01,\\", "02,\\"}), (Lines{"\"v\"=hex:01,02,\\"}));
}

} // namespace
