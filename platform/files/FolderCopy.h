// Copying many files from one folder into another, as an installer does folder by folder.
//
// CopyFile resolves both paths of every file it copies: it looks at both folders again, and a
// folder we have just changed has its names read again on its next lookup (DirectoryCache.h), so
// copying n files into one folder reads its names n times. For thousands of small files that costs
// more than the copying. A TFolderCopy resolves and opens its two folders once and looks names up
// in the listings taken when it was made, keeping the target's up to date with its own copies.
//
// What that gives up: a name another process creates in the target folder while the copier lives
// is not seen by it, so a copy of "A.TXT" lands beside that process's new "a.txt" instead of over
// it. Everything the folders held when the copier was made is seen as CopyFile would see it.
#pragma once

#include <memory>
#include <string_view>

namespace plat {

// The permission bits a copy gets: the source's, or the source's made writable by its owner (as
// clearing the read-only attribute of the copy would), for files installed from a read-only disc.
enum class CopyAttributes { AsSource, Writable };

class TFolderCopy {
public:
    // `sourceFolder` and `targetFolder` are Windows paths of existing folders; raises EFileError
    // when either is missing or no folder.
    TFolderCopy(std::string_view sourceFolder, std::string_view targetFolder);
    ~TFolderCopy();
    TFolderCopy(const TFolderCopy&) = delete;
    TFolderCopy& operator=(const TFolderCopy&) = delete;

    // Copies the source folder's file `name` (cp1251) to the same name in the target folder as
    // CopyFile(from, to, false) would: names are found in any case and by short name, an existing
    // target (read-only or not) is replaced by a copy renamed over it, a new one is named as
    // written, and the copy keeps the source's modification time. False when the source is missing
    // or a folder, the name is no valid file name, the target is a folder, or the copy fails (the
    // target then stays as it was).
    bool Copy(std::string_view name, CopyAttributes attributes = CopyAttributes::AsSource);

private:
    struct Folder;
    std::unique_ptr<Folder> source_, target_;
};

} // namespace plat
