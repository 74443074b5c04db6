// Shared by the registry tests: the host files of the roots, and a fixture that starts and ends
// every test with no registry in memory and no registry files (or their side files) on disk.
#pragma once

#include "platform/registry/Registry.h"
#include "platform/registry/RegistryStore.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

inline std::string UserFile() { return plat::RegistryStore::HostFileOf(plat::RootKey::CurrentUser); }
inline std::string SystemFile() { return plat::RegistryStore::HostFileOf(plat::RootKey::LocalMachine); }

class CleanRegistryTest : public ::testing::Test {
protected:
    void SetUp() override { Clean(); }
    void TearDown() override { Clean(); }

    static void Clean() {
        namespace fs = std::filesystem;
        plat::RegistryReset();
        const fs::path folder = fs::path(UserFile()).parent_path();
        std::error_code ignored;
        if (!fs::is_directory(folder, ignored))
            return;
        for (const auto& entry : fs::directory_iterator(folder))
            if (entry.path().filename().string().find(".reg") != std::string::npos)
                fs::remove_all(entry.path(), ignored);
    }
};
