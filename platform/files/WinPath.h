// Windows path names on the host, the way the system's code expects them: drive letters mapped
// through the prefix's dosdevices links, backslashes, case-insensitive lookup of every component,
// case-preserving creation, 8.3 short names. Windows names are cp1251; host names are UTF-8.
//
// Mapping rules:
//  - "C:\a\b" -> <dosdevices/c:>/a/b, the link resolved by the host; "Z:\home\x" -> "/home/x".
//    Any letter with a link "x:" in dosdevices is a drive. "/" separates like "\".
//  - A drive letter with no link in dosdevices (or a link to nothing), a UNC name
//    ("\\server\share", also "\\?\..."), a relative name, a component over 255 bytes or one
//    holding a character Windows refuses (<>:"|?* and controls) raise EFileError naming the path.
//    "C:name" counts as "C:\name": the platform keeps no current folder per drive.
//  - Empty components and "." are dropped, ".." goes up one component but never above the drive
//    root, and trailing dots and blanks of a component are dropped, as Windows does (a component
//    of only dots and blanks, such as "...", disappears).
//  - Each existing component is found case-insensitively (cp1251 case rules, through the UTF-8
//    host names); a component that matches an 8.3 short name of a long name finds that name.
//    Components that do not exist are kept as written, so the result names a file to create.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace plat {

// Host path (UTF-8) of a Windows path. A drive root gives the host folder itself ("C:\" gives
// <prefix>/drive_c with its links resolved, "Z:\" gives "/"). When a folder holds several names
// that differ only in case, the exact spelling wins, else the first in host byte order; a
// resolution is then kept while the file it found exists (see PathResolver.h).
// Raises EFileError for the names the rules above refuse.
std::string HostPath(std::string_view winPath);

// Windows path (cp1251) of an absolute host path: through the drive whose dosdevices link target
// is the longest prefix of it (C: for the prefix's drive_c), else Z:. A relative host path is
// taken from the current folder; host characters outside cp1251 become '?'. Raises EFileError
// only when no drive maps to the path (Z: removed from dosdevices).
std::string WinPathOf(std::string_view hostPath);

// The path with one backslash added when it does not end in one ("" gives "\"), and with one
// trailing backslash removed; as the runtime's functions of these names.
std::string IncludeTrailingBackslash(std::string_view path);
std::string ExcludeTrailingBackslash(std::string_view path);
// Folder part with its trailing backslash, and the name part, of a Windows path, split after the
// last "\" or ":" (only these: the runtime's functions do not treat "/" as a separator).
std::string ExtractFilePath(std::string_view path);
std::string ExtractFileName(std::string_view path);
// Extension from the last "." of the name part, with the dot; empty when there is none.
std::string ExtractFileExt(std::string_view path);

// The host folder of the prefix, created with its defaults on first use:
//   drive_c/windows/system, drive_c/Program Files, dosdevices/c: -> ../drive_c, dosdevices/z: -> /
std::string EnsurePrefix();
// Forgets cached directory listings, resolved paths, drive links and the prefix (after a test
// changes VERTALIS_PREFIX or a drive link). Installing another Platform resets them by itself.
void ResetPathCache();

std::string WindowsDirectory(); // "C:\windows"
std::string SystemDirectory();  // "C:\windows\system"

// 8.3 name of each component of an existing path ("C:\PROGRA~1\Velmora\MYLONG~1.TXT"); a name
// that is valid 8.3 stays as it is on disk. Short names are made from the folder's contents by
// the rule in ShortName.h, and every component accepts them back. A path that does not exist, or
// cannot name a file, is returned unchanged.
std::string ShortPathName(std::string_view winPath);

} // namespace plat
