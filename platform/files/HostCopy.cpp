// Copying host files (HostCopy.h).
#include "platform/files/HostCopy.h"

#include "platform/files/PathResolver.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <memory>

namespace plat::detail {

namespace {

// Buffer of a copy the kernel cannot do itself (copy_file_range refused): large, so a big file
// takes few system calls.
constexpr size_t kLargeCopyBufferSize = 1 << 20;
// Bytes one copy_file_range call is asked for; the kernel may do less.
constexpr size_t kCopyChunk = size_t{1} << 30;

// Copies `source` (with stat `fromStat`) to `target`: in the kernel when it can (copy_file_range,
// which also lets a file system share or clone the blocks), else through a large buffer. The
// kernel copy is used for regular files only and trusted up to their size: files whose size the
// system does not know (/proc, /sys) may read as empty to it, so the buffer copy finishes the job.
bool CopyData(int source, const struct stat& fromStat, int target) {
    off_t done = 0;
    bool kernelCopy = S_ISREG(fromStat.st_mode) && fromStat.st_size > 0;
    while (kernelCopy && done < fromStat.st_size) {
        const ssize_t copied = copy_file_range(source, nullptr, target, nullptr, kCopyChunk, 0);
        if (copied > 0) {
            done += copied;
            continue;
        }
        if (copied < 0 && errno == EINTR)
            continue;
        // Another file system, or files this call does not handle: read and write from where
        // the file offsets stand (a failing call copies nothing).
        if (copied < 0 && errno != EXDEV && errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP &&
            errno != EBADF)
            return false;
        kernelCopy = false;
    }
    if (kernelCopy)
        return true; // all the bytes the file had when we looked
    // Not zero-filled: the pages are touched only as far as the file fills them.
    const std::unique_ptr<char[]> buffer(new char[kLargeCopyBufferSize]);
    while (true) {
        const ssize_t got = read(source, buffer.get(), kLargeCopyBufferSize);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return got == 0;
        if (!WriteAll(target, buffer.get(), static_cast<size_t>(got)))
            return false;
    }
}

} // namespace

bool WriteAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t written = write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

FileDescriptor::~FileDescriptor() {
    if (fd_ >= 0)
        close(fd_);
}

bool FileDescriptor::Close() {
    const int fd = fd_;
    fd_ = -1;
    return close(fd) == 0;
}

bool FillCopy(int source, const struct stat& fromStat, mode_t mode, FileDescriptor& target) {
    bool ok = CopyData(source, fromStat, target.Get());
    const timespec times[2] = {fromStat.st_atim, fromStat.st_mtim};
    ok = ok && fchmod(target.Get(), mode) == 0 && futimens(target.Get(), times) == 0;
    return target.Close() && ok;
}

bool CopyHostFile(const std::string& from, const struct stat& fromStat, const std::string& to,
                  Placement placement, mode_t mode) {
    FileDescriptor source(open(from.c_str(), O_RDONLY | O_CLOEXEC));
    if (source.Get() < 0)
        return false;
    {
        FileDescriptor target(open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
        if (target.Get() >= 0) {
            if (FillCopy(source.Get(), fromStat, mode, target))
                return true;
            unlink(to.c_str());
            return false;
        }
        if (errno != EEXIST || placement == Placement::NoReplace)
            return false;
    }
    std::string temp = HostDirName(to) + "/.velmora-copy-XXXXXX";
    FileDescriptor target(mkostemp(temp.data(), O_CLOEXEC));
    if (target.Get() < 0)
        return false;
    const bool ok = FillCopy(source.Get(), fromStat, mode, target) && rename(temp.c_str(), to.c_str()) == 0;
    if (!ok)
        unlink(temp.c_str());
    return ok;
}

} // namespace plat::detail
