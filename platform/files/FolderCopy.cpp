// Copying files between two folders resolved once (FolderCopy.h).
#include "platform/files/FolderCopy.h"

#include "platform/core/Exceptions.h"
#include "platform/files/DirectoryCache.h"
#include "platform/files/FilesInternal.h"
#include "platform/files/HostCopy.h"
#include "platform/files/PathName.h"
#include "platform/files/PathResolver.h"
#include "platform/text/Cp1251.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <string>
#include <system_error>
#include <unordered_map>

namespace plat {

using detail::FileDescriptor;

namespace {

// The host folder a Windows path names; raises EFileError when there is none.
detail::ResolvedPath ResolveFolder(std::string_view winPath) {
    detail::ResolvedPath dir = detail::Resolve(winPath);
    if (!dir.exists || !S_ISDIR(dir.st.st_mode))
        throw EFileError("Cannot open folder " + detail::QuotePath(winPath) + ". No such folder");
    return dir;
}

// The name as a path component (trailing dots and blanks dropped), or none for a name Windows
// refuses or one that is no single component.
std::optional<std::string> NormalizedName(std::string_view name) {
    try {
        detail::WinPathParts parts = detail::ParseWinPath("C:\\" + std::string(name));
        if (parts.components.size() != 1 || name.find_first_of("\\/") != name.npos)
            return std::nullopt;
        return std::move(parts.components.front());
    } catch (const EFileError&) {
        return std::nullopt;
    }
}

mode_t CopyMode(const struct stat& from, CopyAttributes attributes) {
    const mode_t mode = from.st_mode & 07777;
    return attributes == CopyAttributes::Writable && detail::IsReadOnly(from) ? mode | S_IWUSR : mode;
}

} // namespace

struct TFolderCopy::Folder {
    std::string host;
    std::shared_ptr<const detail::DirListing> listing;
    FileDescriptor fd;
    // Names this copier created, upper case -> host name: the listing does not hold them.
    std::unordered_map<std::string, std::string> created;
    bool changed = false;

    Folder(const detail::ResolvedPath& dir, std::string_view winPath)
        : host(dir.host), listing(detail::FolderListing(dir.host, dir.st)),
          fd(open(dir.host.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
        if (fd.Get() < 0)
            throw EFileError("Cannot open folder " + detail::QuotePath(winPath) + ". " +
                             std::generic_category().message(errno));
    }

    // Host name of the entry `winName` finds (as normalised by ParseWinPath), or none.
    std::optional<std::string> Find(const std::string& winName) const {
        if (!created.empty()) {
            if (const auto found = created.find(UpperCase(winName)); found != created.end())
                return found->second;
        }
        if (const detail::DirEntry* entry = listing->Find(winName))
            return entry->hostName;
        return std::nullopt;
    }
};


TFolderCopy::TFolderCopy(std::string_view sourceFolder, std::string_view targetFolder)
    : source_(std::make_unique<Folder>(ResolveFolder(sourceFolder), sourceFolder)),
      target_(std::make_unique<Folder>(ResolveFolder(targetFolder), targetFolder)) {}

TFolderCopy::~TFolderCopy() {
    // The kept listing no longer matches the folder; the next lookup there reads it once.
    if (target_->changed)
        detail::ForgetFolder(target_->host);
}

bool TFolderCopy::Copy(std::string_view name, CopyAttributes attributes) {
    const std::optional<std::string> winName = NormalizedName(name);
    if (!winName)
        return false;
    const std::optional<std::string> sourceHost = source_->Find(*winName);
    if (!sourceHost)
        return false;
    // Not blocking on a pipe; regular files read the same either way.
    FileDescriptor source(openat(source_->fd.Get(), sourceHost->c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat from {};
    if (source.Get() < 0 || fstat(source.Get(), &from) != 0 || S_ISDIR(from.st_mode))
        return false;
    const mode_t mode = CopyMode(from, attributes);

    std::optional<std::string> targetHost = target_->Find(*winName);
    if (!targetHost) {
        const std::string host = Cp1251ToUtf8(*winName);
        FileDescriptor target(openat(target_->fd.Get(), host.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
        if (target.Get() >= 0) {
            target_->changed = true;
            if (!detail::FillCopy(source.Get(), from, mode, target)) {
                unlinkat(target_->fd.Get(), host.c_str(), 0);
                return false;
            }
            target_->created.emplace(UpperCase(*winName), host);
            return true;
        }
        if (errno != EEXIST)
            return false;
        targetHost = host; // made meanwhile under this very name: replace it
    }

    struct stat existing {};
    if (fstatat(target_->fd.Get(), targetHost->c_str(), &existing, 0) == 0) {
        if (S_ISDIR(existing.st_mode))
            return false;
        if (detail::SameFile(from, existing))
            return true; // a file copied onto itself is already there
    }
    target_->changed = true;
    return detail::CopyHostFile(detail::JoinHost(source_->host, *sourceHost), from,
                                detail::JoinHost(target_->host, *targetHost), detail::Placement::Replace, mode);
}

} // namespace plat
