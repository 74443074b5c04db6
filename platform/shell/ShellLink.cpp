// Shortcut files in the prefix and their desktop entries.
#include "platform/shell/ShellLink.h"

#include "platform/core/Exceptions.h"
#include "platform/core/Numeric.h"
#include "platform/core/Platform.h"
#include "platform/files/Files.h"
#include "platform/files/WinPath.h"
#include "platform/shell/Process.h"
#include "platform/text/Cp1251.h"

#include <filesystem>
#include <fstream>

namespace plat {

namespace {

constexpr std::string_view kHeader = "[VertalisShellLink]";

bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != text.npos;
}

std::string DesktopIdPart(std::string_view cp1251) {
    std::string utf8 = Cp1251ToUtf8(cp1251);
    for (char& c : utf8) {
        unsigned char u = static_cast<unsigned char>(c);
        if (u < 0x80 && !std::isalnum(u) && c != '_' && c != '.')
            c = '-';
    }
    return utf8;
}

// Escapes a value for a desktop entry line.
std::string DesktopValue(std::string_view utf8) {
    std::string out;
    for (char c : utf8) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else if (c == '\t')
            out += "\\t";
        else
            out += c;
    }
    return out;
}

std::string HostOrEmpty(std::string_view winPath) {
    if (winPath.empty())
        return "";
    try {
        return HostPath(winPath);
    } catch (const Exception&) {
        return "";
    }
}

// Desktops show an entry's icon only from a picture file; a Windows shortcut's icon often is the
// program itself (its icon resource), which as an Icon= value shows a broken picture in the menu.
bool DesktopShowsIcon(std::string_view winPath) {
    const std::string ext = ExtractFileExt(winPath);
    for (const char* picture : {".png", ".svg", ".svgz", ".xpm"})
        if (SameText(ext, picture))
            return true;
    return false;
}

bool WriteDesktopEntry(std::string_view linkPath, const ShellLink& link) {
    // The target need not exist yet (a shortcut may be made before its program is copied), so
    // its name is mapped without looking it up.
    std::string program = HostOrEmpty(link.Target);
    if (program.empty())
        program = Cp1251ToUtf8(link.Target);
    std::string exec = QuoteDesktopExecArg(program);
    for (const std::string& arg : ParseCommandLine("x " + link.Arguments).Arguments)
        exec += " " + QuoteDesktopExecArg(HostArgument(arg));

    std::string name = ExtractFileName(linkPath);
    if (name.size() >= 4 && SameText(name.substr(name.size() - 4), ".lnk"))
        name.resize(name.size() - 4);
    std::string text = "[Desktop Entry]\nType=Application\n";
    text += "Name=" + DesktopValue(Cp1251ToUtf8(name)) + "\n";
    text += "Exec=" + DesktopValue(exec) + "\n";
    std::string workDir = HostOrEmpty(link.WorkingDirectory);
    if (!workDir.empty())
        text += "Path=" + DesktopValue(workDir) + "\n";
    std::string icon = HostOrEmpty(link.IconFile);
    if (!icon.empty() && FileExists(link.IconFile) && DesktopShowsIcon(link.IconFile))
        text += "Icon=" + DesktopValue(icon) + "\n";
    text += "Categories=Education;\n";
    text += "X-Vertalis-Link=" + DesktopValue(Cp1251ToUtf8(linkPath)) + "\n";

    std::string path = DesktopEntryPath(linkPath);
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    return static_cast<bool>(out);
}

} // namespace

std::string QuoteDesktopExecArg(std::string_view utf8) {
    bool needsQuotes = utf8.empty() || utf8.find_first_of(" \t\n\"'\\><~|&;$*?#()`=%") != utf8.npos;
    std::string out;
    if (!needsQuotes)
        return std::string(utf8);
    out += '"';
    for (char c : utf8) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            out += '\\';
        if (c == '%')
            out += '%';
        out += c;
    }
    out += '"';
    return out;
}

std::string DesktopEntryPath(std::string_view linkPath) {
    std::string path(linkPath);
    std::string name = ExtractFileName(path);
    if (name.size() >= 4 && SameText(name.substr(name.size() - 4), ".lnk"))
        name.resize(name.size() - 4);
    std::string folder = ExtractFileName(ExcludeTrailingBackslash(ExtractFilePath(path)));
    std::string id = "vertalis-" + (folder.empty() ? "" : DesktopIdPart(folder) + "-") + DesktopIdPart(name);
    return Platform::Current().DataHomeFolder() + "/applications/vertalis/" + id + ".desktop";
}

bool SaveShellLink(std::string_view linkPath, const ShellLink& link) {
    if (linkPath.size() > kMaxLinkPath)
        return false;
    if (HasLineBreak(link.Target) || HasLineBreak(link.Arguments) || HasLineBreak(link.WorkingDirectory) ||
        HasLineBreak(link.IconFile))
        return false;
    std::string text = std::string(kHeader) + "\r\n";
    text += "Target=" + link.Target + "\r\n";
    text += "Arguments=" + link.Arguments + "\r\n";
    text += "WorkingDirectory=" + link.WorkingDirectory + "\r\n";
    text += "IconLocation=" + link.IconFile + "\r\n";
    text += "IconIndex=" + IntToStr(link.IconIndex) + "\r\n";
    try {
        WriteFileBytes(linkPath, text);
    } catch (const Exception&) {
        return false;
    }
    return WriteDesktopEntry(linkPath, link);
}

std::optional<ShellLink> LoadShellLink(std::string_view linkPath) {
    std::string text;
    try {
        text = ReadFileBytes(linkPath);
    } catch (const Exception&) {
        return std::nullopt;
    }
    if (!text.starts_with(kHeader))
        return std::nullopt;
    ShellLink link;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find("\r\n", pos);
        if (end == text.npos)
            end = text.size();
        std::string_view line(text.data() + pos, end - pos);
        pos = end + 2;
        size_t eq = line.find('=');
        if (eq == line.npos)
            continue;
        std::string_view key = line.substr(0, eq);
        std::string value(line.substr(eq + 1));
        if (key == "Target")
            link.Target = value;
        else if (key == "Arguments")
            link.Arguments = value;
        else if (key == "WorkingDirectory")
            link.WorkingDirectory = value;
        else if (key == "IconLocation")
            link.IconFile = value;
        else if (key == "IconIndex")
            link.IconIndex = StrToIntDef(value, 0);
    }
    return link;
}

} // namespace plat
