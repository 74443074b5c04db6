// A fresh prefix for every test of platform/files, with helpers to make and read host files in
// it. Host names in these helpers are UTF-8 (as on disk); Windows names are cp1251 (use Ru()).
#pragma once

#include "platform/files/WinPath.h"
#include "tests/support/Scratch.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace files_test {

namespace fs = std::filesystem;

// Takes every write bit away from a host file, which makes it read-only to the system.
inline void MakeReadOnly(const std::string& host) {
    fs::permissions(host, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
}

class PrefixTest : public ::testing::Test {
protected:
    void SetUp() override {
        prefix_ = testing_support::MakeScratchDir("prefix");
        setenv("VERTALIS_PREFIX", prefix_.c_str(), 1);
        plat::ResetPathCache();
        plat::EnsurePrefix();
        driveC_ = fs::canonical(prefix_ + "/drive_c").string();
    }
    void TearDown() override { plat::ResetPathCache(); }

    // Host path of a path below drive C: ("windows/system").
    std::string OnC(const std::string& relative) const {
        return relative.empty() ? driveC_ : driveC_ + "/" + relative;
    }
    // Makes a host file below drive C:, with its folders.
    void MakeFile(const std::string& relative, const std::string& bytes = "x") const {
        testing_support::WriteHostFile(OnC(relative), bytes);
    }
    void MakeDir(const std::string& relative) const { fs::create_directories(OnC(relative)); }

    std::string prefix_;
    std::string driveC_;
};

} // namespace files_test
