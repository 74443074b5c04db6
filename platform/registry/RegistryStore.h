// The process's registry: one RegistryTree per registry file, loaded on first use, with the log
// of this process's changes since the file was last read or written, and the saving that merges
// them into whatever another process saved meanwhile.
//
// Files and roots:
//   user.reg    HKEY_CURRENT_USER
//   system.reg  HKEY_LOCAL_MACHINE, HKEY_CLASSES_ROOT, HKEY_USERS, HKEY_CURRENT_CONFIG
//   (none)      HKEY_DYN_DATA: performance data that Windows computes on demand and never
//               stores, so it lives in memory only.
// HKEY_CLASSES_ROOT is a root of its own here, not a view of HKEY_LOCAL_MACHINE\Software\Classes.
//
// Loading: a file that cannot be parsed is moved aside (RegistryDiskFile::MoveAside) under the
// exclusive lock, its roots start empty, and the access that loaded it raises the error once. A
// file that cannot be read at all (permissions, I/O) raises on every access and is never written,
// so no file is ever replaced unread.
//
// Saving (under the exclusive lock): when the file on disk is not the version we last read or
// wrote (stamp or save counter differ), it is read again and our change log replayed on it; the
// result is written atomically. If that file turns out damaged it is moved aside, our own tree is
// written, and the damage is raised after the save.
//
// Everything runs on the one UI thread; the store is not locked against threads.
#pragma once

#include "platform/registry/RegistryTree.h"

#include <memory>
#include <string>
#include <string_view>

namespace plat {

class RegistryStore {
public:
    static RegistryStore& Instance();
    ~RegistryStore();

    // Paths are normalised (NormalizeKeyPath); the empty path is the root key.
    const RegKeyNode* FindKey(RootKey root, std::string_view path);
    // Creates the key and its parents; true when anything was created.
    bool CreateKey(RootKey root, std::string_view path);
    // Deletes the key with its subkeys; the root itself cannot be deleted.
    bool DeleteKey(RootKey root, std::string_view path);
    // False when the key does not exist.
    bool SetValue(RootKey root, std::string_view path, std::string_view name, RegValue value);
    bool DeleteValue(RootKey root, std::string_view path, std::string_view name);

    // Saves the file holding `root` when it has unsaved changes.
    void Save(RootKey root);
    // Saves every file with unsaved changes; raises the first failure after trying them all.
    void SaveAll();
    // Forgets everything, unsaved changes included.
    void Reset();

    // Host path of the file holding `root` under the current prefix; empty for memory-only roots.
    static std::string HostFileOf(RootKey root);

private:
    struct Hive;
    RegistryStore();
    Hive& HiveOf(RootKey root);
    Hive& Loaded(RootKey root);
    void Load(Hive& hive);
    void SaveHive(Hive& hive);

    std::unique_ptr<Hive> hives_[3];
};

} // namespace plat
