// The prefix, the drive links and the two caches behind Windows path lookup (PathResolver.h).
#include "platform/files/PathResolver.h"

#include "platform/core/Exceptions.h"
#include "platform/core/Platform.h"
#include "platform/files/PathName.h"
#include "platform/text/Cp1251.h"

#include <limits.h>
#include <stdlib.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <mutex>
#include <system_error>
#include <unordered_map>

namespace fs = std::filesystem;

namespace plat::detail {

namespace {

// Paths kept at most; past this the path cache starts afresh (about 200 bytes an entry).
constexpr size_t kMaxCachedPaths = 200000;

struct CachedPath {
    std::string host;
    dev_t device = 0;
    ino_t inode = 0;
};

// Lets the path cache be searched with a string_view, so a hit allocates nothing.
struct StringHash {
    using is_transparent = void;
    size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
};

std::string HostForMessage(const std::string& host) { return Utf8ToCp1251(host); }

class PathResolver {
public:
    static PathResolver& Instance() {
        static PathResolver resolver;
        return resolver;
    }

    ResolvedPath Resolve(std::string_view winPath) {
        std::lock_guard lock(mutex_);
        EnsureReadyLocked();
        if (auto hit = LookupLocked(winPath))
            return std::move(*hit);
        const WinPathParts parts = ParseWinPath(winPath);
        const std::string root = DriveRootLocked(parts.drive, winPath);
        const std::string normalized = parts.Normalized();
        // ends[k]: length of the normalized spelling of the first k components.
        std::vector<size_t> ends(parts.components.size() + 1);
        ends[0] = 3;
        size_t length = 2;
        for (size_t k = 0; k < parts.components.size(); ++k) {
            length += 1 + parts.components[k].size();
            ends[k + 1] = length;
        }
        ResolvedPath result = ResolveAllLocked(root, parts, normalized, ends);
        if (result.exists && winPath != normalized)
            RememberLocked(winPath, result);
        return result;
    }

    std::string DriveRoot(char drive, std::string_view winPath) {
        std::lock_guard lock(mutex_);
        EnsureReadyLocked();
        return DriveRootLocked(drive, winPath);
    }

    std::vector<std::pair<char, std::string>> MappedDrives() {
        std::lock_guard lock(mutex_);
        EnsureReadyLocked();
        std::vector<std::pair<char, std::string>> drives;
        for (char letter = 'A'; letter <= 'Z'; ++letter) {
            try {
                drives.emplace_back(letter, DriveRootLocked(letter, std::string{letter, ':'}));
            } catch (const EFileError&) {
                // No mapping or a broken one: the letter names no folder.
            }
        }
        return drives;
    }

    std::shared_ptr<const DirListing> Listing(const std::string& hostDir, const struct stat& st) {
        std::lock_guard lock(mutex_);
        return dirs_.Get(hostDir, st);
    }

    void ForgetFolder(const std::string& hostDir) {
        std::lock_guard lock(mutex_);
        dirs_.Forget(hostDir);
    }

    void FolderChanged(const std::string& hostDir, const struct stat& before, std::string_view hostName,
                       DirectoryCache::Change change) {
        std::lock_guard lock(mutex_);
        struct stat after {};
        if (stat(hostDir.c_str(), &after) != 0)
            dirs_.Forget(hostDir);
        else
            dirs_.Changed(hostDir, before, after, hostName, change);
    }

    std::string Prefix() {
        std::lock_guard lock(mutex_);
        EnsureReadyLocked();
        return prefix_;
    }

    void Reset() {
        std::lock_guard lock(mutex_);
        ResetLocked();
    }

    PathCacheStats Stats() {
        std::lock_guard lock(mutex_);
        return PathCacheStats{dirs_.Reads(), hits_, paths_.size()};
    }

private:
    void ResetLocked() {
        ready_ = false;
        platform_ = nullptr;
        prefix_.clear();
        roots_.fill(std::string());
        paths_.clear();
        dirs_.Clear();
        hits_ = 0;
    }

