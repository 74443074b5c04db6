// What Files.cpp and Files_Search.cpp share: Windows attributes of a host file. Internal to
// platform_files.
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

} // namespace plat::detail
