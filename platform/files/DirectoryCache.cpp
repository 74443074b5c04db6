// Folder listings for case-insensitive lookup, validated by the folder's stat (DirectoryCache.h).
#include "platform/files/DirectoryCache.h"

#include "platform/files/ShortName.h"
#include "platform/text/Cp1251.h"

#include <dirent.h>

#include <algorithm>

namespace plat::detail {

namespace {

bool SameTime(const timespec& a, const timespec& b) { return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec; }

bool Earlier(const timespec& a, const timespec& b) {
    return a.tv_sec != b.tv_sec ? a.tv_sec < b.tv_sec : a.tv_nsec < b.tv_nsec;
}

// A change time with no fraction of a second most likely comes from a file system that keeps
// whole (or even two) seconds; its changes within the same two seconds cannot be told apart.
constexpr time_t kCoarseGranularitySeconds = 2;

// True when a change of the folder made after `readStart` could carry the same times as the
// state we read: the last change is not strictly earlier than the clock when reading began.
// The file system stamps changes from the coarse real-time clock (or a finer one, never earlier),
// so a later change gets a time >= readStart > the time we saw, and shows as a new stamp.
bool IsRacy(const DirStamp& stamp, const timespec& readStart) {
    timespec last = Earlier(stamp.modified, stamp.changed) ? stamp.changed : stamp.modified;
    if (last.tv_nsec == 0)
        last.tv_sec += kCoarseGranularitySeconds;
    return !Earlier(last, readStart);
}

} // namespace

DirStamp DirStamp::Of(const struct stat& st) {
    DirStamp stamp;
    stamp.device = st.st_dev;
    stamp.inode = st.st_ino;
    stamp.modified = st.st_mtim;
    stamp.changed = st.st_ctim;
    return stamp;
}

bool DirStamp::operator==(const DirStamp& other) const {
    return device == other.device && inode == other.inode && SameTime(modified, other.modified) &&
           SameTime(changed, other.changed);
}

std::shared_ptr<DirListing> DirListing::Read(const std::string& hostDir, const DirStamp& stamp) {
    auto listing = std::make_shared<DirListing>();
    listing->stamp_ = stamp;
    timespec readStart{};
    clock_gettime(CLOCK_REALTIME_COARSE, &readStart);
    listing->racy_ = IsRacy(stamp, readStart);

    if (DIR* dir = opendir(hostDir.c_str())) {
        while (const dirent* entry = readdir(dir)) {
            const std::string_view name = entry->d_name;
            if (name == "." || name == "..")
                continue;
            listing->entries_.push_back(DirEntry{std::string(name), Utf8ToCp1251(name), {}});
        }
        closedir(dir);
    }
    auto& entries = listing->entries_;
    std::sort(entries.begin(), entries.end(),
              [](const DirEntry& a, const DirEntry& b) { return a.hostName < b.hostName; });

    std::vector<std::string> winNames;
    winNames.reserve(entries.size());
    for (const DirEntry& entry : entries)
        winNames.push_back(entry.winName);
    std::vector<std::string> shortNames = AssignShortNames(winNames);

    listing->exact_.reserve(entries.size());
    listing->folded_.reserve(entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        entries[i].shortName = std::move(shortNames[i]);
        listing->exact_.try_emplace(entries[i].winName, i);
        listing->folded_.try_emplace(UpperCase(entries[i].winName), i);
        if (!entries[i].shortName.empty())
            listing->short_.try_emplace(entries[i].shortName, i);
    }
    return listing;
}

const DirEntry* DirListing::Find(std::string_view winName) const {
    const std::string name(winName);
    if (const auto found = exact_.find(name); found != exact_.end())
        return &entries_[found->second];
    const std::string folded = UpperCase(name);
    if (const auto found = folded_.find(folded); found != folded_.end())
        return &entries_[found->second];
    if (const auto found = short_.find(folded); found != short_.end())
        return &entries_[found->second];
    return nullptr;
}

const DirEntry* DirListing::FindHost(std::string_view hostName) const {
    const auto found =
        std::lower_bound(entries_.begin(), entries_.end(), hostName,
                         [](const DirEntry& e, std::string_view name) { return e.hostName < name; });
    return found != entries_.end() && found->hostName == hostName ? &*found : nullptr;
}

std::shared_ptr<const DirListing> DirectoryCache::Peek(const std::string& hostDir,
                                                       const struct stat& st) const {
    const auto found = listings_.find(hostDir);
    if (found == listings_.end() || found->second->Racy() || !(found->second->Stamp() == DirStamp::Of(st)))
        return nullptr;
    return found->second;
}

std::shared_ptr<const DirListing> DirectoryCache::Get(const std::string& hostDir, const struct stat& st) {
    if (auto kept = Peek(hostDir, st))
        return kept;
    const DirStamp stamp = DirStamp::Of(st);
    if (listings_.size() >= kMaxListings)
        listings_.clear();
    std::shared_ptr<const DirListing> listing = DirListing::Read(hostDir, stamp);
    ++reads_;
    listings_[hostDir] = listing;
    return listing;
}

void DirectoryCache::Forget(const std::string& hostDir) { listings_.erase(hostDir); }

void DirectoryCache::Clear() {
    listings_.clear();
    reads_ = 0;
}

} // namespace plat::detail
