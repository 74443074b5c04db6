// The state behind WinPath.h: the prefix and its drive links, the resolved-path cache and the
// folder listings, under one lock. Internal to platform_files.
//
// Resolving "C:\Program Files\Velmora\ReadMe.txt" walks the components from the drive's host
// folder; each component is looked up in its parent's listing (DirectoryCache) case-insensitively
// and by short name, and each resolved prefix of the path is kept in a path cache keyed by its
// Windows spelling. A cached answer is trusted after one stat() of its host path shows the same
// file (device and inode) still there, so resolving a known path costs one stat, and that stat is
// handed to the caller (FileExists, FileSize, ... need no second one).
//
// Why one stat suffices: a cached answer names a file that exists under a name that matched when
// it was looked up. If it was renamed or deleted, the stat fails and the path is looked up again.
// What a stat cannot see is a second name that would also match being created beside it (say
// "readme.txt" next to the "ReadMe.txt" found for "README.TXT"): the cache keeps its first choice
// while that file exists, which is the stable answer one wants from a case-insensitive view of a
// case-sensitive folder.
//
// Drive links are read when a letter is first used; after changing a link, call ResetPathCache().
#pragma once

#include "platform/files/DirectoryCache.h"

#include <sys/stat.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace plat::detail {

struct ResolvedPath {
    std::string host;    // UTF-8 host path
    bool exists = false; // stat() of host succeeded
    struct stat st {};   // valid when exists
};

// Host path of a Windows path (WinPath.h rules); raises EFileError for a name that cannot name a
// file (see ParseWinPath) and for a drive letter with no mapping.
ResolvedPath Resolve(std::string_view winPath);
// As Resolve, but no value where Resolve raises.
std::optional<ResolvedPath> TryResolve(std::string_view winPath);

// Host folder of a drive ("/" for Z:); raises EFileError naming `winPath` when it has no mapping.
std::string DriveRoot(char drive, std::string_view winPath);
// Every drive letter with a mapping and its host folder, in letter order.
std::vector<std::pair<char, std::string>> MappedDrives();

// Listing of an existing host folder whose stat the caller has just taken.
std::shared_ptr<const DirListing> FolderListing(const std::string& hostDir, const struct stat& st);
// Tells the caches that we changed the entries of a host folder.
void ForgetFolder(const std::string& hostDir);
// Tells the caches that we created (Change::Added) or removed the entry `host`, `before` being
// its folder's stat taken before the change (or, when that failed, the folder is dropped).
void FolderChanged(const std::string& host, const struct stat* before, DirectoryCache::Change change);

// The host prefix folder, created with its defaults on first use.
std::string PrefixReady();
void ResetCaches();

// Counters for tests and the benchmark.
struct PathCacheStats {
    size_t listingReads = 0; // folder listings read from disk
    size_t pathHits = 0;     // lookups answered by the path cache
    size_t pathEntries = 0;  // paths kept
};
PathCacheStats CacheStats();

// "/a" + "b" -> "/a/b"; "/" + "b" -> "/b".
std::string JoinHost(const std::string& dir, std::string_view name);
// Last component of a host path ("" for "/").
std::string_view HostBaseName(std::string_view host);
// Folder of a host path ("/" for "/a").
std::string HostDirName(std::string_view host);

} // namespace plat::detail