    // Makes the prefix and its defaults exist, once per prefix. A different Platform installed
    // since (a test's fake) counts as a new prefix.
    void EnsureReadyLocked() {
        const Platform* current = &Platform::Current();
        if (ready_ && platform_ == current)
            return;
        ResetLocked();
        std::error_code error;
        fs::path prefix = fs::absolute(fs::path(current->PrefixFolder()), error);
        if (error)
            prefix = current->PrefixFolder();
        prefix = prefix.lexically_normal();
        std::string text = prefix.string();
        while (text.size() > 1 && text.back() == '/')
            text.pop_back();
        prefix = text;

        for (const fs::path& folder : {prefix / "drive_c" / "windows" / "system",
                                       prefix / "drive_c" / "Program Files", prefix / "dosdevices"}) {
            fs::create_directories(folder, error);
            if (error)
                throw EFileError("Cannot create the prefix folder \"" + HostForMessage(folder.string()) +
                                 "\". " + SystemErrorText(error.value()));
        }
        MakeDriveLink(prefix / "dosdevices" / "c:", "../drive_c");
        MakeDriveLink(prefix / "dosdevices" / "z:", "/");
        prefix_ = text;
        platform_ = current;
        ready_ = true;
    }

    // Creates a default drive link unless the letter already has an entry (the user's own link).
    static void MakeDriveLink(const fs::path& link, const char* target) {
        struct stat st {};
        if (lstat(link.c_str(), &st) == 0)
            return;
        if (symlink(target, link.c_str()) != 0 && errno != EEXIST)
            throw EFileError("Cannot create the drive link \"" + HostForMessage(link.string()) + "\". " +
                             std::generic_category().message(errno));
    }

    std::string DriveRootLocked(char drive, std::string_view winPath) {
        if (drive >= 'a' && drive <= 'z')
            drive = static_cast<char>(drive - 'a' + 'A');
        if (drive < 'A' || drive > 'Z')
            throw EFileError(InvalidPathMessage(winPath, "the drive letter is not one of A to Z"));
        std::string& root = roots_[static_cast<size_t>(drive - 'A')];
        if (!root.empty())
            return root;
        const std::string devices = prefix_ + "/dosdevices/";
        for (const char letter : {static_cast<char>(drive - 'A' + 'a'), drive}) {
            const std::string link = devices + letter + ':';
            struct stat st {};
            if (lstat(link.c_str(), &st) != 0)
                continue;
            char resolved[PATH_MAX];
            if (!realpath(link.c_str(), resolved))
                throw EFileError(InvalidPathMessage(winPath, std::string("drive ") + drive +
                                                                 ": maps to a folder that does not exist (" +
                                                                 HostForMessage(link) + ")"));
            root = resolved;
            return root;
        }
        throw EFileError(InvalidPathMessage(
            winPath, std::string("drive ") + drive + ": is not mapped (no link \"" +
                         static_cast<char>(drive - 'A' + 'a') + ":\" in " + HostForMessage(devices) + ")"));
    }

    // The cached answer for a Windows spelling when one stat shows the same file still there.
    std::optional<ResolvedPath> LookupLocked(std::string_view key) {
        const auto found = paths_.find(key);
        if (found == paths_.end())
            return std::nullopt;
        ResolvedPath result;
        if (stat(found->second.host.c_str(), &result.st) != 0 || result.st.st_dev != found->second.device ||
            result.st.st_ino != found->second.inode) {
            paths_.erase(found);
            return std::nullopt;
        }
        ++hits_;
        result.host = found->second.host;
        result.exists = true;
        return result;
    }

    void RememberLocked(std::string_view key, const ResolvedPath& path) {
        if (paths_.size() >= kMaxCachedPaths)
            paths_.clear();
        paths_.insert_or_assign(std::string(key), CachedPath{path.host, path.st.st_dev, path.st.st_ino});
    }

    // Resolves all components of `parts` under the drive folder `root`; ends[k] is the length of
    // the spelling of the first k components in `normalized`, the key of that level. The walk is
    // a loop, not a recursion, so no path is too deep for the stack.
    ResolvedPath ResolveAllLocked(const std::string& root, const WinPathParts& parts,
                                  const std::string& normalized, const std::vector<size_t>& ends) {
        const size_t count = parts.components.size();
        auto key = [&](size_t level) { return std::string_view(normalized).substr(0, ends[level]); };
        if (auto hit = LookupLocked(key(count)))
            return std::move(*hit);
        // The usual miss is a new name in a known folder: start from the folder when it is known,
        // else from the drive folder.
        ResolvedPath current;
        size_t level = 0;
        if (auto parent = count > 0 ? LookupLocked(key(count - 1)) : std::nullopt) {
            current = std::move(*parent);
            level = count - 1;
        } else if (auto top = LookupLocked(key(0))) {
            current = std::move(*top);
        } else {
            current.host = root;
            current.exists = stat(root.c_str(), &current.st) == 0;
            if (current.exists)
                RememberLocked(key(0), current);
        }
        for (size_t k = level + 1; k <= count; ++k) {
            const std::string& name = parts.components[k - 1];
            if (!current.exists) { // below a missing name everything is as written
                if (current.host.back() != '/')
                    current.host += '/';
                current.host += Cp1251ToUtf8(name);
                continue;
            }
            if (k + 1 < count) {
                if (auto hit = LookupLocked(key(k))) {
                    current = std::move(*hit);
                    continue;
                }
            }
            current = ResolveChildLocked(current, name);
            if (current.exists)
                RememberLocked(key(k), current);
        }
        return current;
    }

