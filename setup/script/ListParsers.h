// The three list formats of a script, parsed line by line: the file list, the shortcut list and
// the registry list. These functions only split text; expansion, paths and effects are the
// installer's. Any line is accepted: garbage gives a skipped line or fields of garbage.
#pragma once

#include "platform/registry/Registry.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace setup {

// Destinations and shortcut targets are cut to this length, as the fixed path buffers did.
constexpr size_t kMaxListField = 255;
// A binary registry value holds at most this many bytes; further items are dropped.
constexpr size_t kMaxRegBinary = 2048;

struct FileLine {
    std::string Source;      // text before the first "=", not yet expanded
    bool Recursive = false;  // "==" separator
    std::string Destination; // raw destination, at most kMaxListField characters
};
// nullopt for an empty line, a comment (";") or a line without "=".
std::optional<FileLine> ParseFileLine(std::string_view line);

struct ShortcutLine {
    std::string LinkName; // before the first "=", never expanded
    std::string Rest;     // after it, at most kMaxListField characters, to be expanded
};
std::optional<ShortcutLine> ParseShortcutLine(std::string_view line);

struct ShortcutFields {
    std::string Target, WorkingDir, Arguments, IconFile;
};
// Splits the expanded text at every ",", in this order; missing fields are empty, extra fields
// are ignored.
ShortcutFields SplitShortcutFields(std::string_view expanded);

enum class RegLineKind { Skip, Section, StringValue, BinaryValue, Ignored };

struct RegLine {
    RegLineKind Kind = RegLineKind::Skip;
    std::optional<plat::RootKey> Root; // Section: the named root, nullopt to keep the current one
    std::string KeyPath;               // Section: from the first "\" up to the last character
    std::string Name;                  // values: the name without its quotes
    std::string Text;                  // StringValue: the text without its quotes, to be expanded
    std::string Bytes;                 // BinaryValue
};
// Parses one line that has already been expanded whole.
RegLine ParseRegLine(std::string_view line);

// Splits at ";", dropping empty words (BeforeRun and AfterRun).
std::vector<std::string> SplitCommands(std::string_view text);

} // namespace setup
