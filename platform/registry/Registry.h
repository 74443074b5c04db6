// The registry: hierarchical keys with typed values under the standard roots. Key and value names
// are case-insensitive and case-preserving (cp1251). The store lives in memory for the process and
// persists in the prefix as readable registry-export text: user.reg for HKEY_CURRENT_USER,
// system.reg for HKEY_LOCAL_MACHINE, HKEY_CLASSES_ROOT, HKEY_USERS and HKEY_CURRENT_CONFIG;
// HKEY_DYN_DATA is kept in memory only (RegistryStore.h has the details).
//
// Persistence: a root's file is read on its first use. Writes are logged; RegistryFlush() (and
// TRegistry::CloseKey after a write) saves every changed file atomically: a temporary file is
// written, flushed and renamed over the old one while an advisory lock is held, and the changes
// of another process that saved meanwhile are read first and kept, with ours applied on top.
// A file that cannot be parsed is moved aside (its name + ".damaged-<n>") and the error raised once
// as ERegistryException naming the file, the line and the fault; the root then starts empty. So any
// access that first touches a root may raise that error.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plat {

enum class RootKey { ClassesRoot, CurrentUser, LocalMachine, Users, CurrentConfig, DynData };

// Value types with the Windows numbers, which the export text writes as hex(<n>) for types it has
// no word for; any other number is kept as read.
enum class RegDataType : uint32_t {
    None = 0,
    String = 1,
    ExpandString = 2,
    Binary = 3,
    DWord = 4,
    MultiString = 7,
};

struct RegValue {
    uint32_t Type = static_cast<uint32_t>(RegDataType::None);
    std::string Data; // raw bytes; String without its terminating zero, DWord as 4 little-endian bytes
};

// "HKEY_CURRENT_USER" and so on; nullopt for any other text (exact, case-sensitive).
std::optional<RootKey> RootKeyFromName(std::string_view name);
const char* RootKeyName(RootKey root);

// TRegistry-style accessor: a root, one open key, typed reads and writes. Paths starting with "\"
// are absolute under the root; others are relative to the open key (to the root when none is
// open). Empty path parts are skipped; a name over 255 bytes or with a line break is not a key.
// Value writes need an open key: without one (or with a read-only one) they raise
// "Failed to set data for '<name>'", as does a value name with a line break, over 16383 bytes,
// or data over 16 MB (limits in RegistryTree.h).
class TRegistry {
public:
    explicit TRegistry(RootKey root = RootKey::CurrentUser);
    // Closes the key, saving what was written. A destructor cannot raise, so a failed save here
    // is not reported; the changes stay pending and the next RegistryFlush saves or reports them.
    ~TRegistry();
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    RootKey GetRootKey() const { return root_; }
    void SetRootKey(RootKey root); // closes the open key when the root changes
    // Opens the key; creates it and its parents when canCreate. False when it does not exist (or
    // the path is not valid); the key open before stays open then. On success the previous key is
    // closed first, saving what was written to it.
    bool OpenKey(std::string_view path, bool canCreate);
    bool OpenKeyReadOnly(std::string_view path);
    // Saves the root's file when anything was written (or a key created) since the key opened;
    // raises ERegistryException when that save fails (the changes stay pending).
    void CloseKey();
    // Path of the open key below the root, without a leading backslash ("" for the root itself).
    const std::string& CurrentPath() const { return currentPath_; }

    bool KeyExists(std::string_view path) const;
    bool ValueExists(std::string_view name) const;
    bool DeleteKey(std::string_view path); // with its subkeys; never the root itself
    bool DeleteValue(std::string_view name);
    std::vector<std::string> GetKeyNames() const;
    std::vector<std::string> GetValueNames() const;
    // The value (type and data), or nullopt when there is no such value.
    std::optional<RegValue> GetValue(std::string_view name) const;
    void PutValue(std::string_view name, RegValue value);

