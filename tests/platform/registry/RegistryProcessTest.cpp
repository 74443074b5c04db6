// The registry file shared between processes: a save merges what another process saved meanwhile,
// waits for the lock another process holds, and a saver killed at any moment leaves a file that
// reads back whole, holding either the old or the new state.
#include "platform/registry/Registry.h"
#include "tests/platform/registry/RegistryTestUtil.h"
#include "platform/registry/RegistryDiskFile.h"
#include "platform/registry/RegistryFile.h"
#include "platform/registry/RegistryStore.h"
#include "tests/support/Scratch.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace plat;
namespace fs = std::filesystem;

namespace {


RegistryTree ReadUserFile() {
    return ReadRegistryText(testing_support::ReadHostFile(UserFile()), UserFile(), {RootKey::CurrentUser});
}

const RegValue* Find(const RegistryTree& tree, std::string_view path, std::string_view name) {
    const RegKeyNode* key = tree.Root(RootKey::CurrentUser).FindPath(path);
    return key ? key->FindValue(name) : nullptr;
}

// Runs `body` in a child process and returns its exit code; the child starts from the files, not
// from the parent's memory.
template <class Body> int RunChild(Body body) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        int code = 0;
        try {
            RegistryReset();
            code = body();
        } catch (...) {
            code = 99;
        }
        ::_exit(code);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class RegistryProcessTest : public CleanRegistryTest {};

} // namespace

TEST_F(RegistryProcessTest, AnotherProcessesSaveIsMergedUnderOurChanges) {
    {
        TRegIniFile base("M");
        base.WriteString("A", "keep", "1");
        base.WriteString("A", "old", "1");
        base.WriteString("A", "both", "base");
        base.WriteString("C", "c", "1");
        base.WriteString("E", "x", "1");
    }
    TRegIniFile ours("M"); // saves only when it goes
    ours.WriteString("A", "both", "parent");
    ours.WriteString("B", "ours", "1");
    ours.EraseSection("C");
    ours.WriteString("E", "e", "1");

    const int code = RunChild([] {
        TRegistry reg;
        if (!reg.OpenKey("\\M\\A", false))
            return 1;
        reg.WriteString("child", "1");
        reg.DeleteValue("old");
        reg.WriteString("both", "child");
        reg.CloseKey();
        reg.OpenKey("\\M\\D", true);
        reg.DeleteKey("\\M\\E");
        reg.CloseKey();
        return 0;
    });
    ASSERT_EQ(code, 0);
    RegistryFlush();

    const RegistryTree saved = ReadUserFile();
    EXPECT_NE(Find(saved, "M\\A", "keep"), nullptr);
    EXPECT_NE(Find(saved, "M\\A", "child"), nullptr);
    EXPECT_EQ(Find(saved, "M\\A", "old"), nullptr);
    ASSERT_NE(Find(saved, "M\\A", "both"), nullptr);
    EXPECT_EQ(Find(saved, "M\\A", "both")->Data, "parent"); // the later saver wins
    EXPECT_NE(Find(saved, "M\\B", "ours"), nullptr);
    EXPECT_EQ(saved.Root(RootKey::CurrentUser).FindPath("M\\C"), nullptr);
    EXPECT_NE(saved.Root(RootKey::CurrentUser).FindPath("M\\D"), nullptr);
    // The key the child deleted comes back with what we wrote into it, and only that.
    EXPECT_NE(Find(saved, "M\\E", "e"), nullptr);
    EXPECT_EQ(Find(saved, "M\\E", "x"), nullptr);
    // Our own view now includes the other process's changes.
    EXPECT_TRUE(ours.ValueExists("A", "child"));
    EXPECT_FALSE(ours.ValueExists("A", "old"));
}

