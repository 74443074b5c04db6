// One registry file in the prefix and the POSIX work around it: reading it whole, writing it
// atomically (temporary file beside it, fsync, rename), moving a damaged
// file aside, and the advisory lock that serialises the processes sharing it.
//
// The lock is flock() on "<file>.lock", which is never deleted (deleting a lock file lets two
// processes lock different files). The lock file also holds a save counter that every saver
// raises: a file can be replaced by one of the same size, time and inode number (inode numbers are
// reused at once and file times tick in jiffies), and the counter still tells a reader that it
// changed. All failures raise ERegistryException naming the file and the system's reason.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace plat {

// What identifies one version of a file on disk.
struct FileStamp {
    bool Exists = false;
    dev_t Device = 0;
    ino_t Inode = 0;
    int64_t Size = 0;
    int64_t ModifiedNs = 0;
    int64_t ChangedNs = 0;
    mode_t Mode = 0;

    bool operator==(const FileStamp& other) const {
        return Exists == other.Exists && Device == other.Device && Inode == other.Inode &&
               Size == other.Size && ModifiedNs == other.ModifiedNs && ChangedNs == other.ChangedNs;
    }
};

enum class LockMode { Shared, Exclusive };

class RegistryDiskFile {
public:
    explicit RegistryDiskFile(std::string path) : path_(std::move(path)) {}
    const std::string& Path() const { return path_; }

    // Holds the file's lock while it lives. With `mustLock` false a folder where no lock file can
    // be made (read-only, missing) gives an unheld lock instead of an error.
    class Lock {
    public:
        Lock(const RegistryDiskFile& file, LockMode mode, bool mustLock);
        ~Lock();
        Lock(const Lock&) = delete;
        Lock& operator=(const Lock&) = delete;

        bool Held() const { return fd_ >= 0; }
        // The save counter; 0 before the first save or without the lock.
        uint64_t Generation() const;
        void SetGeneration(uint64_t generation);

    private:
        int fd_ = -1;
    };

    struct Contents {
        std::string Bytes;
        FileStamp Stamp; // Exists is false when there is no file
    };
    // The whole file and the stamp of what was read. Files over `maxBytes` are an error.
    Contents Read(size_t maxBytes) const;
    FileStamp Stat() const;
    // Replaces the file with `bytes` so that it holds either the old or the new text whatever
    // happens meanwhile. Returns the new file's stamp. Call with the exclusive lock held.
    FileStamp WriteAtomically(std::string_view bytes, const FileStamp& old) const;
    // Renames the file to "<file>.damaged-<n>" with the first free n; returns the new name.
    std::string MoveAside() const;

private:
    std::string path_;
};

} // namespace plat
