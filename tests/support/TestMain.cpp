// Test entry: points HOME, the XDG folders and the prefix at a scratch folder of this process
// before any test runs, and removes it at the end. It takes the C library's locale from the
// environment, as the programs do once the toolkit starts, so `make test` under ru_RU.UTF-8 runs
// every test with a comma decimal separator.
#include "tests/support/Scratch.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>

namespace {

class ScratchEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        const std::string& root = testing_support::ScratchRoot();
        setenv("HOME", (root + "/home").c_str(), 1);
        setenv("XDG_DATA_HOME", (root + "/home/.local/share").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (root + "/home/.config").c_str(), 1);
        setenv("XDG_DOCUMENTS_DIR", (root + "/home/Documents").c_str(), 1);
        setenv("VERTALIS_PREFIX", (root + "/prefix").c_str(), 1);
        setenv("XDG_RUNTIME_DIR", (root + "/runtime").c_str(), 1);
        std::filesystem::create_directories(root + "/home");
        std::filesystem::create_directories(root + "/runtime");
        std::filesystem::permissions(root + "/runtime", std::filesystem::perms::owner_all);
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(testing_support::ScratchRoot(), ignored);
    }
};

} // namespace

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new ScratchEnvironment);
    return RUN_ALL_TESTS();
}
