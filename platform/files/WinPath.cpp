// Windows path names on the host: the public face of PathName (text rules), PathResolver (prefix,
// drives, caches) and ShortName (8.3 names).
#include "platform/files/WinPath.h"

#include "platform/core/Exceptions.h"
#include "platform/files/PathName.h"
#include "platform/files/PathResolver.h"
#include "platform/text/Cp1251.h"

#include <limits.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace plat {

namespace {

using detail::JoinHost;

// Absolute, lexically normal, no trailing slash (except the root itself).
std::string NormalHostPath(std::string_view hostPath) {
    fs::path path{std::string(hostPath)};
    if (path.is_relative()) {
        std::error_code error;
        path = fs::absolute(path, error);
        if (error)
            throw EFileError("Cannot name the host path \"" + Utf8ToCp1251(hostPath) + "\". " +
                             SystemErrorText(error.value()));
    }
    std::string text = path.lexically_normal().string();
    while (text.size() > 1 && text.back() == '/')
        text.pop_back();
    return text;
}

// The same path with its folder part canonical (symbolic links resolved, as drive roots are):
// the longest existing ancestor of the folder through realpath(), the rest kept as written. The
// last component stays itself, so a link is named where it lies, not where it points.
std::string CanonicalFolderOf(const std::string& path) {
    if (path == "/")
        return path;
    std::string folder = detail::HostDirName(path);
    std::string rest{detail::HostBaseName(path)};
    while (true) {
        char resolved[PATH_MAX];
        if (realpath(folder.c_str(), resolved))
            return JoinHost(resolved, rest);
        if (folder == "/")
            return path;
        rest = std::string(detail::HostBaseName(folder)) + "/" + rest;
        folder = detail::HostDirName(folder);
    }
}

struct DriveMatch {
    char drive = 0;
    size_t rootLength = 0;
    std::string rest; // host components below the root, "/"-separated, no leading "/"
};

// The drive whose host folder is the longest leading part of `path` (the first letter on a tie).
DriveMatch BestDrive(const std::vector<std::pair<char, std::string>>& drives, const std::string& path) {
    DriveMatch best;
    for (const auto& [letter, root] : drives) {
        std::string rest;
        if (root == "/") {
            rest = path.substr(1);
        } else if (path == root) {
            rest.clear();
        } else if (path.size() > root.size() && path.compare(0, root.size(), root) == 0 &&
                   path[root.size()] == '/') {
            rest = path.substr(root.size() + 1);
        } else {
            continue;
        }
        if (best.drive == 0 || root.size() > best.rootLength)
            best = DriveMatch{letter, root.size(), std::move(rest)};
    }
    return best;
}

size_t LastDelimiter(std::string_view path, std::string_view delimiters) {
    return path.find_last_of(delimiters);
}

} // namespace

std::string HostPath(std::string_view winPath) { return detail::Resolve(winPath).host; }

std::string WinPathOf(std::string_view hostPath) {
    const std::string path = NormalHostPath(hostPath);
    const auto drives = detail::MappedDrives();
    DriveMatch match = BestDrive(drives, path);
    // Only the root drive matched: the path may reach a drive folder through a symbolic link.
    if (match.drive == 0 || match.rootLength <= 1) {
        const std::string canonical = CanonicalFolderOf(path);
        if (canonical != path) {
            DriveMatch other = BestDrive(drives, canonical);
            if (other.drive != 0 && (match.drive == 0 || other.rootLength > match.rootLength))
                match = std::move(other);
        }
    }
    if (match.drive == 0)
        throw EFileError("No drive maps to the host path \"" + Utf8ToCp1251(hostPath) + "\"");
    std::string win{match.drive, ':', '\\'};
    std::string rest = Utf8ToCp1251(match.rest);
    for (char& c : rest) {
        if (c == '/')
            c = '\\';
    }
    return win + rest;
}

std::string IncludeTrailingBackslash(std::string_view path) {
    std::string out(path);
    if (out.empty() || out.back() != '\\')
        out += '\\';
    return out;
}

std::string ExcludeTrailingBackslash(std::string_view path) {
    if (!path.empty() && path.back() == '\\')
        path.remove_suffix(1);
    return std::string(path);
}

std::string ExtractFilePath(std::string_view path) {
    const size_t at = LastDelimiter(path, "\\:");
    return at == std::string_view::npos ? std::string() : std::string(path.substr(0, at + 1));
}

std::string ExtractFileName(std::string_view path) {
    const size_t at = LastDelimiter(path, "\\:");
    return std::string(at == std::string_view::npos ? path : path.substr(at + 1));
}

std::string ExtractFileExt(std::string_view path) {
    const size_t at = LastDelimiter(path, ".\\:");
    if (at == std::string_view::npos || path[at] != '.')
        return std::string();
    return std::string(path.substr(at));
}

std::string EnsurePrefix() { return detail::PrefixReady(); }

void ResetPathCache() { detail::ResetCaches(); }

std::string WindowsDirectory() { return "C:\\windows"; }

std::string SystemDirectory() { return "C:\\windows\\system"; }

std::string ShortPathName(std::string_view winPath) {
    const std::string unchanged(winPath);
    std::optional<detail::ResolvedPath> resolved = detail::TryResolve(winPath);
    if (!resolved || !resolved->exists)
        return unchanged;
    const detail::WinPathParts parts = detail::ParseWinPath(winPath);
    const std::string root = detail::DriveRoot(parts.drive, winPath);
    // The resolved host path is the drive folder followed by one host name per component.
    if (resolved->host.compare(0, root.size(), root) != 0)
        return unchanged;
    std::string_view below = std::string_view(resolved->host).substr(root.size());

    std::string out{parts.drive, ':'};
    std::string folder = root;
    while (!below.empty()) {
        while (!below.empty() && below.front() == '/')
            below.remove_prefix(1);
        if (below.empty())
            break;
        const size_t slash = below.find('/');
        const std::string_view hostName = below.substr(0, slash);
        below = slash == std::string_view::npos ? std::string_view() : below.substr(slash);
        struct stat st {};
        if (stat(folder.c_str(), &st) != 0)
            return unchanged;
        const auto listing = detail::FolderListing(folder, st);
        const detail::DirEntry* entry = listing->FindHost(hostName);
        if (!entry)
            return unchanged; // changed under our feet
        out += '\\';
        out += entry->shortName.empty() ? entry->winName : entry->shortName;
        folder = JoinHost(folder, hostName);
    }
    if (out.size() == 2)
        out += '\\';
    return out;
}

} // namespace plat
