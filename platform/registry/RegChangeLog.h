// What this process changed in one registry file since it last read or wrote it. Saving replays
// the log on top of what another process saved meanwhile, so both processes' changes survive: for
// the same value, the later saver wins; a key deleted by one and written by the other comes back
// with the values written.
#pragma once

#include "platform/registry/RegistryTree.h"

#include <string>
#include <string_view>
#include <vector>

namespace plat {

enum class RegChangeKind { CreateKey, DeleteKey, SetValue, DeleteValue };

struct RegChange {
    RegChangeKind Kind;
    RootKey Root;
    std::string Path; // normalised
    std::string Name; // value name for SetValue and DeleteValue
    RegValue Value;   // for SetValue
};

class RegChangeLog {
public:
    void CreateKey(RootKey root, std::string_view path);
    void DeleteKey(RootKey root, std::string_view path);
    void SetValue(RootKey root, std::string_view path, std::string_view name, const RegValue& value);
    void DeleteValue(RootKey root, std::string_view path, std::string_view name);

    // Replays the changes in order.
    void ApplyTo(RegistryTree& tree) const;

    bool Empty() const { return changes_.empty(); }
    size_t Size() const { return changes_.size(); }
    void Clear() { changes_.clear(); }

private:
    // A change of the same value as the last one replaces it, so a value written in a loop does
    // not grow the log.
    void AddValueChange(RegChange change);

    std::vector<RegChange> changes_;
};

} // namespace plat
