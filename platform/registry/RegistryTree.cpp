#include "platform/registry/RegistryTree.h"

#include "platform/text/Cp1251.h"

#include <algorithm>
#include <array>

namespace plat {

namespace {

const std::array<unsigned char, 256> kUpper = [] {
    std::array<unsigned char, 256> table{};
    for (int b = 0; b < 256; ++b)
        table[static_cast<size_t>(b)] = static_cast<unsigned char>(UpperChar(static_cast<char>(b)));
    return table;
}();

// Keys hold a handful of values (settings keys commonly five to eight); room for that many at once
// saves most regrowing while loading.
constexpr size_t kFirstValueRoom = 8;

} // namespace

int CompareRegNames(std::string_view a, std::string_view b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const unsigned char x = kUpper[static_cast<unsigned char>(a[i])];
        const unsigned char y = kUpper[static_cast<unsigned char>(b[i])];
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool SameRegName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (kUpper[static_cast<unsigned char>(a[i])] != kUpper[static_cast<unsigned char>(b[i])])
            return false;
    return true;
}

template <class Vector, class NameOf>
std::pair<size_t, bool> RegKeyNode::LowerBound(const Vector& items, std::string_view name, NameOf nameOf) {
    // Files we write list names in order, so the common case while loading is "after the last".
    if (items.empty())
        return {0, false};
    const int last = CompareRegNames(nameOf(items.back()), name);
    if (last < 0)
        return {items.size(), false};
    if (last == 0)
        return {items.size() - 1, true};
    size_t lo = 0;
    size_t hi = items.size() - 1;
    while (lo < hi) {
        const size_t mid = lo + (hi - lo) / 2;
        if (CompareRegNames(nameOf(items[mid]), name) < 0)
            lo = mid + 1;
        else
            hi = mid;
    }
    return {lo, CompareRegNames(nameOf(items[lo]), name) == 0};
}

namespace {

const std::string& KeyName(const std::unique_ptr<RegKeyNode>& key) {
    return key->Name();
}
const std::string& ValueName(const RegNamedValue& value) {
    return value.Name;
}

} // namespace

RegKeyNode* RegKeyNode::FindSubKey(std::string_view name) {
    const auto [at, found] = LowerBound(subKeys_, name, KeyName);
    return found ? subKeys_[at].get() : nullptr;
}

const RegKeyNode* RegKeyNode::FindSubKey(std::string_view name) const {
    return const_cast<RegKeyNode*>(this)->FindSubKey(name);
}

RegKeyNode& RegKeyNode::AddSubKey(std::string_view name, bool* created) {
    const auto [at, found] = LowerBound(subKeys_, name, KeyName);
    if (created)
        *created = !found;
    if (found)
        return *subKeys_[at];
    auto inserted = subKeys_.insert(subKeys_.begin() + static_cast<ptrdiff_t>(at),
                                    std::make_unique<RegKeyNode>(std::string(name)));
    return **inserted;
}

bool RegKeyNode::RemoveSubKey(std::string_view name) {
    const auto [at, found] = LowerBound(subKeys_, name, KeyName);
    if (!found)
        return false;
    subKeys_.erase(subKeys_.begin() + static_cast<ptrdiff_t>(at));
    return true;
}

const RegValue* RegKeyNode::FindValue(std::string_view name) const {
    const auto [at, found] = LowerBound(values_, name, ValueName);
    return found ? &values_[at].Value : nullptr;
}

void RegKeyNode::SetValue(std::string_view name, RegValue value) {
    const auto [at, found] = LowerBound(values_, name, ValueName);
    if (found) {
        values_[at].Value = std::move(value);
        return;
    }
    if (values_.empty())
        values_.reserve(kFirstValueRoom);
    values_.insert(values_.begin() + static_cast<ptrdiff_t>(at),
                   RegNamedValue{std::string(name), std::move(value)});
}

bool RegKeyNode::RemoveValue(std::string_view name) {
    const auto [at, found] = LowerBound(values_, name, ValueName);
    if (!found)
        return false;
    values_.erase(values_.begin() + static_cast<ptrdiff_t>(at));
    return true;
}

void RegKeyNode::Clear() {
    subKeys_.clear();
    values_.clear();
}

RegKeyNode* RegKeyNode::FindPath(std::string_view path) {
    RegKeyNode* node = this;
    ForEachKeyPart(path, [&](std::string_view part) {
        if (node)
            node = node->FindSubKey(part);
    });
    return node;
}

const RegKeyNode* RegKeyNode::FindPath(std::string_view path) const {
    return const_cast<RegKeyNode*>(this)->FindPath(path);
}

RegKeyNode& RegKeyNode::CreatePath(std::string_view path, bool* created) {
    RegKeyNode* node = this;
    bool any = false;
    ForEachKeyPart(path, [&](std::string_view part) {
        bool made = false;
        node = &node->AddSubKey(part, &made);
        any = any || made;
    });
    if (created)
        *created = any;
    return *node;
}

bool RegKeyNode::RemovePath(std::string_view path) {
    if (path.empty()) {
        Clear();
        return true;
    }
    const size_t slash = path.rfind('\\');
    if (slash == std::string_view::npos)
        return RemoveSubKey(path);
    RegKeyNode* parent = FindPath(path.substr(0, slash));
    return parent && parent->RemoveSubKey(path.substr(slash + 1));
}

std::optional<std::string> NormalizeKeyPath(std::string_view path) {
    std::string out;
    size_t depth = 0;
    while (!path.empty()) {
        const size_t slash = path.find('\\');
        const std::string_view part = path.substr(0, slash);
        if (!part.empty()) {
            if (part.size() > kMaxKeyNameBytes || HasLineBreak(part) || ++depth > kMaxKeyDepth)
                return std::nullopt;
            if (!out.empty())
                out += '\\';
            out += part;
        }
        if (slash == std::string_view::npos)
            break;
        path.remove_prefix(slash + 1);
    }
    return out;
}

} // namespace plat
