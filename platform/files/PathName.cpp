// Parsing of Windows path names: the text rules of WinPath.h, with no file-system access.
#include "platform/files/PathName.h"

#include "platform/core/Exceptions.h"

#include <cstdio>

namespace plat::detail {

namespace {

// A message quotes at most this many bytes of a path; longer ones are cut with "...".
constexpr size_t kMaxQuotedPath = 300;

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

bool IsDriveLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

[[noreturn]] void Refuse(std::string_view path, std::string_view reason) {
    throw EFileError(InvalidPathMessage(path, reason));
}

std::string DescribeChar(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20) {
        char text[32];
        std::snprintf(text, sizeof text, "the control character 0x%02X", byte);
        return text;
    }
    return std::string("the character '") + c + "'";
}

} // namespace

std::string QuotePath(std::string_view path) {
    // Control characters (a NUL would even end the message early) show as '?'.
    std::string quoted = "\"";
    for (char c : path.substr(0, kMaxQuotedPath))
        quoted += static_cast<unsigned char>(c) < 0x20 ? '?' : c;
    if (path.size() > kMaxQuotedPath)
        quoted += "...";
    return quoted + "\"";
}

std::string InvalidPathMessage(std::string_view path, std::string_view reason) {
    return "Invalid path " + QuotePath(path) + ": " + std::string(reason);
}

bool IsForbiddenNameChar(char c) {
    if (static_cast<unsigned char>(c) < 0x20)
        return true;
    switch (c) {
    case '<':
    case '>':
    case ':':
    case '"':
    case '|':
    case '?':
    case '*':
        return true;
    default:
        return false;
    }
}

std::string WinPathParts::Normalized() const {
    std::string out{drive, ':'};
    if (components.empty())
        return out + '\\';
    for (const std::string& component : components) {
        out += '\\';
        out += component;
    }
    return out;
}

WinPathParts ParseWinPath(std::string_view path) {
    if (path.empty())
        Refuse(path, "the name is empty");
    if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1]))
        Refuse(path, "network (UNC) names are not supported; name the file through a drive letter");
    if (path.size() < 2 || !IsDriveLetter(path[0]) || path[1] != ':')
        Refuse(path, "the name has no drive letter (relative names are not supported)");

    WinPathParts parts;
    parts.drive = UpperAscii(path[0]);
    size_t pos = 2;
    while (pos <= path.size()) {
        size_t end = pos;
        while (end < path.size() && !IsSeparator(path[end]))
            ++end;
        std::string_view component = path.substr(pos, end - pos);
        pos = end + 1;
        if (component.empty() || component == ".")
            continue;
        if (component == "..") {
            if (!parts.components.empty())
                parts.components.pop_back();
            continue;
        }
        for (char c : component) {
            if (IsForbiddenNameChar(c))
                Refuse(path, DescribeChar(c) + " is not allowed in a file name");
        }
        // Windows drops trailing dots and blanks of every component ("name. " is "name").
        while (!component.empty() && (component.back() == '.' || component.back() == ' '))
            component.remove_suffix(1);
        if (component.empty())
            continue;
        if (component.size() > kMaxNameLength)
            Refuse(path, "a name in it is longer than 255 characters");
        parts.components.emplace_back(component);
    }
    return parts;
}

bool SplitMask(std::string_view winMask, std::string& folder, std::string& mask) {
    size_t cut = winMask.find_last_of("\\/");
    if (cut == std::string_view::npos) {
        // "C:*.txt": the mask lies in the root of the drive.
        if (winMask.size() < 2 || winMask[1] != ':')
            return false;
        cut = 1;
    }
    folder = std::string(winMask.substr(0, cut + 1));
    mask = std::string(winMask.substr(cut + 1));
    if (mask.empty() || mask.size() > kMaxNameLength)
        return false;
    for (char c : mask) {
        if (c != '?' && c != '*' && IsForbiddenNameChar(c))
            return false;
    }
    return true;
}

} // namespace plat::detail
