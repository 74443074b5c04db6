#include "platform/registry/RegistryStore.h"

#include "platform/core/Exceptions.h"
#include "platform/core/Platform.h"
#include "platform/registry/RegChangeLog.h"
#include "platform/registry/RegistryDiskFile.h"
#include "platform/registry/RegistryFile.h"

#include <algorithm>
#include <exception>
#include <filesystem>
#include <optional>
#include <system_error>

namespace plat {

namespace {

enum class HiveId { User, System, Memory };
constexpr size_t kHiveCount = 3;
// A damaged file that another process replaces while we look at it is read again this often
// before we move aside what is there.
constexpr int kDamagedFileRereads = 3;

HiveId HiveIdOf(RootKey root) {
    switch (root) {
    case RootKey::CurrentUser:
        return HiveId::User;
    case RootKey::ClassesRoot:
    case RootKey::LocalMachine:
    case RootKey::Users:
    case RootKey::CurrentConfig:
        return HiveId::System;
    case RootKey::DynData:
        return HiveId::Memory;
    }
    return HiveId::Memory;
}

const char* FileNameOf(HiveId id) {
    switch (id) {
    case HiveId::User:
        return "user.reg";
    case HiveId::System:
        return "system.reg";
    case HiveId::Memory:
        return nullptr;
    }
    return nullptr;
}

RootSet RootsOf(HiveId id) {
    switch (id) {
    case HiveId::User:
        return {RootKey::CurrentUser};
    case HiveId::System:
        return {RootKey::ClassesRoot, RootKey::LocalMachine, RootKey::Users, RootKey::CurrentConfig};
    case HiveId::Memory:
        return {RootKey::DynData};
    }
    return {};
}

std::string RootsText(RootSet roots) {
    std::string text;
    for (int i = 0; i < kRootKeyCount; ++i) {
        const auto root = static_cast<RootKey>(i);
        if (roots.Has(root))
            text += std::string(text.empty() ? "" : ", ") + RootKeyName(root);
    }
    return text;
}

} // namespace

struct RegistryStore::Hive {
    explicit Hive(HiveId id) : Id(id), Roots(RootsOf(id)) {}

    bool Persistent() const { return FileNameOf(Id) != nullptr; }

