// Reading and keeping the source folders of mask entries (FolderWalk.h).
#include "setup/install/FolderWalk.h"

namespace setup {

namespace {

constexpr uint32_t kMaskAttributes = plat::faReadOnly | plat::faHidden | plat::faSysFile | plat::faArchive;
constexpr uint32_t kFolderAttributes =
    plat::faDirectory | plat::faHidden | plat::faSysFile | plat::faReadOnly;

std::vector<std::string> SubFolders(const std::string& folder) {
    std::vector<std::string> names;
    for (const plat::SearchRec& rec : plat::FindFiles(folder + "*", kFolderAttributes))
        if (rec.Attr & plat::faDirectory)
            names.push_back(rec.Name);
    return names;
}

} // namespace

void FolderWalk::StartKeeping() {
    kept_.clear();
    keeping_ = true;
}

void FolderWalk::StopKeeping() {
    keeping_ = false;
    kept_.clear();
}

std::string FolderWalk::Key(const std::string& folder, const std::string& mask, bool withSubFolders) {
    // Neither a folder nor a mask holds '|'.
    return folder + '|' + mask + (withSubFolders ? "|+" : "|");
}

FolderContents FolderWalk::Read(const std::string& folder, const std::string& mask, bool withSubFolders) {
    FolderContents contents;
    // For the masks that match every name, one search gives both: two would look at (stat)
    // every entry of the folder twice.
    if (withSubFolders && (mask == "*" || mask == "*.*")) {
        for (plat::SearchRec& rec : plat::FindFiles(folder + "*", kMaskAttributes | kFolderAttributes)) {
            if (rec.Attr & plat::faDirectory)
                contents.SubFolders.push_back(std::move(rec.Name));
            else if (plat::MatchesMask(rec.Name, mask) ||
                     (!rec.ShortName.empty() && plat::MatchesMask(rec.ShortName, mask)))
                contents.Files.push_back(std::move(rec));
        }
    } else {
        for (plat::SearchRec& rec : plat::FindFiles(folder + mask, kMaskAttributes))
            if (!(rec.Attr & plat::faDirectory))
                contents.Files.push_back(std::move(rec));
        if (withSubFolders)
            contents.SubFolders = SubFolders(folder);
    }
    if (keeping_)
        kept_[Key(folder, mask, withSubFolders)] = contents;
    return contents;
}

FolderContents FolderWalk::Take(const std::string& folder, const std::string& mask, bool withSubFolders) {
    if (const auto found = kept_.find(Key(folder, mask, withSubFolders)); found != kept_.end()) {
        FolderContents contents = std::move(found->second);
        kept_.erase(found);
        return contents;
    }
    return Read(folder, mask, withSubFolders);
}

} // namespace setup
