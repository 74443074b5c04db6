// The accessors of Registry.h over the process's RegistryStore: TRegistry resolves paths and
// checks types, TRegIniFile maps sections and ini-style numbers onto it.
#include "platform/registry/Registry.h"

#include "platform/core/Exceptions.h"
#include "platform/core/Numeric.h"
#include "platform/registry/RegistryStore.h"
#include "platform/registry/RegistryTree.h"

#include <cstring>

namespace plat {

namespace {

constexpr const char* kInvalidDataType = "Invalid data type for '%s'";
constexpr const char* kFailedToSetData = "Failed to set data for '%s'";

RegistryStore& Store() {
    return RegistryStore::Instance();
}

bool IsType(const RegValue& value, RegDataType type) {
    return value.Type == static_cast<uint32_t>(type);
}

bool IsStringType(const RegValue& value) {
    return IsType(value, RegDataType::String) || IsType(value, RegDataType::ExpandString);
}

bool IsDWord(const RegValue& value) {
    return IsType(value, RegDataType::DWord) && value.Data.size() == 4;
}

int32_t DWordOf(const RegValue& value) {
    uint32_t number = 0;
    for (int k = 3; k >= 0; --k)
        number = number << 8 | static_cast<unsigned char>(value.Data[static_cast<size_t>(k)]);
    return static_cast<int32_t>(number);
}

[[noreturn]] void ThrowInvalidDataType(std::string_view name) {
    throw ERegistryException(FormatMessage(kInvalidDataType, std::string(name)));
}

[[noreturn]] void ThrowFailedToSet(std::string_view name) {
    throw ERegistryException(FormatMessage(kFailedToSetData, std::string(name)));
}

} // namespace

const char* RootKeyName(RootKey root) {
    switch (root) {
    case RootKey::ClassesRoot:
        return "HKEY_CLASSES_ROOT";
    case RootKey::CurrentUser:
        return "HKEY_CURRENT_USER";
    case RootKey::LocalMachine:
        return "HKEY_LOCAL_MACHINE";
    case RootKey::Users:
        return "HKEY_USERS";
    case RootKey::CurrentConfig:
        return "HKEY_CURRENT_CONFIG";
    case RootKey::DynData:
        return "HKEY_DYN_DATA";
    }
    return "";
}

std::optional<RootKey> RootKeyFromName(std::string_view name) {
    for (int i = 0; i < kRootKeyCount; ++i) {
        const auto root = static_cast<RootKey>(i);
        if (name == RootKeyName(root))
            return root;
    }
    return std::nullopt;
}

// ---- TRegistry ----

TRegistry::TRegistry(RootKey root) : root_(root) {}

TRegistry::~TRegistry() {
    try {
        CloseKey();
    } catch (const Exception&) {
        // Documented in the header: the change log keeps what was not saved.
    }
}

void TRegistry::SetRootKey(RootKey root) {
    if (root == root_)
        return;
    CloseKey();
    root_ = root;
}

std::optional<std::string> TRegistry::ResolvePath(std::string_view path) const {
    if ((!path.empty() && path[0] == '\\') || !open_ || currentPath_.empty())
        return NormalizeKeyPath(path);
    return NormalizeKeyPath(currentPath_ + "\\" + std::string(path));
}

bool TRegistry::OpenKey(std::string_view path, bool canCreate) {
    const std::optional<std::string> resolved = ResolvePath(path);
    if (!resolved)
        return false;
    bool created = false;
    if (canCreate)
        created = Store().CreateKey(root_, *resolved);
    else if (!Store().FindKey(root_, *resolved))
        return false;
    CloseKey();
    currentPath_ = *resolved;
    open_ = true;
    wrote_ = created;
    return true;
}

bool TRegistry::OpenKeyReadOnly(std::string_view path) {
    if (!OpenKey(path, /*canCreate=*/false))
        return false;
    readOnly_ = true;
    return true;
}

bool TRegistry::ChangeKey(std::string_view path, bool canCreate) {
    const std::optional<std::string> resolved = ResolvePath(path);
    if (!resolved)
        return false;
    if (canCreate)
        wrote_ = Store().CreateKey(root_, *resolved) || wrote_;
    else if (!Store().FindKey(root_, *resolved))
        return false;
    currentPath_ = *resolved;
    open_ = true;
    readOnly_ = false;
    return true;
}

void TRegistry::CloseKey() {
    const bool save = wrote_;
    open_ = false;
    readOnly_ = false;
    wrote_ = false;
    currentPath_.clear();
    if (save)
        Store().Save(root_);
}

bool TRegistry::KeyExists(std::string_view path) const {
    const std::optional<std::string> resolved = ResolvePath(path);
    return resolved && Store().FindKey(root_, *resolved) != nullptr;
}

bool TRegistry::DeleteKey(std::string_view path) {
    if (readOnly_)
        return false;
    const std::optional<std::string> resolved = ResolvePath(path);
    if (!resolved || !Store().DeleteKey(root_, *resolved))
        return false;
    wrote_ = true;
    return true;
}

bool TRegistry::DeleteValue(std::string_view name) {
    if (!open_ || readOnly_ || !Store().DeleteValue(root_, currentPath_, name))
        return false;
    wrote_ = true;
    return true;
}

bool TRegistry::ValueExists(std::string_view name) const {
    if (!open_)
        return false;
    const RegKeyNode* key = Store().FindKey(root_, currentPath_);
    return key && key->FindValue(name);
}

std::vector<std::string> TRegistry::GetKeyNames() const {
    std::vector<std::string> names;
    const RegKeyNode* key = open_ ? Store().FindKey(root_, currentPath_) : nullptr;
    if (key)
        for (const auto& sub : key->SubKeys())
            names.push_back(sub->Name());
    return names;
}

std::vector<std::string> TRegistry::GetValueNames() const {
    std::vector<std::string> names;
    const RegKeyNode* key = open_ ? Store().FindKey(root_, currentPath_) : nullptr;
    if (key)
        for (const RegNamedValue& value : key->Values())
            names.push_back(value.Name);
    return names;
}

std::optional<RegValue> TRegistry::GetValue(std::string_view name) const {
    const RegKeyNode* key = open_ ? Store().FindKey(root_, currentPath_) : nullptr;
    const RegValue* value = key ? key->FindValue(name) : nullptr;
    if (!value)
        return std::nullopt;
    return *value;
}

void TRegistry::PutValue(std::string_view name, RegValue value) {
    if (!open_ || readOnly_ || name.size() > kMaxValueNameBytes || HasLineBreak(name) ||
        value.Data.size() > kMaxValueDataBytes)
        ThrowFailedToSet(name);
    if (!Store().SetValue(root_, currentPath_, name, std::move(value)))
        ThrowFailedToSet(name); // the open key was deleted meanwhile
    wrote_ = true;
}

std::string TRegistry::ReadString(std::string_view name) const {
    const std::optional<RegValue> value = GetValue(name);
    if (!value)
        return {};
    if (!IsStringType(*value))
        ThrowInvalidDataType(name);
    return value->Data;
}

void TRegistry::WriteString(std::string_view name, std::string_view value) {
    PutValue(name, RegValue{static_cast<uint32_t>(RegDataType::String), std::string(value)});
}

void TRegistry::WriteExpandString(std::string_view name, std::string_view value) {
    PutValue(name, RegValue{static_cast<uint32_t>(RegDataType::ExpandString), std::string(value)});
}

int32_t TRegistry::ReadInteger(std::string_view name) const {
    const std::optional<RegValue> value = GetValue(name);
    if (!value || !IsDWord(*value))
        ThrowInvalidDataType(name);
    return DWordOf(*value);
}

void TRegistry::WriteInteger(std::string_view name, int32_t value) {
    const auto bits = static_cast<uint32_t>(value);
    std::string data(4, '\0');
    for (size_t k = 0; k < 4; ++k)
        data[k] = static_cast<char>((bits >> (8 * k)) & 0xFF);
    PutValue(name, RegValue{static_cast<uint32_t>(RegDataType::DWord), std::move(data)});
}

int TRegistry::ReadBinaryData(std::string_view name, void* buffer, int size) const {
    const std::optional<RegValue> value = GetValue(name);
    if (!value)
        return 0;
    if (!IsType(*value, RegDataType::Binary) || size < 0 || value->Data.size() > static_cast<size_t>(size))
        ThrowInvalidDataType(name);
    if (!value->Data.empty())
        std::memcpy(buffer, value->Data.data(), value->Data.size());
    return static_cast<int>(value->Data.size());
}

void TRegistry::WriteBinaryData(std::string_view name, const void* buffer, int size) {
    if (size < 0 || (size > 0 && !buffer))
        ThrowFailedToSet(name);
    PutValue(name, RegValue{static_cast<uint32_t>(RegDataType::Binary),
                            std::string(static_cast<const char*>(buffer), static_cast<size_t>(size))});
}

int TRegistry::GetDataSize(std::string_view name) const {
    const std::optional<RegValue> value = GetValue(name);
    if (!value)
        return -1;
    return static_cast<int>(value->Data.size()) + (IsStringType(*value) ? 1 : 0);
}

// ---- TRegIniFile ----

TRegIniFile::TRegIniFile(std::string_view path, RootKey root) : path_(path), reg_(root) {
    if (!reg_.OpenKey("\\" + path_, /*canCreate=*/true))
        throw ERegistryException("Cannot open or create registry key '" + path_ + "'");
    basePath_ = reg_.CurrentPath();
}

TRegIniFile::~TRegIniFile() = default;

bool TRegIniFile::Section(std::string_view section, bool canCreate) {
    std::string path = "\\" + basePath_;
    if (!section.empty())
        path += "\\" + std::string(section);
    return reg_.ChangeKey(path, canCreate);
}

std::string TRegIniFile::ReadString(std::string_view section, std::string_view name,
                                    std::string_view fallback) {
    if (!Section(section, /*canCreate=*/false))
        return std::string(fallback);
    const std::optional<RegValue> value = reg_.GetValue(name);
    if (!value)
        return std::string(fallback);
    if (IsDWord(*value))
        return IntToStr(DWordOf(*value));
    return reg_.ReadString(name);
}

void TRegIniFile::WriteString(std::string_view section, std::string_view name, std::string_view value) {
    if (!Section(section, /*canCreate=*/true))
        ThrowFailedToSet(name);
    reg_.WriteString(name, value);
}

int TRegIniFile::ReadInteger(std::string_view section, std::string_view name, int fallback) {
    if (!Section(section, /*canCreate=*/false))
        return fallback;
    const std::optional<RegValue> value = reg_.GetValue(name);
    if (!value)
        return fallback;
    if (IsDWord(*value))
        return DWordOf(*value);
    int number = 0;
    if (IsStringType(*value) && TryStrToInt(value->Data, number))
        return number;
    return fallback;
}

void TRegIniFile::WriteInteger(std::string_view section, std::string_view name, int value) {
    WriteString(section, name, IntToStr(value));
}

bool TRegIniFile::ReadBool(std::string_view section, std::string_view name, bool fallback) {
    return ReadInteger(section, name, fallback ? 1 : 0) != 0;
}

void TRegIniFile::WriteBool(std::string_view section, std::string_view name, bool value) {
    WriteString(section, name, value ? "1" : "0");
}

bool TRegIniFile::ValueExists(std::string_view section, std::string_view name) {
    return Section(section, /*canCreate=*/false) && reg_.ValueExists(name);
}

int TRegIniFile::ReadBinaryData(std::string_view section, std::string_view name, void* buffer, int size) {
    if (!Section(section, /*canCreate=*/false))
        return 0;
    return reg_.ReadBinaryData(name, buffer, size);
}

void TRegIniFile::WriteBinaryData(std::string_view section, std::string_view name, const void* buffer,
                                  int size) {
    if (!Section(section, /*canCreate=*/true))
        ThrowFailedToSet(name);
    reg_.WriteBinaryData(name, buffer, size);
}

void TRegIniFile::EraseSection(std::string_view section) {
    if (!section.empty()) {
        reg_.DeleteKey("\\" + basePath_ + "\\" + std::string(section));
        return;
    }
    if (!Section(section, /*canCreate=*/false))
        return;
    for (const std::string& name : reg_.GetValueNames())
        reg_.DeleteValue(name);
    for (const std::string& name : reg_.GetKeyNames())
        reg_.DeleteKey(name);
}

void RegistryFlush() {
    Store().SaveAll();
}

void RegistryReset() {
    Store().Reset();
}

} // namespace plat
