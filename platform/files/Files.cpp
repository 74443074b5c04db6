// Files.h: existence, attributes, sizes and DOS times, whole-file access, copying, deleting,
// renaming, folders and free space, on host files named through WinPath. Searching is in
// Files_Search.cpp.
//
// Where Windows and Linux differ, Windows wins, so the system sees the same thing on any machine
// and under any user (root included): a read-only file (no write bit) is not written to or
// deleted, renaming never replaces an existing file, and the read-only bit of a folder means
// nothing.
#include "platform/files/Files.h"

#include "platform/core/Exceptions.h"
#include "platform/files/FilesInternal.h"
#include "platform/files/HostCopy.h"
#include "platform/files/PathName.h"
#include "platform/files/PathResolver.h"
#include "platform/text/Cp1251.h"

#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <memory>
#include <system_error>

namespace plat {

using detail::CopyHostFile;
using detail::FileDescriptor;
using detail::IsReadOnly;
using detail::Placement;
using detail::ResolvedPath;
using detail::SameFile;
using detail::WriteAll;

namespace {

constexpr size_t kCopyBufferSize = 1 << 16;
constexpr int kFirstDosYear = 1980;
constexpr int kLastDosYear = 2107;

std::string Reason(int error) { return SystemErrorText(error); }

// The runtime's messages for file errors: "Cannot open file "C:\x.txt". No such file or directory".
[[noreturn]] void Fail(const char* verb, std::string_view winPath, const std::string& reason) {
    throw EFileError(std::string("Cannot ") + verb + " file " + detail::QuotePath(winPath) + ". " + reason);
}

bool IsFile(const std::optional<ResolvedPath>& path) {
    return path && path->exists && !S_ISDIR(path->st.st_mode);
}

bool IsFolder(const std::optional<ResolvedPath>& path) {
    return path && path->exists && S_ISDIR(path->st.st_mode);
}

void ForgetParent(const std::string& host) { detail::ForgetFolder(detail::HostDirName(host)); }

// The stat of the folder holding `host`, taken before we create or remove that entry, so the
// change can update the folder's kept listing instead of dropping it (a listing read n times
// while copying n files into one folder would make the copy quadratic).
class ParentBefore {
public:
    explicit ParentBefore(const std::string& host)
        : ok_(stat(detail::HostDirName(host).c_str(), &st_) == 0) {}
    const struct stat* Get() const { return ok_ ? &st_ : nullptr; }

private:
    struct stat st_ {};
    bool ok_;
};

void NoteAdded(const std::string& host, const ParentBefore& before) {
    detail::FolderChanged(host, before.Get(), detail::DirectoryCache::Change::Added);
}

void NoteRemoved(const std::string& host, const ParentBefore& before) {
    detail::FolderChanged(host, before.Get(), detail::DirectoryCache::Change::Removed);
}

// The Windows name `winPath` refers to with the last component spelled as written there (for a
// rename that changes only the case of a name).
std::string HostPathAsWritten(const ResolvedPath& resolved, std::string_view winPath) {
    const detail::WinPathParts parts = detail::ParseWinPath(winPath);
    return detail::JoinHost(detail::HostDirName(resolved.host), Cp1251ToUtf8(parts.components.back()));
}

} // namespace

namespace detail {

uint32_t AttributesOf(const struct stat& st, std::string_view hostName) {
    uint32_t attr = 0;
    if (S_ISDIR(st.st_mode))
        attr |= faDirectory;
    else
        attr |= faArchive;
    if (!S_ISDIR(st.st_mode) && !S_ISREG(st.st_mode))
        attr |= faSysFile;
    if (IsReadOnly(st))
        attr |= faReadOnly;
    if (!hostName.empty() && hostName.front() == '.')
        attr |= faHidden;
    return attr;
}

} // namespace detail

bool FileExists(std::string_view winPath) {
    // "C:\x.txt\" names a folder, never a file.
    if (!winPath.empty() && (winPath.back() == '\\' || winPath.back() == '/'))
        return false;
    return IsFile(detail::TryResolve(winPath));
}

bool DirectoryExists(std::string_view winPath) { return IsFolder(detail::TryResolve(winPath)); }

int32_t FileGetAttr(std::string_view winPath) {
    const auto path = detail::TryResolve(winPath);
    if (!path || !path->exists)
        return -1;
    return static_cast<int32_t>(detail::AttributesOf(path->st, detail::HostBaseName(path->host)));
}

bool FileSetAttr(std::string_view winPath, uint32_t attr) {
    const auto path = detail::TryResolve(winPath);
    if (!path || !path->exists)
        return false;
    if (S_ISDIR(path->st.st_mode))
        return true; // Windows keeps the bit on folders but never enforces it
    const mode_t mode = path->st.st_mode & 07777;
    mode_t wanted = mode;
    if (attr & faReadOnly)
        wanted = mode & ~static_cast<mode_t>(S_IWUSR | S_IWGRP | S_IWOTH);
    else if (IsReadOnly(path->st))
        wanted = mode | S_IWUSR;
    return wanted == mode || chmod(path->host.c_str(), wanted) == 0;
}

int64_t FileSize(std::string_view winPath) {
    const auto path = detail::TryResolve(winPath);
    return IsFile(path) ? static_cast<int64_t>(path->st.st_size) : -1;
}

int32_t FileAge(std::string_view winPath) {
    const auto path = detail::TryResolve(winPath);
    return IsFile(path) ? static_cast<int32_t>(DateTimeToFileDate(path->st.st_mtim.tv_sec)) : -1;
}

bool FileSetDate(std::string_view winPath, uint32_t dosDateTime) {
    const auto path = detail::TryResolve(winPath);
    const int64_t seconds = FileDateToDateTime(dosDateTime);
    if (!path || !path->exists || seconds == -1)
        return false;
    const timespec times[2] = {{0, UTIME_OMIT}, {static_cast<time_t>(seconds), 0}};
    return utimensat(AT_FDCWD, path->host.c_str(), times, 0) == 0;
}

uint32_t DateTimeToFileDate(int64_t unixSeconds) {
    constexpr uint32_t kFirst = (((0u << 9) | (1u << 5) | 1u) << 16); // 1980-01-01 00:00:00
    constexpr uint32_t kLast = ((((kLastDosYear - kFirstDosYear) << 9) | (12u << 5) | 31u) << 16) |
                               ((23u << 11) | (59u << 5) | 29u); // 2107-12-31 23:59:58
    const time_t seconds = static_cast<time_t>(unixSeconds);
    tm local{};
    if (!localtime_r(&seconds, &local))
        return unixSeconds < 0 ? kFirst : kLast;
    const int year = local.tm_year + 1900;
    if (year < kFirstDosYear)
        return kFirst;
    if (year > kLastDosYear)
        return kLast;
    const uint32_t date = (static_cast<uint32_t>(year - kFirstDosYear) << 9) |
                          (static_cast<uint32_t>(local.tm_mon + 1) << 5) |
                          static_cast<uint32_t>(local.tm_mday);
    // A leap second (tm_sec 60) still fits the 5 bits as 30.
    const uint32_t time = (static_cast<uint32_t>(local.tm_hour) << 11) |
                          (static_cast<uint32_t>(local.tm_min) << 5) |
                          static_cast<uint32_t>(local.tm_sec / 2);
    return (date << 16) | time;
}

int64_t FileDateToDateTime(uint32_t dosDateTime) {
    static constexpr int kDaysInMonth[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const uint32_t date = dosDateTime >> 16;
    const uint32_t time = dosDateTime & 0xFFFF;
    const int year = static_cast<int>(date >> 9) + kFirstDosYear;
    const int month = static_cast<int>((date >> 5) & 15);
    const int day = static_cast<int>(date & 31);
    const int hour = static_cast<int>(time >> 11);
    const int minute = static_cast<int>((time >> 5) & 63);
    const int second = static_cast<int>(time & 31) * 2;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    if (month < 1 || month > 12 || day < 1 || day > kDaysInMonth[month - 1] ||
        (month == 2 && day == 29 && !leap) || hour > 23 || minute > 59 || second > 59)
        return -1;
    tm local{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_sec = second;
    local.tm_isdst = -1;
    return static_cast<int64_t>(mktime(&local));
}

std::string ReadFileBytes(std::string_view winPath) {
    const ResolvedPath path = detail::Resolve(winPath);
    FileDescriptor fd(open(path.host.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.Get() < 0)
        Fail("open", winPath, Reason(errno));
    struct stat st {};
    if (fstat(fd.Get(), &st) != 0)
        Fail("open", winPath, Reason(errno));
    if (S_ISDIR(st.st_mode))
        Fail("open", winPath, Reason(EISDIR));
    std::string bytes;
    if (S_ISREG(st.st_mode))
        bytes.reserve(static_cast<size_t>(st.st_size));
    char buffer[kCopyBufferSize];
    while (true) {
        const ssize_t got = read(fd.Get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            Fail("read", winPath, Reason(errno));
        if (got == 0)
            break;
        bytes.append(buffer, static_cast<size_t>(got));
    }
    return bytes;
}

void WriteFileBytes(std::string_view winPath, std::string_view bytes) {
    const ResolvedPath path = detail::Resolve(winPath);
    if (path.exists && S_ISDIR(path.st.st_mode))
        Fail("create", winPath, Reason(EISDIR));
    if (path.exists && IsReadOnly(path.st))
        Fail("create", winPath, "The file is read-only");
    const ParentBefore before(path.host);
    FileDescriptor fd(open(path.host.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    if (fd.Get() < 0)
        Fail("create", winPath, Reason(errno));
    if (!path.exists)
        NoteAdded(path.host, before);
    if (!WriteAll(fd.Get(), bytes.data(), bytes.size()))
        Fail("write", winPath, Reason(errno));
    if (!fd.Close())
        Fail("write", winPath, Reason(errno));
}

bool CopyFile(std::string_view from, std::string_view to, bool failIfExists) {
    const auto source = detail::TryResolve(from);
    const auto target = detail::TryResolve(to);
    if (!IsFile(source) || !target)
        return false;
    if (target->exists) {
        if (failIfExists || S_ISDIR(target->st.st_mode))
            return false;
        if (SameFile(source->st, target->st))
            return true; // a file copied onto itself is already there
    }
    const ParentBefore before(target->host);
    const bool ok = CopyHostFile(source->host, source->st, target->host,
                                 failIfExists ? Placement::NoReplace : Placement::Replace,
                                 source->st.st_mode & 07777);
    // Replacing a file keeps the folder's names (the temporary file came and went), which adding
    // the name that is there already tells the listing; a failed copy left nothing new.
    if (ok)
        NoteAdded(target->host, before);
    else
        ForgetParent(target->host);
    return ok;
}

bool DeleteFile(std::string_view winPath) {
    const auto path = detail::TryResolve(winPath);
    if (!IsFile(path) || IsReadOnly(path->st))
        return false;
    const ParentBefore before(path->host);
    if (unlink(path->host.c_str()) != 0)
        return false;
    NoteRemoved(path->host, before);
    return true;
}

bool RenameFile(std::string_view from, std::string_view to) {
    const auto source = detail::TryResolve(from);
    const auto target = detail::TryResolve(to);
    if (!source || !source->exists || !target)
        return false;
    std::string destination = target->host;
    const ParentBefore sourceBefore(source->host);
    const bool sameFolder = detail::HostDirName(source->host) == detail::HostDirName(destination);
    const ParentBefore destinationBefore(destination);
    if (target->exists) {
        // Only a change of case of the same name may land on an existing entry.
        if (!SameFile(source->st, target->st))
            return false;
        destination = HostPathAsWritten(*target, to);
        if (destination == source->host)
            return true;
        if (rename(source->host.c_str(), destination.c_str()) != 0)
            return false;
    } else if (renameat2(AT_FDCWD, source->host.c_str(), AT_FDCWD, destination.c_str(), RENAME_NOREPLACE) !=
               0) {
        if (errno == EXDEV && S_ISREG(source->st.st_mode)) {
            // Another file system: move a file by copying it, as Windows' MoveFile does.
            if (!CopyHostFile(source->host, source->st, destination, Placement::NoReplace,
                              source->st.st_mode & 07777) ||
                unlink(source->host.c_str()) != 0)
                return false;
        } else if (errno != EINVAL || rename(source->host.c_str(), destination.c_str()) != 0) {
            return false;
        }
    }
    NoteRemoved(source->host, sourceBefore);
    // Within one folder the listing has just taken the folder's new state: the addition starts
    // from that.
    if (sameFolder)
        NoteAdded(destination, ParentBefore(destination));
    else
        NoteAdded(destination, destinationBefore);
    return true;
}

bool ForceDirectories(std::string_view winPath) {
    const auto path = detail::TryResolve(winPath);
    if (!path)
        return false;
    if (path->exists)
        return S_ISDIR(path->st.st_mode);
    // The host path holds the existing folders under their names on disk and the missing ones as
    // written: making each folder along it that is not there yet does the whole job.
    const std::string root = detail::DriveRoot(detail::ParseWinPath(winPath).drive, winPath);
    const std::string& host = path->host;
    for (size_t slash = host.find('/', root.size() + 1);; slash = host.find('/', slash + 1)) {
        const std::string folder = host.substr(0, slash);
        const ParentBefore before(folder);
        if (mkdir(folder.c_str(), 0777) == 0)
            NoteAdded(folder, before);
        else if (errno != EEXIST)
            return false; // ENOTDIR when a file is in the way
        if (slash == std::string::npos)
            break;
    }
    return DirectoryExists(winPath);
}

bool RemoveDir(std::string_view winPath) {
    const auto path = detail::TryResolve(winPath);
    if (!IsFolder(path))
        return false;
    const ParentBefore before(path->host);
    if (rmdir(path->host.c_str()) != 0)
        return false;
    NoteRemoved(path->host, before);
    return true;
}

int64_t DiskFree(std::string_view winPath) {
    std::string drivePath(winPath);
    if (drivePath.size() == 1)
        drivePath += ':'; // a bare letter names its drive
    const auto path = detail::TryResolve(drivePath);
    if (!path)
        return -1;
    // The deepest existing folder of the path tells which host file system holds it.
    std::string host = path->host;
    struct stat st {};
    while (stat(host.c_str(), &st) != 0 && host != "/")
        host = detail::HostDirName(host);
    struct statvfs fs {};
    if (statvfs(host.c_str(), &fs) != 0)
        return -1;
    return static_cast<int64_t>(fs.f_bavail) * static_cast<int64_t>(fs.f_frsize);
}

} // namespace plat