    // One component `name` (cp1251) inside the resolved folder `parent`.
    ResolvedPath ResolveChildLocked(const ResolvedPath& parent, const std::string& name) {
        ResolvedPath result;
        result.host = JoinHost(parent.host, Cp1251ToUtf8(name));
        if (!parent.exists || !S_ISDIR(parent.st.st_mode))
            return result;
        std::shared_ptr<const DirListing> listing = dirs_.Peek(parent.host, parent.st);
        // A racy listing of this state (one we updated after our own change) is checked by its
        // names alone, which also answers for a new name without the failed stat below: the
        // usual lookup while copying many files into one folder.
        if (!listing && dirs_.Holds(parent.host, parent.st))
            listing = dirs_.Get(parent.host, parent.st);
        if (!listing) {
            // No listing to trust: the exact spelling, when it exists, is the answer (and spares
            // reading a large folder such as /usr/lib for a path the host already spells).
            if (stat(result.host.c_str(), &result.st) == 0) {
                result.exists = true;
                return result;
            }
            listing = dirs_.Get(parent.host, parent.st);
        }
        const DirEntry* entry = listing->Find(name);
        if (!entry)
            return result;
        result.host = JoinHost(parent.host, entry->hostName);
        result.exists = stat(result.host.c_str(), &result.st) == 0;
        return result;
    }

    std::mutex mutex_;
    bool ready_ = false;
    const Platform* platform_ = nullptr;
    std::string prefix_;
    std::array<std::string, 26> roots_;
    std::unordered_map<std::string, CachedPath, StringHash, std::equal_to<>> paths_;
    DirectoryCache dirs_;
    size_t hits_ = 0;
};

} // namespace

ResolvedPath Resolve(std::string_view winPath) { return PathResolver::Instance().Resolve(winPath); }

std::optional<ResolvedPath> TryResolve(std::string_view winPath) {
    try {
        return Resolve(winPath);
    } catch (const EFileError&) {
        return std::nullopt;
    }
}

std::string DriveRoot(char drive, std::string_view winPath) {
    return PathResolver::Instance().DriveRoot(drive, winPath);
}

std::vector<std::pair<char, std::string>> MappedDrives() { return PathResolver::Instance().MappedDrives(); }

std::shared_ptr<const DirListing> FolderListing(const std::string& hostDir, const struct stat& st) {
    return PathResolver::Instance().Listing(hostDir, st);
}

void ForgetFolder(const std::string& hostDir) { PathResolver::Instance().ForgetFolder(hostDir); }

void FolderChanged(const std::string& host, const struct stat* before, DirectoryCache::Change change) {
    const std::string dir = HostDirName(host);
    if (!before)
        PathResolver::Instance().ForgetFolder(dir);
    else
        PathResolver::Instance().FolderChanged(dir, *before, HostBaseName(host), change);
}

std::string PrefixReady() { return PathResolver::Instance().Prefix(); }

void ResetCaches() { PathResolver::Instance().Reset(); }

PathCacheStats CacheStats() { return PathResolver::Instance().Stats(); }

std::string JoinHost(const std::string& dir, std::string_view name) {
    std::string out = dir;
    if (out.empty() || out.back() != '/')
        out += '/';
    out += name;
    return out;
}

std::string_view HostBaseName(std::string_view host) {
    while (host.size() > 1 && host.back() == '/')
        host.remove_suffix(1);
    const size_t slash = host.rfind('/');
    if (slash == std::string_view::npos)
        return host;
    return host.substr(slash + 1);
}

std::string HostDirName(std::string_view host) {
    while (host.size() > 1 && host.back() == '/')
        host.remove_suffix(1);
    const size_t slash = host.rfind('/');
    if (slash == std::string_view::npos)
        return ".";
    if (slash == 0)
        return "/";
    return std::string(host.substr(0, slash));
}

} // namespace plat::detail
