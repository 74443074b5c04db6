// File services on Windows paths: existence, search by mask, attributes, sizes and DOS times,
// reading and writing whole files, copying, folder creation, free space. All names are cp1251
// Windows paths resolved through WinPath.
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

bool FileExists(std::string_view winPath);      // an existing file that is not a folder
bool DirectoryExists(std::string_view winPath); // an existing folder

// Windows mask matching of one name, case-insensitive: "*" any run, "?" one character (or none
// at the end of the name or before the dot), "*.*" also matches names without a dot, and a mask
// ending in "." matches names without an extension.
bool MatchesMask(std::string_view name, std::string_view mask);

// Entries of the folder of `winMask` whose long or short name matches its name part, as
// FindFirst/FindNext give them: files always, and entries with faHidden, faSysFile, faDirectory
// or faVolumeID only when `attrFilter` asks for them. "." and ".." are not listed. Sorted by name
// bytes so the order is the same on every machine. A missing folder gives an empty list.
std::vector<SearchRec> FindFiles(std::string_view winMask, uint32_t attrFilter);

// Attributes of an existing entry (read-only when no write bit is set; hidden for dot-names;
// archive for files); -1 (all bits) when it does not exist.
int32_t FileGetAttr(std::string_view winPath);
// Sets or clears faReadOnly (the write bits); other bits are accepted and ignored.
bool FileSetAttr(std::string_view winPath, uint32_t attr);
int64_t FileSize(std::string_view winPath); // -1 when it does not exist
// Modification time as packed DOS date and time; -1 when the file does not exist.
int32_t FileAge(std::string_view winPath);
bool FileSetDate(std::string_view winPath, uint32_t dosDateTime);
uint32_t DateTimeToFileDate(int64_t unixSeconds); // local time, 2-second resolution
int64_t FileDateToDateTime(uint32_t dosDateTime);

// Whole-file access; raise EFileError naming the file and the reason.
std::string ReadFileBytes(std::string_view winPath);
void WriteFileBytes(std::string_view winPath, std::string_view bytes);

// Copies a file with its modification time; with failIfExists an existing target is left alone
// and false returned. Overwrites a read-only target only when failIfExists is false.
bool CopyFile(std::string_view from, std::string_view to, bool failIfExists);
bool DeleteFile(std::string_view winPath);
bool RenameFile(std::string_view from, std::string_view to);
// Creates the folder and every missing parent; true when the folder exists afterwards.
bool ForceDirectories(std::string_view winPath);
bool RemoveDir(std::string_view winPath);

// Free bytes on the drive holding the path (a drive letter alone, "C:", or any path on it);
// -1 for a drive with no mapping.
int64_t DiskFree(std::string_view winPath);

} // namespace plat