    HiveId Id;
    RootSet Roots;
    bool Loaded = false;
    std::string HostPath; // fixed at load, so a save goes where the data came from
    RegistryTree Tree;
    FileStamp Stamp;         // the version on disk that Tree was read from or written as
    uint64_t Generation = 0; // the save counter that went with it
    RegChangeLog Log;        // our changes since then
};

RegistryStore& RegistryStore::Instance() {
    static RegistryStore store;
    return store;
}

RegistryStore::RegistryStore() {
    Reset();
}
RegistryStore::~RegistryStore() = default;

void RegistryStore::Reset() {
    for (size_t i = 0; i < kHiveCount; ++i)
        hives_[i] = std::make_unique<Hive>(static_cast<HiveId>(i));
}

std::string RegistryStore::HostFileOf(RootKey root) {
    const char* name = FileNameOf(HiveIdOf(root));
    if (!name)
        return {};
    return (std::filesystem::path(Platform::Current().PrefixFolder()) / name).string();
}

RegistryStore::Hive& RegistryStore::HiveOf(RootKey root) {
    return *hives_[static_cast<size_t>(HiveIdOf(root))];
}

RegistryStore::Hive& RegistryStore::Loaded(RootKey root) {
    Hive& hive = HiveOf(root);
    if (!hive.Loaded)
        Load(hive);
    return hive;
}

void RegistryStore::Load(Hive& hive) {
    if (!hive.Persistent()) {
        hive.Loaded = true;
        return;
    }
    hive.HostPath =
        (std::filesystem::path(Platform::Current().PrefixFolder()) / FileNameOf(hive.Id)).string();
    const RegistryDiskFile file(hive.HostPath);
    for (int attempt = 1;; ++attempt) {
        RegistryDiskFile::Contents contents;
        uint64_t generation = 0;
        {
            // The shared lock keeps the counter and the file we read in step; a folder without a
            // lock file (missing, read-only) is read unlocked.
            const RegistryDiskFile::Lock lock(file, LockMode::Shared, /*mustLock=*/false);
            generation = lock.Generation();
            contents = file.Read(kMaxRegistryFileBytes); // an unreadable file leaves the hive unloaded
        }
        try {
            hive.Tree = contents.Stamp.Exists ? ReadRegistryText(contents.Bytes, hive.HostPath, hive.Roots)
                                              : RegistryTree();
            hive.Stamp = contents.Stamp;
            hive.Generation = generation;
            hive.Loaded = true;
            return;
        } catch (const RegistryFileError& error) {
            const RegistryDiskFile::Lock lock(file, LockMode::Exclusive, /*mustLock=*/false);
            if (file.Stat() != contents.Stamp && attempt < kDamagedFileRereads)
                continue; // a saver replaced it meanwhile: read the new one
            const std::string aside = file.MoveAside();
            hive.Tree = RegistryTree();
            hive.Stamp = FileStamp{};
            hive.Generation = lock.Generation();
            hive.Loaded = true;
            throw ERegistryException(std::string(error.what()) + "; the file was moved to '" + aside +
                                     "' and " + RootsText(hive.Roots) + " start empty");
        }
    }
}

const RegKeyNode* RegistryStore::FindKey(RootKey root, std::string_view path) {
    return Loaded(root).Tree.Root(root).FindPath(path);
}

bool RegistryStore::CreateKey(RootKey root, std::string_view path) {
    Hive& hive = Loaded(root);
    bool created = false;
    hive.Tree.Root(root).CreatePath(path, &created);
    if (created && hive.Persistent())
        hive.Log.CreateKey(root, path);
    return created;
}

bool RegistryStore::DeleteKey(RootKey root, std::string_view path) {
    Hive& hive = Loaded(root);
    if (path.empty() || !hive.Tree.Root(root).RemovePath(path))
        return false;
    if (hive.Persistent())
        hive.Log.DeleteKey(root, path);
    return true;
}

bool RegistryStore::SetValue(RootKey root, std::string_view path, std::string_view name, RegValue value) {
    Hive& hive = Loaded(root);
    RegKeyNode* key = hive.Tree.Root(root).FindPath(path);
    if (!key)
        return false;
    if (hive.Persistent())
        hive.Log.SetValue(root, path, name, value);
    key->SetValue(name, std::move(value));
    return true;
}

bool RegistryStore::DeleteValue(RootKey root, std::string_view path, std::string_view name) {
    Hive& hive = Loaded(root);
    RegKeyNode* key = hive.Tree.Root(root).FindPath(path);
    if (!key || !key->RemoveValue(name))
        return false;
    if (hive.Persistent())
        hive.Log.DeleteValue(root, path, name);
    return true;
}

void RegistryStore::Save(RootKey root) {
    SaveHive(HiveOf(root));
}

void RegistryStore::SaveAll() {
    std::exception_ptr first;
    for (auto& hive : hives_) {
        try {
            SaveHive(*hive);
        } catch (const Exception&) {
            if (!first)
                first = std::current_exception();
        }
    }
    if (first)
        std::rethrow_exception(first);
}

void RegistryStore::SaveHive(Hive& hive) {
    if (!hive.Persistent() || !hive.Loaded || hive.Log.Empty())
        return;
    const std::filesystem::path folder = std::filesystem::path(hive.HostPath).parent_path();
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error)
        throw ERegistryException("Cannot create the folder '" + folder.string() + "' for registry file '" +
                                 hive.HostPath + "': " + SystemErrorText(error.value()));

    const RegistryDiskFile file(hive.HostPath);
    RegistryDiskFile::Lock lock(file, LockMode::Exclusive, /*mustLock=*/true);
    const uint64_t generation = lock.Generation();
    const FileStamp onDisk = file.Stat();

    std::optional<RegistryTree> merged;
    std::optional<std::string> damage;
    if (onDisk != hive.Stamp || generation != hive.Generation) {
        // Another process saved (or someone replaced the file) since we read it: take its
        // version and put our changes on top.
        RegistryDiskFile::Contents contents = file.Read(kMaxRegistryFileBytes);
        try {
            merged = contents.Stamp.Exists ? ReadRegistryText(contents.Bytes, hive.HostPath, hive.Roots)
                                           : RegistryTree();
            hive.Log.ApplyTo(*merged);
        } catch (const RegistryFileError& fault) {
            const std::string aside = file.MoveAside();
            damage = std::string(fault.what()) + "; the file was moved to '" + aside +
                     "' and replaced by this program's registry";
        }
    }

    const auto lastSize = static_cast<size_t>(std::max<int64_t>(onDisk.Size, 0));
    const std::string text =
        WriteRegistryText(merged ? *merged : hive.Tree, hive.Roots, lastSize + lastSize / 8 + 4096);
    if (text.size() > kMaxRegistryFileBytes)
        throw ERegistryException("Cannot save registry file '" + hive.HostPath +
                                 "': it would be larger than " + std::to_string(kMaxRegistryFileBytes) +
                                 " bytes");
    const FileStamp written = file.WriteAtomically(text, onDisk);
    lock.SetGeneration(generation + 1);

    if (merged)
        hive.Tree = std::move(*merged);
    hive.Stamp = written;
    hive.Generation = generation + 1;
    hive.Log.Clear();
    if (damage)
        throw ERegistryException(*damage);
}

} // namespace plat
