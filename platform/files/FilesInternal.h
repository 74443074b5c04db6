// What Files.cpp, Files_Search.cpp and FolderCopy.cpp share: Windows attributes of a host file
// and the tests behind them. Internal to platform_files.
#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <string_view>

namespace plat::detail {

// Windows attributes of a host entry named `hostName` with stat `st`:
//  - faDirectory for folders; faArchive for every other entry (Windows sets it on new files);
//  - faSysFile for entries that are neither files nor folders (devices, pipes, sockets), which
//    a plain search therefore leaves out;
//  - faReadOnly when no write bit (owner, group or other) is set;
//  - faHidden for names starting with a dot, as Linux file managers hide them.
uint32_t AttributesOf(const struct stat& st, std::string_view hostName);

// No write bit for owner, group or other: read-only to the system.
inline bool IsReadOnly(const struct stat& st) { return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0; }

// Both stats are of one file.
inline bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace plat::detail
