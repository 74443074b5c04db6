// What a mask entry of the file list reads from a source folder: the files its mask matches and,
// for a recursive entry, the names of the subfolders. The installation run reads every such folder
// twice, once for the space estimate just before the copying and once to copy it; a FolderWalk
// started for the run keeps each folder's contents from the estimate and hands them to the copy,
// which spares a second look at (stat of) every file on the disc.
#pragma once

#include "platform/files/Files.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace setup {

struct FolderContents {
    std::vector<plat::SearchRec> Files;
    std::vector<std::string> SubFolders;
};

class FolderWalk {
public:
    // From now on, what Read reads is kept for one Take; anything kept before is forgotten.
    void StartKeeping();
    // Stops keeping and forgets what is kept.
    void StopKeeping();

    // The files of `folder` (a Windows path ending in a backslash) that `mask` matches and, when
    // asked, the names of its subfolders, read now.
    FolderContents Read(const std::string& folder, const std::string& mask, bool withSubFolders);
    // The same, kept from a Read since StartKeeping (and then no longer kept), else read now.
    FolderContents Take(const std::string& folder, const std::string& mask, bool withSubFolders);

private:
    static std::string Key(const std::string& folder, const std::string& mask, bool withSubFolders);

    bool keeping_ = false;
    std::unordered_map<std::string, FolderContents> kept_;
};

} // namespace setup
