// Files.h, searching: Windows mask matching and FindFiles over a folder listing.
#include "platform/files/Files.h"

#include "platform/files/FilesInternal.h"
#include "platform/files/PathName.h"
#include "platform/files/PathResolver.h"
#include "platform/text/Cp1251.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>

namespace plat {

namespace {

// Longest name or mask MatchesMask looks at (Windows' longest path); longer ones match nothing,
// which bounds the cost of matching at this length squared.
constexpr size_t kMaxMatchLength = 32767;

// A mask is first turned into these elements, as Windows does before matching (the DOS_STAR,
// DOS_QM and DOS_DOT of its file-system runtime).
enum class MaskToken {
    Char,    // one character, case-insensitively
    Star,    // "*": any run of characters
    DosStar, // "*" before ".": any run that stops short of the name's last dot
    DosQm,   // "?": one character other than a dot; none at a dot or at the end of the name
    DosDot,  // "." before "*", "?" or the end: a dot, or nothing at the end of the name
};

struct MaskElement {
    MaskToken token;
    char c = 0;
};

std::vector<MaskElement> Tokenize(std::string_view mask) {
    std::vector<MaskElement> out;
    out.reserve(mask.size());
    for (size_t i = 0; i < mask.size(); ++i) {
        const char c = mask[i];
        const char next = i + 1 < mask.size() ? mask[i + 1] : '\0';
        if (c == '*')
            out.push_back({next == '.' ? MaskToken::DosStar : MaskToken::Star});
        else if (c == '?')
            out.push_back({MaskToken::DosQm});
        else if (c == '.' && (next == '\0' || next == '*' || next == '?'))
            out.push_back({MaskToken::DosDot});
        else
            out.push_back({MaskToken::Char, UpperChar(c)});
    }
    return out;
}

} // namespace

bool MatchesMask(std::string_view name, std::string_view mask) {
    if (mask.empty() || name.size() > kMaxMatchLength || mask.size() > kMaxMatchLength)
        return false;
    const std::vector<MaskElement> elements = Tokenize(mask);
    const size_t n = name.size();
    const size_t lastDot = name.rfind('.');
    // reach[i]: the elements so far can match exactly name[0, i). One pass per element, so the
    // cost is mask length x name length whatever the mask.
    std::vector<char> reach(n + 1, 0), next(n + 1, 0);
    reach[0] = 1;
    for (const MaskElement& element : elements) {
        std::fill(next.begin(), next.end(), 0);
        switch (element.token) {
        case MaskToken::Char:
            for (size_t i = 0; i < n; ++i) {
                if (reach[i] && UpperChar(name[i]) == element.c)
                    next[i + 1] = 1;
            }
            break;
        case MaskToken::Star: {
            char running = 0;
            for (size_t i = 0; i <= n; ++i)
                next[i] = running |= reach[i];
            break;
        }
        case MaskToken::DosStar: {
            // A run starting at or before the last dot ends at the latest there; one starting
            // after it (or in a name without a dot) may run to the end.
            char running = 0;
            for (size_t i = 0; i <= n; ++i) {
                if (lastDot != std::string_view::npos && i == lastDot + 1)
                    running = 0;
                next[i] = running |= reach[i];
            }
            break;
        }
        case MaskToken::DosQm:
            for (size_t i = 0; i <= n; ++i) {
                if (!reach[i])
                    continue;
                if (i < n && name[i] != '.')
                    next[i + 1] = 1;
                else
                    next[i] = 1;
            }
            break;
        case MaskToken::DosDot:
            for (size_t i = 0; i <= n; ++i) {
                if (!reach[i])
                    continue;
                if (i < n && name[i] == '.')
                    next[i + 1] = 1;
                else if (i == n)
                    next[i] = 1;
            }
            break;
        }
        reach.swap(next);
    }
    return reach[n] != 0;
}

std::vector<SearchRec> FindFiles(std::string_view winMask, uint32_t attrFilter) {
    std::string folder, mask;
    if (!detail::SplitMask(winMask, folder, mask))
        return {};
    const std::optional<detail::ResolvedPath> dir = detail::TryResolve(folder);
    if (!dir || !dir->exists || !S_ISDIR(dir->st.st_mode))
        return {};
    const auto listing = detail::FolderListing(dir->host, dir->st);
    // Entries with one of these attributes are listed only when the filter asks for it.
    const uint32_t excluded = ~attrFilter & (faHidden | faSysFile | faVolumeID | faDirectory);

    // Entries are looked at relative to the open folder, which spares the kernel walking the
    // folder's whole path again for each of them.
    const int dirFd = open(dir->host.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    auto statEntry = [&](const std::string& hostName, struct stat& st, int flags) {
        if (dirFd >= 0)
            return fstatat(dirFd, hostName.c_str(), &st, flags) == 0;
        const std::string host = detail::JoinHost(dir->host, hostName);
        return (flags & AT_SYMLINK_NOFOLLOW ? lstat(host.c_str(), &st) : stat(host.c_str(), &st)) == 0;
    };
    std::vector<SearchRec> found;
    for (const detail::DirEntry& entry : listing->Entries()) {
        if (!MatchesMask(entry.winName, mask) &&
            (entry.shortName.empty() || !MatchesMask(entry.shortName, mask)))
            continue;
        struct stat st {};
        // A link to nothing is still an entry: show the link itself.
        if (!statEntry(entry.hostName, st, 0) && !statEntry(entry.hostName, st, AT_SYMLINK_NOFOLLOW))
            continue; // gone since the listing was read
        SearchRec rec;
        rec.Attr = detail::AttributesOf(st, entry.hostName);
        if (rec.Attr & excluded)
            continue;
        rec.Name = entry.winName;
        rec.ShortName = entry.shortName;
        rec.Size = S_ISDIR(st.st_mode) ? 0 : static_cast<int64_t>(st.st_size);
        rec.Time = DateTimeToFileDate(st.st_mtim.tv_sec);
        found.push_back(std::move(rec));
    }
    if (dirFd >= 0)
        close(dirFd);
    // Host names that read the same in cp1251 keep their host order.
    std::stable_sort(found.begin(), found.end(),
                     [](const SearchRec& a, const SearchRec& b) { return a.Name < b.Name; });
    return found;
}

} // namespace plat