TEST_F(RegistryProcessTest, SaveWaitsForTheLockAnotherProcessHolds) {
    int pipeFds[2];
    ASSERT_EQ(::pipe(pipeFds), 0);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(pipeFds[0]);
        const RegistryDiskFile file(UserFile());
        fs::create_directories(fs::path(UserFile()).parent_path());
        RegistryDiskFile::Lock lock(file, LockMode::Exclusive, /*mustLock=*/true);
        (void)!::write(pipeFds[1], "L", 1);
        ::usleep(300 * 1000);
        file.WriteAtomically("REGEDIT4\n[HKEY_CURRENT_USER\\M\\Locked]\n\"by\"=\"child\"\n", file.Stat());
        lock.SetGeneration(lock.Generation() + 1);
        ::_exit(0);
    }
    ::close(pipeFds[1]);
    char signal = 0;
    ASSERT_EQ(::read(pipeFds[0], &signal, 1), 1);
    ::close(pipeFds[0]);

    const auto start = std::chrono::steady_clock::now();
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey("\\M\\Ours", true));
        reg.WriteString("by", "parent");
    }
    const auto waited = std::chrono::steady_clock::now() - start;
    int status = 0;
    ::waitpid(pid, &status, 0);
    EXPECT_GE(waited, std::chrono::milliseconds(200));
    const RegistryTree saved = ReadUserFile();
    EXPECT_NE(Find(saved, "M\\Locked", "by"), nullptr);
    EXPECT_NE(Find(saved, "M\\Ours", "by"), nullptr);
}

namespace {

// One consistent state of the crash test: every value says k, and a blob depends on k.
constexpr int kCrashKeys = 16;
constexpr size_t kCrashBlobBytes = 32 * 1024;
constexpr int kKills = 200;
constexpr int kMaxKillDelayUs = 80 * 1000;

std::string CrashBlob(int k) {
    std::string blob(kCrashBlobBytes, '\0');
    for (size_t j = 0; j < blob.size(); ++j)
        blob[j] = static_cast<char>((static_cast<size_t>(k) * 31 + j) & 0xFF);
    return blob;
}

void SaveCrashState(int k) {
    TRegIniFile ini("Crash");
    for (int i = 0; i < kCrashKeys; ++i)
        ini.WriteInteger("Key" + std::to_string(i), "n", k);
    const std::string blob = CrashBlob(k);
    ini.WriteBinaryData("", "blob", blob.data(), static_cast<int>(blob.size()));
    ini.WriteInteger("", "n", k);
    RegistryFlush();
}

// The state the file holds, or -1 (with the reason) when it mixes states.
int CrashStateOf(const RegistryTree& tree, std::string& why) {
    const RegValue* n = Find(tree, "Crash", "n");
    const RegValue* blob = Find(tree, "Crash", "blob");
    if (!n || !blob) {
        why = "values missing";
        return -1;
    }
    const int k = std::stoi(n->Data);
    if (blob->Data != CrashBlob(k)) {
        why = "blob of another state";
        return -1;
    }
    for (int i = 0; i < kCrashKeys; ++i) {
        const RegValue* value = Find(tree, "Crash\\Key" + std::to_string(i), "n");
        if (!value || value->Data != std::to_string(k)) {
            why = "Key" + std::to_string(i) + " of another state";
            return -1;
        }
    }
    return k;
}

} // namespace

TEST_F(RegistryProcessTest, SaverKilledAtRandomMomentsLeavesTheOldOrTheNewState) {
    SaveCrashState(0);
    RegistryReset();
    std::mt19937 random(20240607);
    std::uniform_int_distribution<int> delay(0, kMaxKillDelayUs);
    int last = 0;
    int advanced = 0;
    int temporaryLeft = 0;
    for (int round = 0; round < kKills; ++round) {
        const int first = last + 1;
        const pid_t pid = ::fork();
        if (pid == 0) {
            RegistryReset();
            for (int k = first;; ++k)
                SaveCrashState(k);
        }
        ::usleep(static_cast<useconds_t>(delay(random)));
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "round " << round;

        if (fs::exists(UserFile() + ".tmp")) { // killed while writing it
            ++temporaryLeft;
            fs::remove(UserFile() + ".tmp");
        }
        RegistryTree tree;
        try {
            tree = ReadUserFile();
        } catch (const RegistryFileError& error) {
            FAIL() << "round " << round << ": " << error.what();
        }
        std::string why;
        const int k = CrashStateOf(tree, why);
        ASSERT_GE(k, 0) << "round " << round << ": " << why;
        ASSERT_GE(k, last) << "round " << round << ": the file went back to an older state";
        advanced += k > last ? 1 : 0;
        last = k;
    }
    std::printf(
        "%d kills: the state advanced in %d rounds (to %d); %d kills left a half-written temporary file\n",
        kKills, advanced, last, temporaryLeft);
    EXPECT_GT(advanced, kKills / 4) << "the saver hardly ever got to save: the test proves little";
    EXPECT_FALSE(fs::exists(UserFile() + ".damaged-1"));
    // And the store itself loads what is left.
    TRegIniFile ini("Crash");
    EXPECT_EQ(ini.ReadInteger("", "n", -1), last);
}
