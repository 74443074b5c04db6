// Registry-export text: the form of the registry files in the prefix, and of .reg files made on
// Windows. The reader takes the bytes of a whole file and builds a RegistryTree; the writer makes
// the text we keep in the prefix.
//
// What the reader takes:
// - a first line "REGEDIT4" or "Windows Registry Editor Version 5.00"; old-style "REGEDIT" files
//   (lines of "KEY = value") and anything else are refused;
// - UTF-16 with its byte-order mark (what Windows exports), UTF-8 with or without a mark, or ANSI
//   text, taken as cp1251. Without a mark, text that is valid UTF-8 is read as UTF-8: cp1251
//   Cyrillic letters are UTF-8 lead bytes that need continuation bytes after them, so a real ANSI
//   file with Russian text is practically never valid UTF-8;
// - blank lines, ";" comments, key lines "[ROOT\path]" (repeated keys merge, "[-ROOT\path]"
//   deletes), value lines with a quoted or "@" (default) name and a quoted string with "\\" and
//   "\"" escapes, "dword:" with 1 to 8 hex digits, "hex:" or "hex(<type>):" with two-digit hex
//   bytes continued over lines ending in "\", or "-" (deletes); a DOS end-of-file mark (0x1A)
//   after which only blanks follow.
// - In version 5 files the string types given as hex (1 and 2) and multi-strings (7) are UTF-16;
//   they are converted to cp1251. String data never keeps its terminating zero.
// Anything else is an error naming the file, the line and what was wrong; the reader never
// guesses at a damaged line, because the store keeps such a file aside instead of losing it.
//
// What the writer makes: "REGEDIT4" text in UTF-8 (names and strings are converted from cp1251),
// keys in name order with a key line for each key that has values or no subkeys (parents are
// implied), strings quoted unless they hold a line break, DWORDs as dword:, binary as hex:, other
// types as hex(<type>): with the bytes the reader expects back.
#pragma once

#include "platform/core/Exceptions.h"
#include "platform/registry/RegistryTree.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace plat {

// Files larger than this are refused: no registry file we write comes close, and it bounds the
// memory a damaged or hostile file can make us take.
inline constexpr size_t kMaxRegistryFileBytes = size_t{256} << 20;

class RootSet {
public:
    RootSet(std::initializer_list<RootKey> roots) {
        for (RootKey root : roots)
            bits_ |= 1u << static_cast<unsigned>(root);
    }
    static RootSet All() { return RootSet((1u << kRootKeyCount) - 1); }
    bool Has(RootKey root) const { return (bits_ >> static_cast<unsigned>(root)) & 1u; }

private:
    explicit RootSet(uint32_t bits) : bits_(bits) {}
    uint32_t bits_ = 0;
};

// A registry file that cannot be read. Line 0 means the fault is not on one line.
class RegistryFileError : public ERegistryException {
public:
    RegistryFileError(std::string file, int line, std::string fault);
    const std::string& File() const { return file_; }
    int Line() const { return line_; }
    const std::string& Fault() const { return fault_; }

private:
    std::string file_;
    int line_;
    std::string fault_;
};

// Parses a whole file. `fileName` names it in errors; a key line of a root outside `allowed` is an
// error. Raises RegistryFileError.
RegistryTree ReadRegistryText(std::string_view bytes, std::string_view fileName, RootSet allowed);

// The text of the given roots of the tree. `expectedBytes` is room to reserve (the size of the
// last version saves growing the text over and over).
std::string WriteRegistryText(const RegistryTree& tree, RootSet roots, size_t expectedBytes = 0);

} // namespace plat
