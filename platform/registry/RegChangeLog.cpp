#include "platform/registry/RegChangeLog.h"

#include "platform/text/Cp1251.h"

namespace plat {

void RegChangeLog::CreateKey(RootKey root, std::string_view path) {
    if (!changes_.empty()) {
        const RegChange& last = changes_.back();
        if (last.Kind == RegChangeKind::CreateKey && last.Root == root && SameText(last.Path, path))
            return;
    }
    changes_.push_back(RegChange{RegChangeKind::CreateKey, root, std::string(path), {}, {}});
}

void RegChangeLog::DeleteKey(RootKey root, std::string_view path) {
    changes_.push_back(RegChange{RegChangeKind::DeleteKey, root, std::string(path), {}, {}});
}

void RegChangeLog::SetValue(RootKey root, std::string_view path, std::string_view name,
                            const RegValue& value) {
    AddValueChange(RegChange{RegChangeKind::SetValue, root, std::string(path), std::string(name), value});
}

void RegChangeLog::DeleteValue(RootKey root, std::string_view path, std::string_view name) {
    AddValueChange(RegChange{RegChangeKind::DeleteValue, root, std::string(path), std::string(name), {}});
}

void RegChangeLog::AddValueChange(RegChange change) {
    if (!changes_.empty()) {
        RegChange& last = changes_.back();
        const bool lastIsValue =
            last.Kind == RegChangeKind::SetValue || last.Kind == RegChangeKind::DeleteValue;
        if (lastIsValue && last.Root == change.Root && SameText(last.Path, change.Path) &&
            SameText(last.Name, change.Name)) {
            last = std::move(change);
            return;
        }
    }
    changes_.push_back(std::move(change));
}

void RegChangeLog::ApplyTo(RegistryTree& tree) const {
    for (const RegChange& change : changes_) {
        RegKeyNode& root = tree.Root(change.Root);
        switch (change.Kind) {
        case RegChangeKind::CreateKey:
            root.CreatePath(change.Path);
            break;
        case RegChangeKind::DeleteKey:
            root.RemovePath(change.Path);
            break;
        case RegChangeKind::SetValue:
            root.CreatePath(change.Path).SetValue(change.Name, change.Value);
            break;
        case RegChangeKind::DeleteValue:
            if (RegKeyNode* key = root.FindPath(change.Path))
                key->RemoveValue(change.Name);
            break;
        }
    }
}

} // namespace plat
