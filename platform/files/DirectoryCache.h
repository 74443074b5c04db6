// Listings of host folders for case-insensitive lookup: each listing maps the folded (upper-case
// cp1251) names of a folder's entries, and their short names, to the names on disk. Listings are
// kept per host folder and trusted while the folder's identity and change times are those seen
// when it was read, so a lookup costs one stat of the folder, which the caller has already made.
//
// Change times have a granularity (a clock tick, or whole seconds on some file systems): a folder
// changed again within the tick in which it was read keeps the same times. A listing read while
// the folder's last change time was not yet safely in the past is therefore marked racy and read
// again on its next use, as git treats "racily clean" index entries.
//
// Our own changes to a folder (a file created, copied, renamed or deleted) update its listing in
// place rather than dropping it, so copying n files into one folder does not read it n times. Such
// an updated listing cannot rule out a change by another process made at the same moment, so it is
// kept as racy: its next use reads the folder's names again (no more) and keeps the listing when
// they are the same.
//
// Internal to platform_files; not thread-safe on its own (PathResolver holds the lock).
#pragma once

#include <sys/stat.h>

#include <ctime>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace plat::detail {

struct DirEntry {
    std::string hostName;  // as on disk (UTF-8)
    std::string winName;   // its cp1251 form (characters outside cp1251 read as '?')
    std::string shortName; // generated 8.3 name, upper case; empty when winName is valid 8.3
};

// What identifies one state of a folder; equal stamps mean an unchanged listing.
struct DirStamp {
    dev_t device = 0;
    ino_t inode = 0;
    timespec modified{};
    timespec changed{};

    static DirStamp Of(const struct stat& st);
    bool operator==(const DirStamp& other) const;
};

// One folder's entries ("." and ".." left out), sorted by host name bytes, with lookup maps.
class DirListing {
public:
    // Reads the folder; an unreadable folder gives an empty listing.
    static std::shared_ptr<DirListing> Read(const std::string& hostDir, const DirStamp& stamp);
    // True when the folder holds exactly this listing's names now; `readStart` is set to the
    // clock when reading began.
    bool SameNames(const std::string& hostDir, timespec& readStart) const;

    // The entry a Windows name component (cp1251) finds: the exact spelling first, else the first
    // name in host byte order that equals it case-insensitively, else the entry whose short name
    // it is. Null when there is none.
    const DirEntry* Find(std::string_view winName) const;
    // The entry with this exact host name, or null.
    const DirEntry* FindHost(std::string_view hostName) const;

    const std::vector<DirEntry>& Entries() const { return entries_; }
    const DirStamp& Stamp() const { return stamp_; }
    bool Racy() const { return racy_; }

private:
    friend class DirectoryCache;

    // Fills the short names and lookup maps of `entries_`, which are sorted by host name.
    void Index();
    // Adds the entry `hostName` (kept when there) or removes it.
    void AddEntry(std::string_view hostName);
    void RemoveEntry(std::string_view hostName);

    std::vector<DirEntry> entries_;
    std::unordered_map<std::string, size_t> exact_;  // winName -> first entry
    std::unordered_map<std::string, size_t> folded_; // upper-case winName -> first entry
    std::unordered_map<std::string, size_t> short_;  // short name -> entry
    DirStamp stamp_;
    bool racy_ = false;
};

class DirectoryCache {
public:
    // Listing of the folder `hostDir`, whose stat the caller has just taken; read again when the
    // folder changed since, or when the kept listing is racy.
    std::shared_ptr<const DirListing> Get(const std::string& hostDir, const struct stat& st);
    // The kept listing when it is still good for this stat, else null (nothing is read).
    std::shared_ptr<const DirListing> Peek(const std::string& hostDir, const struct stat& st) const;
    // True when a listing of this folder state is kept, even one that Get must check first.
    bool Holds(const std::string& hostDir, const struct stat& st) const;
    // Drops the listing of one folder (after our own change to it).
    void Forget(const std::string& hostDir);
    // After our own change to the folder `hostDir`: the entry `hostName` was created (added) or
    // removed, `before` being the folder's stat taken before the change and `after` after it. The
    // kept listing is updated when it held the state `before`, else dropped.
    enum class Change { Added, Removed };
    void Changed(const std::string& hostDir, const struct stat& before, const struct stat& after,
                 std::string_view hostName, Change change);
    void Clear();

    size_t Reads() const { return reads_; } // folders read so far, whole or names only (for tests)

private:
    // Listings kept at most; past this the cache starts afresh, which bounds memory on a walk over
    // a large tree (a listing of 1,000 entries takes about 200 KB).
    static constexpr size_t kMaxListings = 512;

    std::unordered_map<std::string, std::shared_ptr<DirListing>> listings_;
    size_t reads_ = 0;
};

} // namespace plat::detail
