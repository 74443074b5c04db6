// Copying host files, shared by CopyFile, RenameFile and TFolderCopy: the descriptor guard, the
// data copy (in the kernel where it can be) and the two ways of placing a copy. Internal to
// platform_files.
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <cstddef>
#include <string>

namespace plat::detail {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor();
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int Get() const { return fd_; }
    // Closes now, reporting the error a delayed write may only show here.
    bool Close();

private:
    int fd_;
};

// Writes all of `size` bytes; false with errno set on failure.
bool WriteAll(int fd, const char* data, size_t size);

// Fills the new file `target` with the open host file `source` (with stat `fromStat`), gives it
// the permission bits `mode` and the source's modification time, and closes it.
bool FillCopy(int source, const struct stat& fromStat, mode_t mode, FileDescriptor& target);

// Copies the host file `from` (with stat `fromStat`) to `to`, which gets the permission bits
// `mode`. With Placement::NoReplace, only when `to` does not exist: the copy is written straight
// into a file created there (O_EXCL). With Placement::Replace, `to` may exist: the copy goes to a
// temporary file beside it that is renamed over it, so a crash never leaves a half-overwritten old
// file. False on any failure, leaving `to` alone (a partly written new file is removed).
enum class Placement { Replace, NoReplace };
bool CopyHostFile(const std::string& from, const struct stat& fromStat, const std::string& to,
                  Placement placement, mode_t mode);

} // namespace plat::detail
