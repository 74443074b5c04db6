// 8.3 short names ("PROGRA~1") for the entries of one folder. The host keeps no short names, so
// they are computed from the folder's contents, deterministically: the same set of names always
// gives the same short names, whatever order the files were created in. Internal to
// platform_files; WinPath.h and Files.h show them as ShortPathName and SearchRec::ShortName.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace plat::detail {

// True when `name` (cp1251) is a valid 8.3 name as it stands, in either case: a base of 1 to 8
// characters, optionally a dot and an extension of 1 to 3, no blanks, no second dot, and only
// characters short names allow (letters, digits, bytes 0x80 and above, and !#$%&'()-@^_`{}~).
// Such a name is its own short name.
bool IsValidShortName(std::string_view name);

// Short names for the names of one folder (cp1251 long names, in any order: the result is the
// same for every order of the same names). Entry i of the result is the short name of names[i],
// upper case, or empty when names[i] is a valid 8.3 name itself (or, past the ~999999 numbering,
// gets none).
//
// The rule, after Windows' own:
//  - basis: the long name upper-cased (cp1251 rules), split at its last dot (a leading dot does
//    not start an extension); blanks and dots removed from the base; "+,;=[]" and every
//    character short names do not allow become "_"; the base is cut to 6 characters ("_" when
//    nothing is left) and the extension to 3;
//  - the short name is base + "~N" (+ "." + extension), the base cut further so the whole base
//    part stays within 8 characters (PROGRA~1, PROGR~10, PROG~100);
//  - numbers are handed out to the names that need a short name in the byte order of their long
//    names; each takes the lowest N, counting from the last N given to the same basis, whose short
//    name is neither a name in the folder nor a short name already given.
// So "Program Files" alone gives PROGRA~1; with "Program Data" beside it, "Program Data" is
// PROGRA~1 and "Program Files" PROGRA~2. A short name changes only when a name with the same
// basis that sorts before it comes or goes.
std::vector<std::string> AssignShortNames(const std::vector<std::string>& names);

} // namespace plat::detail
