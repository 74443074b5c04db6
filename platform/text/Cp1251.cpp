#include "platform/text/Cp1251.h"

#include "platform/text/Utf8.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace plat {

namespace {

// Code points of bytes 0x80..0xBF; 0xC0..0xFF are U+0410..U+044F in order.
constexpr std::array<char16_t, 64> kHighTable = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039, 0x040A,
    0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0098, 0x2122,
    0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6,
    0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456,
    0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457};

char32_t CodePointOf(unsigned char byte) {
    if (byte < 0x80)
        return byte;
    if (byte >= 0xC0)
        return 0x0410 + (byte - 0xC0);
    return kHighTable[byte - 0x80];
}

// cp1251 byte of every code point below U+10000 that has one, 0 for none (no code point above
// 0x7F maps to byte 0, so 0 is free as the marker). Built once; one look-up per character.
const std::array<unsigned char, 0x10000>& ReverseTable() {
    static const auto* table = [] {
        auto* map = new std::array<unsigned char, 0x10000>{};
        for (int b = 0x80; b < 0x100; ++b)
            (*map)[CodePointOf(static_cast<unsigned char>(b))] = static_cast<unsigned char>(b);
        return map;
    }();
    return *table;
}

} // namespace

std::string Cp1251ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (char c : text)
        AppendUtf8(out, CodePointOf(static_cast<unsigned char>(c)));
    return out;
}

std::string Utf8ToCp1251(std::string_view text) {
    const auto& reverse = ReverseTable();
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        char32_t cp = 0;
        if (!DecodeUtf8(text, i, cp)) {
            out += '?';
            continue;
        }
        if (cp < 0x80) {
            out += static_cast<char>(cp);
            continue;
        }
        const unsigned char byte = cp < 0x10000 ? reverse[cp] : 0;
        out += byte ? static_cast<char>(byte) : '?';
    }
    return out;
}

std::string Ru(std::string_view utf8) { return Utf8ToCp1251(utf8); }

namespace {

// Pairs of cp1251 upper/lower letters outside the two contiguous alphabets.
constexpr std::array<std::pair<unsigned char, unsigned char>, 15> kExtraPairs = {{{0x80, 0x90},
                                                                                  {0x81, 0x83},
                                                                                  {0x8A, 0x9A},
                                                                                  {0x8C, 0x9C},
                                                                                  {0x8D, 0x9D},
                                                                                  {0x8E, 0x9E},
                                                                                  {0x8F, 0x9F},
                                                                                  {0xA1, 0xA2},
                                                                                  {0xA3, 0xBC},
                                                                                  {0xA5, 0xB4},
                                                                                  {0xA8, 0xB8},
                                                                                  {0xAA, 0xBA},
                                                                                  {0xAF, 0xBF},
                                                                                  {0xB2, 0xB3},
                                                                                  {0xBD, 0xBE}}};

struct CaseTables {
    std::array<unsigned char, 256> upper{};
    std::array<unsigned char, 256> lower{};
    CaseTables() {
        for (int b = 0; b < 256; ++b)
            upper[b] = lower[b] = static_cast<unsigned char>(b);
        for (int b = 'a'; b <= 'z'; ++b) {
            upper[b] = static_cast<unsigned char>(b - 32);
            lower[b - 32] = static_cast<unsigned char>(b);
        }
        for (int b = 0xE0; b <= 0xFF; ++b) {
            upper[b] = static_cast<unsigned char>(b - 32);
            lower[b - 32] = static_cast<unsigned char>(b);
        }
        for (auto [up, low] : kExtraPairs) {
            upper[low] = up;
            lower[up] = low;
        }
    }
};

const CaseTables& Tables() {
    static const CaseTables tables;
    return tables;
}

} // namespace

char UpperChar(char c) { return static_cast<char>(Tables().upper[static_cast<unsigned char>(c)]); }
char LowerChar(char c) { return static_cast<char>(Tables().lower[static_cast<unsigned char>(c)]); }

std::string UpperCase(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = UpperChar(c);
    return out;
}

std::string LowerCase(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = LowerChar(c);
    return out;
}

int CompareText(std::string_view a, std::string_view b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const auto x = static_cast<unsigned char>(UpperChar(a[i]));
        const auto y = static_cast<unsigned char>(UpperChar(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool SameText(std::string_view a, std::string_view b) { return a.size() == b.size() && CompareText(a, b) == 0; }

} // namespace plat
