// File services on Windows paths: existence, search by mask, attributes, sizes and DOS times,
// reading and writing whole files, copying, folder creation, free space. All names are cp1251
// Windows paths resolved through WinPath.
//
// Errors: a name that cannot name a file (UNC, unmapped drive, refused characters; see WinPath.h)
// is, for the queries and the bool operations, simply a file that is not there, as Windows
// answers; ReadFileBytes and WriteFileBytes raise EFileError with the reason.
// Where Linux and Windows differ, these functions keep Windows' behaviour on every machine and
// for every user, root included: a read-only file (no write bit) is neither written nor deleted,
// and renaming never replaces an existing file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace plat {

// Attribute bits as the system tests them.
enum FileAttr : uint32_t {
    faReadOnly = 0x01,
    faHidden = 0x02,
    faSysFile = 0x04,
    faVolumeID = 0x08,
    faDirectory = 0x10,
    faArchive = 0x20,
    faAnyFile = 0x3F,
};

struct SearchRec {
    std::string Name;      // long name, cp1251
    std::string ShortName; // 8.3 name, upper case; empty when Name is already a valid 8.3 name
    uint32_t Attr = 0;
    int64_t Size = 0;
    uint32_t Time = 0; // packed DOS date (high word) and time (low word), local time
};

// An existing file that is not a folder ("C:\x.txt\", with a trailing backslash, is none).
bool FileExists(std::string_view winPath);
bool DirectoryExists(std::string_view winPath); // an existing folder (a drive root counts)

// Windows mask matching of one name, case-insensitive: "*" any run, "?" one character (or none
// at the end of the name or before the dot), "*.*" also matches names without a dot, and a mask
// ending in "." matches names without an extension. A name or mask over 32,767 bytes matches
// nothing.
bool MatchesMask(std::string_view name, std::string_view mask);

// Entries of the folder of `winMask` whose long or short name matches its name part, as
// FindFirst/FindNext give them: files always, and entries with faHidden, faSysFile, faDirectory
// or faVolumeID only when `attrFilter` asks for them. "." and ".." are not listed. Sorted by name
// bytes so the order is the same on every machine. A missing folder, a mask with no name part
// and a name that cannot be a folder give an empty list. As on Windows, a mask may meet the short
// name only ("*.tex" finds "Long Name.text", whose short name is LONGNA~1.TEX).
std::vector<SearchRec> FindFiles(std::string_view winMask, uint32_t attrFilter);

// Attributes of an existing entry (read-only when no write bit is set; hidden for dot-names;
// archive for files; system for devices, pipes and sockets); -1 (all bits) when it does not
// exist.
int32_t FileGetAttr(std::string_view winPath);
// Sets or clears faReadOnly on a file: setting removes every write bit, clearing adds the
// owner's. Other bits are accepted and ignored, and so is faReadOnly on a folder (Windows never
// enforces it there). False when the entry does not exist or the mode cannot be changed.
bool FileSetAttr(std::string_view winPath, uint32_t attr);
int64_t FileSize(std::string_view winPath); // -1 when it does not exist or is a folder
// Modification time as packed DOS date and time; -1 when the file does not exist (or is a
// folder). Dates from 2044 on set the top bit, so they read as negative numbers other than -1.
int32_t FileAge(std::string_view winPath);
// Sets the modification time; false for an impossible DOS date or a missing entry.
bool FileSetDate(std::string_view winPath, uint32_t dosDateTime);
// Local time, 2-second resolution (odd seconds round down); times before 1980 give
// 1980-01-01 00:00:00, times after 2107 give 2107-12-31 23:59:58.
uint32_t DateTimeToFileDate(int64_t unixSeconds);
// Seconds since 1970 of a DOS date and time read as local time; -1 for an impossible one
// (month 0 or 13, 30 February, hour 24, ...).
int64_t FileDateToDateTime(uint32_t dosDateTime);

// Whole-file access; raise EFileError naming the file and the reason, in the runtime's words:
// `Cannot open file "C:\x.txt". No such file or directory`, `Cannot create file "..." ...`.
// Writing creates or replaces the file (an existing one keeps its name on disk) but not its
// folder, and refuses a read-only file.
std::string ReadFileBytes(std::string_view winPath);
void WriteFileBytes(std::string_view winPath, std::string_view bytes);

// Copies a file with its modification time and permission bits (so its read-only attribute);
// with failIfExists an existing target is left alone and false returned. Overwrites a read-only
// target only when failIfExists is false. The copy is written beside the target and renamed over
// it, so a failed copy leaves the target as it was. A file copied onto itself is left alone.
bool CopyFile(std::string_view from, std::string_view to, bool failIfExists);
// Deletes a file; false for a folder, a missing file and a read-only file.
bool DeleteFile(std::string_view winPath);
// Renames or moves a file or folder; false when the target exists, unless it is the same entry
// named in another case (the rename then changes only the case). A file moves to another file
// system by copy and delete.
bool RenameFile(std::string_view from, std::string_view to);
// Creates the folder and every missing parent; true when the folder exists afterwards. Existing
// parents are found in any case; new ones are named as written.
bool ForceDirectories(std::string_view winPath);
bool RemoveDir(std::string_view winPath); // an empty folder only

// Free bytes on the drive holding the path (a drive letter alone, "C" or "C:", or any path on it):
// statvfs() of the deepest existing folder of the path, bytes available to unprivileged users.
// -1 for a drive with no mapping or a name that cannot name a file.
int64_t DiskFree(std::string_view winPath);

} // namespace plat