    // Raise ERegistryException "Invalid data type for '<name>'" when the value has another type;
    // a missing value is "Invalid data type" too for integers and "" for strings, as the runtime does.
    std::string ReadString(std::string_view name) const;
    void WriteString(std::string_view name, std::string_view value);
    void WriteExpandString(std::string_view name, std::string_view value);
    int32_t ReadInteger(std::string_view name) const;
    void WriteInteger(std::string_view name, int32_t value);
    // Copies at most `size` bytes; a value of another type than binary or longer than `size`
    // raises "Invalid data type for '<name>'". Returns the number of bytes copied, 0 when the
    // value does not exist.
    int ReadBinaryData(std::string_view name, void* buffer, int size) const;
    // A negative size (or a null buffer with a positive one) raises "Failed to set data for".
    void WriteBinaryData(std::string_view name, const void* buffer, int size);
    // Bytes of the data, counting the terminating zero of strings as the platform does; -1 when
    // the value is missing.
    int GetDataSize(std::string_view name) const;

private:
    friend class TRegIniFile;

    // The normalised path `path` names from here; nullopt when it is not a valid key path.
    std::optional<std::string> ResolvePath(std::string_view path) const;
    // Switches to another key without closing the open one: what was written stays to be saved
    // when the accessor closes (the ini accessor moves between sections this way).
    bool ChangeKey(std::string_view path, bool canCreate);

    RootKey root_;
    std::string currentPath_;
    bool open_ = false;
    bool readOnly_ = false;
    bool wrote_ = false;
};

// Ini-style access to one key, as the designer keeps its settings: a section is a subkey (the key
// itself for an empty section), integers and booleans are decimal strings, materials binary values.
// Reads never create a section; writes create it. Everything written is saved when the object is
// destroyed (as TRegistry's destructor does), not after every value.
class TRegIniFile {
public:
    // `path` is the key under `root` (a leading "\" is optional); it is created when missing.
    // Raises ERegistryException when it is not a valid key path.
    explicit TRegIniFile(std::string_view path, RootKey root = RootKey::CurrentUser);
    ~TRegIniFile();
    TRegIniFile(const TRegIniFile&) = delete;
    TRegIniFile& operator=(const TRegIniFile&) = delete;

    // A DWORD value reads as its decimal text; a missing value or section gives `fallback`; a
    // value of a type other than string and DWORD raises "Invalid data type for '<name>'".
    std::string ReadString(std::string_view section, std::string_view name, std::string_view fallback);
    void WriteString(std::string_view section, std::string_view name, std::string_view value);
    // Accepts decimal and "0x" hexadecimal strings and DWORD values; a missing or unreadable
    // value gives `fallback`.
    int ReadInteger(std::string_view section, std::string_view name, int fallback);
    void WriteInteger(std::string_view section, std::string_view name, int value);
    // Read as an integer, true when non-zero; written as "1" or "0".
    bool ReadBool(std::string_view section, std::string_view name, bool fallback);
    void WriteBool(std::string_view section, std::string_view name, bool value);
    bool ValueExists(std::string_view section, std::string_view name);
    // As TRegistry::ReadBinaryData, in the section; 0 when the value does not exist.
    int ReadBinaryData(std::string_view section, std::string_view name, void* buffer, int size);
    void WriteBinaryData(std::string_view section, std::string_view name, const void* buffer, int size);
    // Deletes the section's subkey; the empty section (the key itself) loses its values and
    // subkeys but stays.
    void EraseSection(std::string_view section);

    const std::string& FileName() const { return path_; }

private:
    // Moves the accessor to the section's key; false when it does not exist and !canCreate.
    bool Section(std::string_view section, bool canCreate);

    std::string path_;
    std::string basePath_; // normalised
    TRegistry reg_;
};

// Saves every changed registry file now. Raises ERegistryException when a file cannot be written
// (after trying the others; the failed file's changes stay pending).
void RegistryFlush();
// Drops the in-memory store without saving (tests that change the prefix, crash simulation).
void RegistryReset();

} // namespace plat
