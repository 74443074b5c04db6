#include "platform/registry/RegistryDiskFile.h"

#include "platform/core/Exceptions.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plat {

namespace {

// Damaged copies kept beside a file before we give up looking for a free name.
constexpr int kMaxDamagedCopies = 1000;
// The save counter is a decimal number on the lock file's first line.
constexpr size_t kGenerationBytes = 24;

[[noreturn]] void ThrowSystemError(const std::string& what, const std::string& path, int error) {
    throw ERegistryException("Cannot " + what + " registry file '" + path + "': " + SystemErrorText(error));
}

int64_t Nanoseconds(const timespec& time) {
    return int64_t{time.tv_sec} * 1000000000 + time.tv_nsec;
}

FileStamp StampOf(const struct stat& st) {
    FileStamp stamp;
    stamp.Exists = true;
    stamp.Device = st.st_dev;
    stamp.Inode = st.st_ino;
    stamp.Size = st.st_size;
    stamp.ModifiedNs = Nanoseconds(st.st_mtim);
    stamp.ChangedNs = Nanoseconds(st.st_ctim);
    stamp.Mode = st.st_mode;
    return stamp;
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return fd_; }
    // Closes now, reporting the error a delayed write may only show here.
    int Close() {
        const int rc = ::close(fd_);
        fd_ = -1;
        return rc;
    }

private:
    int fd_;
};

} // namespace

RegistryDiskFile::Lock::Lock(const RegistryDiskFile& file, LockMode mode, bool mustLock) {
    const std::string lockPath = file.Path() + ".lock";
    fd_ = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd_ < 0) {
        if (mustLock)
            ThrowSystemError("lock", file.Path(), errno);
        return;
    }
    int rc = 0;
    do {
        rc = ::flock(fd_, mode == LockMode::Exclusive ? LOCK_EX : LOCK_SH);
    } while (rc < 0 && errno == EINTR);
    if (rc < 0) {
        const int error = errno;
        ::close(fd_);
        fd_ = -1;
        if (mustLock)
            ThrowSystemError("lock", file.Path(), error);
    }
}

RegistryDiskFile::Lock::~Lock() {
    if (fd_ >= 0)
        ::close(fd_); // releases the flock
}

uint64_t RegistryDiskFile::Lock::Generation() const {
    if (fd_ < 0)
        return 0;
    char text[kGenerationBytes + 1] = {};
    const ssize_t got = ::pread(fd_, text, kGenerationBytes, 0);
    if (got <= 0)
        return 0;
    return std::strtoull(text, nullptr, 10);
}

void RegistryDiskFile::Lock::SetGeneration(uint64_t generation) {
    if (fd_ < 0)
        return;
    // A counter that cannot be written costs other processes nothing but the rare case the stamp
    // alone would miss, so a failure here does not fail the save that has already happened.
    const std::string text = std::to_string(generation) + "\n";
    if (::pwrite(fd_, text.data(), text.size(), 0) == static_cast<ssize_t>(text.size()))
        (void)!::ftruncate(fd_, static_cast<off_t>(text.size()));
}

RegistryDiskFile::Contents RegistryDiskFile::Read(size_t maxBytes) const {
    Contents contents;
    Descriptor fd(::open(path_.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.Get() < 0) {
        if (errno == ENOENT)
            return contents;
        ThrowSystemError("open", path_, errno);
    }
    struct stat st {};
    if (::fstat(fd.Get(), &st) < 0)
        ThrowSystemError("read", path_, errno);
    if (!S_ISREG(st.st_mode))
        throw ERegistryException("Cannot read registry file '" + path_ + "': not a regular file");
    contents.Stamp = StampOf(st);
    // Reads at most maxBytes + 1 so that the reader sees an oversized file as such without us
    // taking whatever memory its size asks for.
    const size_t limit = maxBytes + 1;
    std::string& bytes = contents.Bytes;
    bytes.resize(std::min(static_cast<size_t>(std::max<off_t>(st.st_size, 0)) + 1, limit));
    size_t filled = 0;
    while (true) {
        if (filled == bytes.size()) {
            if (bytes.size() >= limit)
                break;
            bytes.resize(std::min(bytes.size() * 2, limit));
        }
        const ssize_t got = ::read(fd.Get(), bytes.data() + filled, bytes.size() - filled);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            ThrowSystemError("read", path_, errno);
        }
        if (got == 0)
            break;
        filled += static_cast<size_t>(got);
    }
    bytes.resize(filled);
    return contents;
}

FileStamp RegistryDiskFile::Stat() const {
    struct stat st {};
    if (::stat(path_.c_str(), &st) == 0)
        return StampOf(st);
    if (errno == ENOENT)
        return FileStamp{};
    ThrowSystemError("examine", path_, errno);
}

FileStamp RegistryDiskFile::WriteAtomically(std::string_view bytes, const FileStamp& old) const {
    // One temporary name is enough: only the holder of the exclusive lock writes it, and one left
    // behind by a killed process is simply replaced.
    const std::string temporary = path_ + ".tmp";
    ::unlink(temporary.c_str());
    const mode_t mode = old.Exists ? (old.Mode & 0777) : 0644;
    Descriptor fd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode));
    if (fd.Get() < 0)
        ThrowSystemError("write", temporary, errno);
    const auto fail = [&](int error) {
        ::unlink(temporary.c_str());
        ThrowSystemError("write", temporary, error);
    };
    // Plain write(2) keeps no buffer of its own, so fsync is the whole flush.
    size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t put = ::write(fd.Get(), bytes.data() + written, bytes.size() - written);
        if (put < 0) {
            if (errno == EINTR)
                continue;
            fail(errno);
        }
        written += static_cast<size_t>(put);
    }
    if (::fsync(fd.Get()) < 0)
        fail(errno);
    if (fd.Close() < 0)
        fail(errno);
    if (::rename(temporary.c_str(), path_.c_str()) < 0)
        fail(errno);
    // The folder is not synced after the rename. The rename alone makes the replacement atomic:
    // after a crash or power cut the file is the old version or the new one, each complete (the
    // new data was synced before it got the name). What a folder sync would add is that the new
    // name survives a power cut in the seconds before the file system's next journal commit, at
    // the price of a second commit per save, which doubles its cost.
    // Stat after the rename: renaming changes the file's ctime.
    return Stat();
}

std::string RegistryDiskFile::MoveAside() const {
    for (int n = 1; n <= kMaxDamagedCopies; ++n) {
        const std::string aside = path_ + ".damaged-" + std::to_string(n);
        struct stat st {};
        if (::lstat(aside.c_str(), &st) == 0 || errno != ENOENT)
            continue;
        if (::rename(path_.c_str(), aside.c_str()) < 0)
            ThrowSystemError("move aside", path_, errno);
        return aside;
    }
    throw ERegistryException("Cannot move aside registry file '" + path_ +
                             "': " + std::to_string(kMaxDamagedCopies) +
                             " damaged copies are already kept beside it");
}

} // namespace plat
