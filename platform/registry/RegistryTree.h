// The in-memory form of the registry: a key holds its subkeys and its values, each kept sorted by
// name in the registry's case-insensitive cp1251 order, so a lookup is a binary search and a file
// written in that order loads by appending. A RegistryTree is the six roots; the store keeps one
// per registry file, and the file reader builds one.
//
// Paths here are normalised: parts joined by single backslashes, no leading or trailing one, every
// part a valid key name (NormalizeKeyPath makes them). The empty path is the root key itself.
#pragma once

#include "platform/registry/Registry.h"

#include <array>
#include <cstddef>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plat {

inline constexpr int kRootKeyCount = 6;

// Limits on what the registry holds. Names and depth are the limits of the Windows registry; the
// data size keeps every value small enough that the file reader (which refuses larger ones) can
// read back whatever we write.
inline constexpr size_t kMaxKeyNameBytes = 255;
inline constexpr size_t kMaxValueNameBytes = 16383;
inline constexpr size_t kMaxKeyDepth = 512;
inline constexpr size_t kMaxValueDataBytes = size_t{16} << 20;

struct RegNamedValue {
    std::string Name;
    RegValue Value;
};

class RegKeyNode {
public:
    RegKeyNode() = default;
    explicit RegKeyNode(std::string name) : name_(std::move(name)) {}

    const std::string& Name() const { return name_; }
    const std::vector<std::unique_ptr<RegKeyNode>>& SubKeys() const { return subKeys_; }
    const std::vector<RegNamedValue>& Values() const { return values_; }
    bool Empty() const { return subKeys_.empty() && values_.empty(); }

    RegKeyNode* FindSubKey(std::string_view name);
    const RegKeyNode* FindSubKey(std::string_view name) const;
    // Finds or creates the subkey; an existing key keeps the case it was created with.
    RegKeyNode& AddSubKey(std::string_view name, bool* created = nullptr);
    bool RemoveSubKey(std::string_view name);

    const RegValue* FindValue(std::string_view name) const;
    // Replaces or adds; an existing value keeps the case of its name.
    void SetValue(std::string_view name, RegValue value);
    bool RemoveValue(std::string_view name);
    void Clear();

    RegKeyNode* FindPath(std::string_view path);
    const RegKeyNode* FindPath(std::string_view path) const;
    RegKeyNode& CreatePath(std::string_view path, bool* created = nullptr);
    // Removes the key at the path with everything below it; the empty path clears this key.
    bool RemovePath(std::string_view path);

private:
    // Index of the first entry not less than `name`, and whether it is equal.
    template <class Vector, class NameOf>
    static std::pair<size_t, bool> LowerBound(const Vector& items, std::string_view name, NameOf nameOf);

    std::string name_;
    std::vector<std::unique_ptr<RegKeyNode>> subKeys_;
    std::vector<RegNamedValue> values_;
};

class RegistryTree {
public:
    RegKeyNode& Root(RootKey root) { return roots_[static_cast<size_t>(root)]; }
    const RegKeyNode& Root(RootKey root) const { return roots_[static_cast<size_t>(root)]; }

private:
    std::array<RegKeyNode, kRootKeyCount> roots_;
};

// The registry's name order: cp1251 upper case (Cp1251.h rules), then unsigned bytes, then length;
// the same order as CompareText, through a table this hot path can inline.
int CompareRegNames(std::string_view a, std::string_view b);
bool SameRegName(std::string_view a, std::string_view b);

// True when the text holds a CR or LF: such names cannot be written on one line, and such strings
// are written as hex. (std::string_view::find_first_of calls memchr once per character.)
inline bool HasLineBreak(std::string_view text) {
    return std::memchr(text.data(), '\n', text.size()) || std::memchr(text.data(), '\r', text.size());
}

// Splits a path at backslashes, drops empty parts and joins the rest with single backslashes.
// nullopt when a part is longer than kMaxKeyNameBytes or holds a line break (it could not be
// written as a key line), or when there are more than kMaxKeyDepth parts.
std::optional<std::string> NormalizeKeyPath(std::string_view path);

// Calls `visit(part)` for each part of a normalised path.
template <class Visit> void ForEachKeyPart(std::string_view path, Visit visit) {
    while (!path.empty()) {
        const size_t slash = path.find('\\');
        visit(path.substr(0, slash));
        if (slash == std::string_view::npos)
            return;
        path.remove_prefix(slash + 1);
    }
}

} // namespace plat
