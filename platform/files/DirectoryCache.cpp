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
    listing->Index();
    return listing;
}

void DirListing::Index() {
    exact_.clear();
    folded_.clear();
    short_.clear();
    std::vector<std::string> winNames;
    winNames.reserve(entries_.size());
    for (const DirEntry& entry : entries_)
        winNames.push_back(entry.winName);
    // Short names depend on the whole set of names, so any change of the set recomputes them.
    std::vector<std::string> shortNames = AssignShortNames(winNames);
    exact_.reserve(entries_.size());
    folded_.reserve(entries_.size());
    for (size_t i = 0; i < entries_.size(); ++i) {
        entries_[i].shortName = std::move(shortNames[i]);
        exact_.try_emplace(entries_[i].winName, i);
        folded_.try_emplace(UpperCase(entries_[i].winName), i);
        if (!entries_[i].shortName.empty())
            short_.try_emplace(entries_[i].shortName, i);
    }
}

void DirListing::AddEntry(std::string_view hostName) {
    const auto place =
        std::lower_bound(entries_.begin(), entries_.end(), hostName,
                         [](const DirEntry& e, std::string_view name) { return e.hostName < name; });
    if (place != entries_.end() && place->hostName == hostName)
        return; // replaced: the set of names is the same
    DirEntry entry{std::string(hostName), Utf8ToCp1251(hostName), {}};
    const bool ownShortName = IsValidShortName(entry.winName);
    const size_t index = static_cast<size_t>(place - entries_.begin());
    entries_.insert(place, std::move(entry));
    const std::string folded = UpperCase(entries_[index].winName);
    // A valid 8.3 name that no entry has as its short name changes no other short name (each
    // entry still gets the first free candidate it got before), so only the maps need the entry:
    // the common case of a plain name added to a folder. Any other name renumbers the folder.
    if (!ownShortName || short_.count(folded) != 0) {
        Index();
        return;
    }
    for (auto* map : {&exact_, &folded_, &short_}) {
        for (auto& [key, position] : *map) {
            if (position >= index)
                ++position;
        }
    }
    // The first entry in host byte order wins a spelling, as when read.
    auto claim = [&](std::unordered_map<std::string, size_t>& map, const std::string& key) {
        auto [it, inserted] = map.try_emplace(key, index);
        if (!inserted && it->second > index)
            it->second = index;
    };
    claim(exact_, entries_[index].winName);
    claim(folded_, folded);
}

void DirListing::RemoveEntry(std::string_view hostName) {
    const auto place =
        std::lower_bound(entries_.begin(), entries_.end(), hostName,
                         [](const DirEntry& e, std::string_view name) { return e.hostName < name; });
    if (place == entries_.end() || place->hostName != hostName)
        return;
    entries_.erase(place);
    Index();
}

bool DirListing::SameNames(const std::string& hostDir, timespec& readStart) const {
    clock_gettime(CLOCK_REALTIME_COARSE, &readStart);
    DIR* dir = opendir(hostDir.c_str());
    if (!dir)
        return false;
    size_t count = 0;
    bool same = true;
    while (const dirent* entry = readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        ++count;
        if (!FindHost(name)) {
            same = false;
            break;
        }
    }
    closedir(dir);
    // Host names in one folder are distinct, so as many names, all known, are the same set.
    return same && count == entries_.size();
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

bool DirectoryCache::Holds(const std::string& hostDir, const struct stat& st) const {
    const auto found = listings_.find(hostDir);
    return found != listings_.end() && found->second->Stamp() == DirStamp::Of(st);
}

std::shared_ptr<const DirListing> DirectoryCache::Get(const std::string& hostDir, const struct stat& st) {
    if (auto kept = Peek(hostDir, st))
        return kept;
    const DirStamp stamp = DirStamp::Of(st);
    bool revalidated = false; // a names check already counted as this read
    if (const auto found = listings_.find(hostDir);
        found != listings_.end() && found->second->Racy() && found->second->Stamp() == stamp) {
        // Racy: the names may have changed unseen, but reading them is all it takes to know.
        timespec readStart{};
        ++reads_;
        revalidated = true;
        if (found->second->SameNames(hostDir, readStart)) {
            // Listings handed out are never changed under their holders.
            if (found->second.use_count() > 1)
                found->second = std::make_shared<DirListing>(*found->second);
            found->second->racy_ = IsRacy(stamp, readStart);
            return found->second;
        }
    }
    if (listings_.size() >= kMaxListings)
        listings_.clear();
    std::shared_ptr<DirListing> listing = DirListing::Read(hostDir, stamp);
    if (!revalidated)
        ++reads_;
    listings_[hostDir] = listing;
    return listing;
}

void DirectoryCache::Changed(const std::string& hostDir, const struct stat& before, const struct stat& after,
                             std::string_view hostName, Change change) {
    const auto found = listings_.find(hostDir);
    if (found == listings_.end())
        return;
    // A listing of another state than the one we changed would stay wrong: drop it.
    if (!(found->second->Stamp() == DirStamp::Of(before))) {
        listings_.erase(found);
        return;
    }
    // Listings handed out are never changed under their holders.
    if (found->second.use_count() > 1)
        found->second = std::make_shared<DirListing>(*found->second);
    DirListing& listing = *found->second;
    if (change == Change::Added)
        listing.AddEntry(hostName);
    else
        listing.RemoveEntry(hostName);
    listing.stamp_ = DirStamp::Of(after);
    listing.racy_ = true;
}


void DirectoryCache::Forget(const std::string& hostDir) { listings_.erase(hostDir); }

void DirectoryCache::Clear() {
    listings_.clear();
    reads_ = 0;
}

} // namespace plat::detail
