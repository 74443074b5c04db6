// The registry: hierarchical keys with typed values under the standard roots. Key and value names
// are case-insensitive and case-preserving (cp1251). The store lives in memory for the process and
// persists in the prefix as readable registry-export text: user.reg for HKEY_CURRENT_USER,
// system.reg for the machine roots (the other roots are kept in memory only).
//
// Persistence: a root's file is read on its first use. Writes mark the store dirty; Flush() (and
// TRegistry::CloseKey after a write) saves every changed file atomically: a temporary file is
// written, flushed and renamed over the old one while an advisory lock is held, and the changes
// of another process that saved meanwhile are read first and kept, with ours applied on top.
// A file that cannot be read is moved aside (its name + ".damaged-<n>") and the error raised once
// as ERegistryException naming the file, the line and the fault; the root then starts empty.
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
// are absolute under the root; others are relative to the open key.
class TRegistry {
public:
    explicit TRegistry(RootKey root = RootKey::CurrentUser);
    ~TRegistry(); // closes the key, saving what was written
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    RootKey GetRootKey() const { return root_; }
    void SetRootKey(RootKey root);
    // Opens the key; creates it and its parents when canCreate. False when it does not exist.
    bool OpenKey(std::string_view path, bool canCreate);
    bool OpenKeyReadOnly(std::string_view path);
    void CloseKey();
    // Path of the open key below the root, without a leading backslash ("" for the root itself).
    const std::string& CurrentPath() const { return currentPath_; }

    bool KeyExists(std::string_view path) const;
    bool ValueExists(std::string_view name) const;
    bool DeleteKey(std::string_view path); // with its subkeys
    bool DeleteValue(std::string_view name);
    std::vector<std::string> GetKeyNames() const;
    std::vector<std::string> GetValueNames() const;
    // The value's type, or nullopt when there is no such value.
    std::optional<RegValue> GetValue(std::string_view name) const;
    void PutValue(std::string_view name, RegValue value);

    // Raise ERegistryException "Invalid data type for '<name>'" when the value has another type;
    // a missing value is "Invalid data type" too for integers and "" for strings, as the runtime does.
    std::string ReadString(std::string_view name) const;
    void WriteString(std::string_view name, std::string_view value);
    void WriteExpandString(std::string_view name, std::string_view value);
    int32_t ReadInteger(std::string_view name) const;
    void WriteInteger(std::string_view name, int32_t value);
    // Copies at most `size` bytes; a value of another type or longer than `size` raises
    // "Invalid data type for '<name>'". Returns the number of bytes copied.
    int ReadBinaryData(std::string_view name, void* buffer, int size) const;
    void WriteBinaryData(std::string_view name, const void* buffer, int size);
    int GetDataSize(std::string_view name) const; // -1 when missing

private:
    RootKey root_;
    std::string currentPath_;
    bool open_ = false;
    bool wrote_ = false;
};

// Ini-style access to one key, as the designer keeps its settings: a section is a subkey (the key
// itself for an empty section), integers and booleans are decimal strings, materials binary values.
class TRegIniFile {
public:
    // `path` is the key under HKEY_CURRENT_USER; it is created when missing.
    explicit TRegIniFile(std::string_view path, RootKey root = RootKey::CurrentUser);
    ~TRegIniFile();

    std::string ReadString(std::string_view section, std::string_view name, std::string_view fallback);
    void WriteString(std::string_view section, std::string_view name, std::string_view value);
    // Accepts decimal and "0x" hexadecimal; a missing or unreadable value gives `fallback`.
    int ReadInteger(std::string_view section, std::string_view name, int fallback);
    void WriteInteger(std::string_view section, std::string_view name, int value);
    // Read as an integer, true when non-zero; written as "1" or "0".
    bool ReadBool(std::string_view section, std::string_view name, bool fallback);
    void WriteBool(std::string_view section, std::string_view name, bool value);
    bool ValueExists(std::string_view section, std::string_view name);
    // As TRegistry::ReadBinaryData, in the section; 0 when the value does not exist.
    int ReadBinaryData(std::string_view section, std::string_view name, void* buffer, int size);
    void WriteBinaryData(std::string_view section, std::string_view name, const void* buffer, int size);
    void EraseSection(std::string_view section);

    const std::string& FileName() const { return path_; }

private:
    TRegistry& Section(std::string_view section, bool canCreate);

    std::string path_;
    RootKey root_;
    TRegistry reg_;
};

// Saves every changed registry file now. Raises ERegistryException when a file cannot be written.
void RegistryFlush();
// Drops the in-memory store without saving (tests that change the prefix, crash simulation).
void RegistryReset();

} // namespace plat
