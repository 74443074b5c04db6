// Reader and writer of registry-export text (see RegistryFile.h for the accepted forms). The
// reader makes one pass over the lines and builds the tree as it goes; hex values continued over
// many lines are decoded straight into their data, so megabyte values load in linear time.
#include "platform/registry/RegistryFile.h"

#include "platform/text/Cp1251.h"
#include "platform/text/Utf8.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

namespace plat {

RegistryFileError::RegistryFileError(std::string file, int line, std::string fault)
    : ERegistryException("Registry file '" + file + "'" + (line > 0 ? ", line " + std::to_string(line) : "") +
                         ": " + fault),
      file_(std::move(file)), line_(line), fault_(std::move(fault)) {}

namespace {

constexpr std::string_view kHeaderVersion4 = "REGEDIT4";
constexpr std::string_view kHeaderVersion5 = "Windows Registry Editor Version 5.00";
constexpr std::string_view kHeaderWin31 = "REGEDIT";
// How much of an offending text an error message quotes.
constexpr size_t kQuoteBytes = 40;
constexpr char kDosEndOfFile = '\x1A';

enum class TextFormat { Version4, Version5 };

// Hex digit values, -1 for other bytes.
constexpr std::array<int8_t, 256> kHexDigit = [] {
    std::array<int8_t, 256> table{};
    for (auto& v : table)
        v = -1;
    for (int c = '0'; c <= '9'; ++c)
        table[c] = static_cast<int8_t>(c - '0');
    for (int c = 'a'; c <= 'f'; ++c)
        table[c] = static_cast<int8_t>(c - 'a' + 10);
    for (int c = 'A'; c <= 'F'; ++c)
        table[c] = static_cast<int8_t>(c - 'A' + 10);
    return table;
}();

int HexDigit(char c) {
    return kHexDigit[static_cast<unsigned char>(c)];
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view TrimLeft(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    return text.substr(i);
}

std::string_view TrimRight(std::string_view text) {
    size_t n = text.size();
    while (n > 0 && IsBlank(text[n - 1]))
        --n;
    return text.substr(0, n);
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && SameRegName(text.substr(0, prefix.size()), prefix);
}

std::string Quote(std::string_view text) {
    if (text.size() <= kQuoteBytes)
        return "'" + std::string(text) + "'";
    return "'" + std::string(text.substr(0, kQuoteBytes)) + "...'";
}

struct DecodedText {
    std::string_view Text;
    bool Utf8 = false; // names and strings are converted from UTF-8
};

DecodedText DecodeText(std::string_view bytes, std::string& storage, std::string_view fileName) {
    const auto startsWith = [&](std::string_view mark) { return bytes.substr(0, mark.size()) == mark; };
    if (startsWith("\xFF\xFE") || startsWith("\xFE\xFF")) {
        const bool bigEndian = bytes[0] == '\xFE';
        bytes.remove_prefix(2);
        if (bytes.size() % 2 != 0)
            throw RegistryFileError(std::string(fileName), 0,
                                    "UTF-16 text ends in the middle of a character (cut off?)");
        storage = Utf16ToUtf8(bytes, bigEndian, U'?');
        return {storage, true};
    }
    if (startsWith("\xEF\xBB\xBF"))
        return {bytes.substr(3), true};
    return {bytes, HasHighByte(bytes) && IsValidUtf8(bytes)};
}

std::string RootNameList() {
    std::string list;
    for (int i = 0; i < kRootKeyCount; ++i)
        list += std::string(list.empty() ? "" : ", ") + RootKeyName(static_cast<RootKey>(i));
    return list;
}

class Parser {
public:
    Parser(DecodedText text, std::string_view fileName, RootSet allowed, RegistryTree& tree)
        : text_(text.Text), utf8_(text.Utf8), fileName_(fileName), allowed_(allowed), tree_(tree) {}

    void Run() {
        std::string_view line;
        if (!NextLine(line))
            Fail("the file is empty (no REGEDIT4 header)");
        ReadHeader(TrimRight(line));
        while (NextLine(line)) {
            line = TrimLeft(line);
            if (line.empty() || line[0] == ';')
                continue;
            if (line[0] == kDosEndOfFile) {
                CheckEndOfFileMark();
                return;
            }
            if (line[0] == '[') {
                KeyLine(TrimRight(line));
                continue;
            }
            if (line[0] == '"' || line[0] == '@') {
                ValueLine(line);
                continue;
            }
            Fail("unexpected text " + Quote(line) + " (not a key line, value line or comment)");
        }
    }

private:
    [[noreturn]] void Fail(const std::string& fault) const {
        throw RegistryFileError(std::string(fileName_), lineNumber_, fault);
    }

    bool NextLine(std::string_view& line) {
        if (position_ >= text_.size())
            return false;
        const char* start = text_.data() + position_;
        const size_t left = text_.size() - position_;
        const auto* newline = static_cast<const char*>(std::memchr(start, '\n', left));
        const size_t length = newline ? static_cast<size_t>(newline - start) : left;
        position_ += newline ? length + 1 : length;
        ++lineNumber_;
        line = std::string_view(start, length);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        return true;
    }

    void ReadHeader(std::string_view line) {
        if (line == kHeaderVersion4) {
            format_ = TextFormat::Version4;
            return;
        }
        if (line == kHeaderVersion5) {
            format_ = TextFormat::Version5;
            return;
        }
        if (line == kHeaderWin31)
            Fail("old-style REGEDIT file (lines of \"KEY = value\"); only REGEDIT4 and version 5 files are "
                 "read");
        Fail("not a registry export file: the first line is " + Quote(line) + ", not \"" +
             std::string(kHeaderVersion4) + "\" or \"" + std::string(kHeaderVersion5) + "\"");
    }

    // Text after a DOS end-of-file mark is an error unless it is blank: a mark in the middle of
    // a file means something was pasted over it, not that the file ends there.
    void CheckEndOfFileMark() {
        std::string_view line;
        const int markLine = lineNumber_;
        while (NextLine(line)) {
            if (!TrimLeft(line).empty())
                Fail("text after the end-of-file mark (0x1A) on line " + std::to_string(markLine));
        }
    }

    void KeyLine(std::string_view line) {
        if (line.back() != ']')
            Fail("key line " + Quote(line) + " does not end with ']'");
        std::string_view inside = line.substr(1, line.size() - 2);
        if (utf8_ && HasHighByte(inside)) {
            converted_ = Utf8ToCp1251(inside);
            inside = converted_;
        }
        const bool deleting = !inside.empty() && inside[0] == '-';
        if (deleting)
            inside.remove_prefix(1);
        const size_t slash = inside.find('\\');
        const RootKey root = ParseRoot(inside.substr(0, slash));
        parts_.clear();
        if (slash != std::string_view::npos) {
            // "ROOT\" with nothing after it would be an empty key name.
            std::string_view rest = inside.substr(slash + 1);
            while (true) {
                const size_t next = rest.find('\\');
                const std::string_view part = rest.substr(0, next);
                if (part.empty())
                    Fail("empty key name in " + Quote(inside));
                if (part.size() > kMaxKeyNameBytes)
                    Fail("key name longer than " + std::to_string(kMaxKeyNameBytes) + " bytes");
                if (parts_.size() == kMaxKeyDepth)
                    Fail("key path deeper than " + std::to_string(kMaxKeyDepth) + " levels");
                parts_.push_back(part);
                if (next == std::string_view::npos)
                    break;
                rest.remove_prefix(next + 1);
            }
        }
        if (deleting) {
            tree_.Root(root).RemovePath(slash == std::string_view::npos ? std::string_view()
                                                                        : inside.substr(slash + 1));
            current_ = nullptr;
            afterDeletion_ = true;
            chainRoot_.reset(); // the remembered keys may be gone
            return;
        }
        current_ = &OpenPath(root);
        afterDeletion_ = false;
    }

    // The key of parts_ under the root, created as needed. Key lines mostly repeat the path of the
    // line before with one more or one other last part, so the keys of the previous line are
    // remembered and only the parts that differ are looked up.
    RegKeyNode& OpenPath(RootKey root) {
        size_t same = 0;
        RegKeyNode* node = &tree_.Root(root);
        if (chainRoot_ == root) {
            while (same < parts_.size() && same < chainNames_.size() &&
                   SameRegName(parts_[same], chainNames_[same])) {
                node = chainNodes_[same];
                ++same;
            }
        }
        chainRoot_ = root;
        chainNames_.resize(same);
        chainNodes_.resize(same);
        for (size_t i = same; i < parts_.size(); ++i) {
            node = &node->AddSubKey(parts_[i]);
            chainNames_.emplace_back(parts_[i]);
            chainNodes_.push_back(node);
        }
        return *node;
    }

    RootKey ParseRoot(std::string_view name) const {
        for (int i = 0; i < kRootKeyCount; ++i) {
            const auto root = static_cast<RootKey>(i);
            if (!SameRegName(name, RootKeyName(root)))
                continue;
            if (!allowed_.Has(root))
                Fail("keys of " + std::string(RootKeyName(root)) + " do not belong in this file");
            return root;
        }
        Fail("unknown root key " + Quote(name) + " (expected one of " + RootNameList() + ")");
    }

    // Reads a quoted text starting at line[i] == '"', unescaping "\\\\" and "\\""; a backslash before
    // any other character is kept as it is. Leaves i after the closing quote; converts from UTF-8
    // when the file is UTF-8.
    void ReadQuoted(std::string_view line, size_t& i, std::string& out, const char* what) const {
        ++i;
        const size_t quote = line.find('"', i);
        if (quote == std::string_view::npos)
            Fail(std::string(what) + " has no closing quote");
        if (!std::memchr(line.data() + i, '\\', quote - i)) { // the common case: nothing escaped
            const std::string_view text = line.substr(i, quote - i);
            if (utf8_ && HasHighByte(text))
                out = Utf8ToCp1251(text);
            else
                out.assign(text);
            i = quote + 1;
            return;
        }
        for (;; ++i) {
            if (i >= line.size())
                Fail(std::string(what) + " has no closing quote");
            const char c = line[i];
            if (c == '"')
                break;
            if (c == '\\' && i + 1 < line.size() && (line[i + 1] == '\\' || line[i + 1] == '"'))
                ++i;
            out += line[i];
        }
        ++i;
        ConvertText(out);
    }

    // ReadQuoted for a value name, without copying a name that needs no unescaping or conversion.
    // Names are short: one loop looking for the quote, a backslash and a high byte at once costs
    // less than a library call for each.
    std::string_view ReadQuotedName(std::string_view line, size_t& i) {
        const size_t start = i + 1;
        bool plain = true;
        size_t quote = start;
        for (; quote < line.size() && line[quote] != '"'; ++quote) {
            const char c = line[quote];
            if (c == '\\' || (utf8_ && (static_cast<unsigned char>(c) & 0x80)))
                plain = false;
        }
        if (plain && quote < line.size()) {
            i = quote + 1;
            return line.substr(start, quote - start);
        }
        nameStorage_.clear();
        ReadQuoted(line, i, nameStorage_, "value name");
        return nameStorage_;
    }

    void ConvertText(std::string& text) const {
        if (utf8_ && HasHighByte(text))
            text = Utf8ToCp1251(text);
    }

    void ValueLine(std::string_view line) {
        if (!current_ && !afterDeletion_)
            Fail("value line before any key line");
        // The name is mostly plain text that can be used where it stands in the line; only an
        // escaped or converted one is made in nameStorage_. The key copies it once, when stored.
        std::string_view name;
        size_t i = 1; // after "@"
        if (line[0] == '"') {
            i = 0;
            name = ReadQuotedName(line, i);
        }
        if (name.size() > kMaxValueNameBytes)
            Fail("value name longer than " + std::to_string(kMaxValueNameBytes) + " bytes");
        while (i < line.size() && IsBlank(line[i]))
            ++i;
        if (i >= line.size() || line[i] != '=')
            Fail("'=' expected after the value name");
        ++i;
        while (i < line.size() && IsBlank(line[i]))
            ++i;
        const std::string_view data = line.substr(i);

        RegValue value;
        if (!data.empty() && data[0] == '"') {
            size_t j = 0;
            ReadQuoted(data, j, value.Data, "string value");
            if (!TrimLeft(data.substr(j)).empty())
                Fail("text after the closing quote of the string");
            CheckDataSize(value.Data.size());
            value.Type = static_cast<uint32_t>(RegDataType::String);
        } else if (TrimRight(data) == "-") {
            if (current_)
                current_->RemoveValue(name);
            return;
        } else if (StartsWithNoCase(data, "dword:")) {
            value = ReadDWord(TrimRight(data.substr(6)));
        } else if (StartsWithNoCase(data, "hex:")) {
            value.Type = static_cast<uint32_t>(RegDataType::Binary);
            ReadHex(data.substr(4), value.Data);
        } else if (StartsWithNoCase(data, "hex(")) {
            const size_t close = data.find(')');
            const std::string_view digits = data.substr(4, close == std::string_view::npos ? 0 : close - 4);
            if (close == std::string_view::npos || close + 1 >= data.size() || data[close + 1] != ':' ||
                !ParseHexNumber(digits, value.Type))
                Fail("value type " + Quote(data.substr(0, data.find(':'))) +
                     " is not hex(<1 to 8 hex digits>):");
            ReadHex(data.substr(close + 2), value.Data);
            ConvertTextTypes(value);
        } else {
            const size_t colon = data.find(':');
            if (colon == std::string_view::npos || colon == 0)
                Fail("value " + Quote(data) + " is neither a quoted string, dword:, hex: nor hex(<type>):");
            Fail("unknown value type " + Quote(data.substr(0, colon)));
        }
        if (current_)
            current_->SetValue(name, std::move(value));
    }

    static bool ParseHexNumber(std::string_view digits, uint32_t& number) {
        if (digits.empty() || digits.size() > 8)
            return false;
        number = 0;
        for (char c : digits) {
            const int d = HexDigit(c);
            if (d < 0)
                return false;
            number = number << 4 | static_cast<uint32_t>(d);
        }
        return true;
    }

    RegValue ReadDWord(std::string_view digits) const {
        uint32_t number = 0;
        if (!ParseHexNumber(digits, number))
            Fail("dword value " + Quote(digits) + " is not 1 to 8 hex digits");
        RegValue value;
        value.Type = static_cast<uint32_t>(RegDataType::DWord);
        for (int k = 0; k < 4; ++k)
            value.Data += static_cast<char>((number >> (8 * k)) & 0xFF);
        return value;
    }

    void CheckDataSize(size_t size) const {
        if (size > kMaxValueDataBytes)
            Fail("value data longer than " + std::to_string(kMaxValueDataBytes) + " bytes");
    }

    // Comma-separated two-digit hex bytes; a line ending in "\" continues on the next line.
    void ReadHex(std::string_view segment, std::string& out) {
        bool expectByte = true;
        bool any = false;
        while (true) {
            size_t i = 0;
            const size_t n = segment.size();
            bool continued = false;
            while (i < n) {
                if (expectByte)
                    i = ReadHexRun(segment, i, out, any);
                if (i >= n)
                    break;
                const char c = segment[i];
                if (IsBlank(c)) {
                    ++i;
                    continue;
                }
                if (expectByte) {
                    if (c == '\\' && TrimLeft(segment.substr(i + 1)).empty()) {
                        continued = true;
                        break;
                    }
                    const int high = HexDigit(c);
                    const int low = i + 1 < n ? HexDigit(segment[i + 1]) : -1;
                    const bool twoDigits =
                        high >= 0 && low >= 0 && (i + 2 >= n || HexDigit(segment[i + 2]) < 0);
                    if (!twoDigits)
                        Fail("hex item " + Quote(segment.substr(i, segment.find(',', i) - i)) +
                             " is not a two-digit hex byte");
                    out += static_cast<char>(high << 4 | low);
                    i += 2;
                    expectByte = false;
                    any = true;
                    continue;
                }
                if (c == ',') {
                    expectByte = true;
                    ++i;
                    continue;
                }
                if (c == '\\' && TrimLeft(segment.substr(i + 1)).empty())
                    Fail("hex value continues with '\\' without a ',' before it");
                Fail("',' expected between hex bytes, found " + Quote(segment.substr(i)));
            }
            CheckDataSize(out.size());
            if (!continued) {
                if (expectByte && any)
                    Fail("hex value ends with ',' (cut off?)");
                return;
            }
            if (!NextLine(segment))
                Fail("the file ends inside a hex value continued with '\\' (cut off?)");
            if (TrimLeft(segment).empty())
                Fail("hex value continued with '\\' is followed by an empty line (cut off?)");
        }
    }

    // The bulk of a hex value: items "xx," one after another, as export files hold them. Decodes
    // them from segment[i] on straight into `out`, which grows by doubling (appending byte by byte
    // costs a capacity check each), and returns where the first other character is; ReadHex reads
    // the rest of the line and reports any fault there. The comma is taken, so a byte is expected
    // next, as before the run.
    static size_t ReadHexRun(std::string_view segment, size_t i, std::string& out, bool& any) {
        const size_t n = segment.size();
        if (i + 3 > n)
            return i;
        const size_t start = out.size();
        const size_t most = start + (n - i) / 3;
        if (out.capacity() < most)
            out.reserve(std::max(most, out.capacity() * 2));
        out.resize(most);
        char* p = out.data() + start;
        const char* s = segment.data();
        while (i + 3 <= n && s[i + 2] == ',') {
            const int high = HexDigit(s[i]);
            const int low = HexDigit(s[i + 1]);
            if ((high | low) < 0)
                break;
            *p++ = static_cast<char>(high << 4 | low);
            i += 3;
        }
        const size_t got = static_cast<size_t>(p - out.data()) - start;
        out.resize(start + got);
        any = any || got > 0;
        return i;
    }

    // Version 5 files give the string types and multi-strings in UTF-16; both versions end
    // strings with a zero that our values do not keep.
    void ConvertTextTypes(RegValue& value) const {
        const bool text = value.Type == static_cast<uint32_t>(RegDataType::String) ||
                          value.Type == static_cast<uint32_t>(RegDataType::ExpandString);
        const bool multi = value.Type == static_cast<uint32_t>(RegDataType::MultiString);
        if (!text && !multi)
            return;
        if (format_ == TextFormat::Version5) {
            if (value.Data.size() % 2 != 0)
                return; // not UTF-16 after all: kept as read
            value.Data = Utf8ToCp1251(Utf16ToUtf8(value.Data, /*bigEndian=*/false, U'?'));
        }
        if (text && !value.Data.empty() && value.Data.back() == '\0')
            value.Data.pop_back();
    }

    std::string_view text_;
    bool utf8_;
    std::string_view fileName_;
    RootSet allowed_;
    RegistryTree& tree_;
    size_t position_ = 0;
    int lineNumber_ = 0;
    TextFormat format_ = TextFormat::Version4;
    RegKeyNode* current_ = nullptr;
    bool afterDeletion_ = false; // value lines after "[-key]" are ignored, as Windows does
    std::string converted_;
    std::string nameStorage_; // a value name that had to be unescaped or converted
    std::vector<std::string_view> parts_;
    // The keys of the previous key line (see OpenPath).
    std::optional<RootKey> chainRoot_;
    std::vector<std::string> chainNames_;
    std::vector<RegKeyNode*> chainNodes_;
};

// ---- writer ----

// Output text built through a pointer into space grown ahead (std::string::append is a call per
// piece, which dominates writing many small values). Put* never writes past the reserved space.
class TextBuffer {
public:
    explicit TextBuffer(size_t expectedBytes) : text_(std::max<size_t>(expectedBytes, kMinimumRoom), '\0') {}

    // Room for `count` more bytes; returns where they go.
    char* Room(size_t count) {
        if (used_ + count > text_.size())
            text_.resize(std::max(text_.size() * 2, used_ + count));
        return text_.data() + used_;
    }
    void Advance(size_t count) { used_ += count; }
    void Put(const char* bytes, size_t count) {
        std::memcpy(Room(count), bytes, count);
        used_ += count;
    }
    void Put(std::string_view text) { Put(text.data(), text.size()); }
    void Put(char c) {
        *Room(1) = c;
        ++used_;
    }
    size_t Size() const { return used_; }
    void CutBack(size_t size) { used_ = std::min(used_, size); }
    std::string Take() {
        text_.resize(used_);
        return std::move(text_);
    }

private:
    static constexpr size_t kMinimumRoom = 4096;
    std::string text_;
    size_t used_ = 0;
};

// How the writer treats each cp1251 byte: copied, escaped with a backslash, converted to its
// UTF-8 form (up to three bytes), or a line break, which cannot stand in a quoted text.
struct WriterTable {
    enum Kind : uint8_t { Plain, Escape, Convert, LineBreak };
    std::array<Kind, 256> kinds{};
    std::array<std::array<char, 4>, 256> utf8{};
    std::array<uint8_t, 256> utf8Lengths{};
    WriterTable() {
        for (int b = 0; b < 256; ++b) {
            const auto i = static_cast<size_t>(b);
            kinds[i] = b >= 0x80                  ? Convert
                       : (b == '\\' || b == '"')  ? Escape
                       : (b == '\r' || b == '\n') ? LineBreak
                                                  : Plain;
            const std::string bytes = Cp1251ToUtf8(std::string(1, static_cast<char>(b)));
            utf8Lengths[i] = static_cast<uint8_t>(bytes.size());
            std::memcpy(utf8[i].data(), bytes.data(), bytes.size());
        }
    }
};

const WriterTable kWriter;

// Whether any byte of the 8 in `word` equals `byte` (the classic zero-byte test on word ^ byte).
constexpr bool HasByte(uint64_t word, unsigned char byte) {
    const uint64_t x = word ^ (0x0101010101010101ULL * byte);
    return ((x - 0x0101010101010101ULL) & ~x & 0x8080808080808080ULL) != 0;
}

// 8 bytes that go out as they are: ASCII without quote, backslash or line break.
bool PlainWord(uint64_t word) {
    return !(word & 0x8080808080808080ULL) && !HasByte(word, '"') && !HasByte(word, '\\') &&
           !HasByte(word, '\n') && !HasByte(word, '\r');
}

// Key paths go out as they are; names and strings are quoted, with "\\" and '"' escaped. A
// string with a CR or LF goes as hex instead; a name cannot hold an LF (it ends the line it was
// read from) and keeps a CR as it is, since only a CR at the end of a line is taken off.
enum class TextMode { KeyPath, Name, String };

// cp1251 text as UTF-8. False, with nothing written, for a String with a line break.
bool AppendText(TextBuffer& out, std::string_view text, TextMode mode) {
    // At most three output bytes for each input byte, plus one: a converted byte is copied as four.
    char* const start = out.Room(text.size() * 3 + 1);
    char* p = start;
    size_t i = 0;
    while (i < text.size()) {
        if (i + 8 <= text.size()) {
            uint64_t word;
            std::memcpy(&word, text.data() + i, 8);
            if (PlainWord(word)) {
                std::memcpy(p, &word, 8);
                p += 8;
                i += 8;
                continue;
            }
        }
        const char c = text[i++];
        const auto byte = static_cast<unsigned char>(c);
        const WriterTable::Kind kind = kWriter.kinds[byte];
        if (kind == WriterTable::Plain) {
            *p++ = c;
            continue;
        }
        if (kind == WriterTable::Convert) {
            std::memcpy(p, kWriter.utf8[byte].data(), 4);
            p += kWriter.utf8Lengths[byte];
            continue;
        }
        if (kind == WriterTable::LineBreak && mode == TextMode::String)
            return false;
        if (kind == WriterTable::LineBreak || mode == TextMode::KeyPath) {
            *p++ = c;
            continue;
        }
        *p++ = '\\';
        *p++ = c;
    }
    out.Advance(static_cast<size_t>(p - start));
    return true;
}

// Lines of hex bytes stay within 80 columns, as Windows writes them.
constexpr size_t kHexLineColumns = 77;
constexpr char kHexDigits[] = "0123456789abcdef";

// `terminator` adds the zero that strings given as hex carry, as Windows writes them.
void AppendHex(TextBuffer& out, std::string_view data, bool terminator, size_t column) {
    const size_t count = data.size() + (terminator ? 1 : 0);
    // Three characters a byte, and a four-character break at least every 24 bytes (plus one early
    // break after a long name).
    char* const start = out.Room(count * 3 + (count / 24 + 2) * 4);
    char* p = start;
    for (size_t i = 0; i < count; ++i) {
        if (i > 0) {
            *p++ = ',';
            ++column;
            if (column >= kHexLineColumns) {
                std::memcpy(p, "\\\n  ", 4);
                p += 4;
                column = 2;
            }
        }
        const auto b = i < data.size() ? static_cast<unsigned char>(data[i]) : 0;
        *p++ = kHexDigits[b >> 4];
        *p++ = kHexDigits[b & 15];
        column += 2;
    }
    out.Advance(static_cast<size_t>(p - start));
}

void AppendValue(TextBuffer& out, const RegNamedValue& named) {
    const size_t lineStart = out.Size();
    if (named.Name.empty()) {
        out.Put('@');
    } else {
        out.Put('"');
        AppendText(out, named.Name, TextMode::Name);
        out.Put('"');
    }
    out.Put('=');
    const RegValue& value = named.Value;
    const std::string& data = value.Data;
    const auto type = static_cast<RegDataType>(value.Type);
    if (type == RegDataType::String) {
        const size_t quoteAt = out.Size();
        out.Put('"');
        if (AppendText(out, data, TextMode::String)) {
            out.Put("\"\n");
            return;
        }
        out.CutBack(quoteAt); // a string with line breaks goes as hex(1)
    }
    if (type == RegDataType::DWord && data.size() == 4) {
        char digits[] = "dword:00000000\n";
        for (size_t k = 0; k < 4; ++k) {
            const auto b = static_cast<unsigned char>(data[3 - k]);
            digits[6 + 2 * k] = kHexDigits[b >> 4];
            digits[7 + 2 * k] = kHexDigits[b & 15];
        }
        out.Put(digits, sizeof digits - 1);
        return;
    }
    if (type == RegDataType::Binary) {
        out.Put("hex:");
    } else {
        char prefix[24];
        const int length = std::snprintf(prefix, sizeof prefix, "hex(%x):", value.Type);
        out.Put(prefix, static_cast<size_t>(length));
    }
    const bool terminated = type == RegDataType::String || type == RegDataType::ExpandString;
    AppendHex(out, data, terminated, out.Size() - lineStart);
    out.Put('\n');
}

void AppendKey(TextBuffer& out, const RegKeyNode& key, std::string& path, bool isRoot) {
    if (!key.Values().empty() || (!isRoot && key.SubKeys().empty())) {
        out.Put("\n[");
        AppendText(out, path, TextMode::KeyPath);
        out.Put("]\n");
        for (const RegNamedValue& value : key.Values())
            AppendValue(out, value);
    }
    for (const auto& sub : key.SubKeys()) {
        const size_t length = path.size();
        path += '\\';
        path += sub->Name();
        AppendKey(out, *sub, path, /*isRoot=*/false);
        path.resize(length);
    }
}

} // namespace

RegistryTree ReadRegistryText(std::string_view bytes, std::string_view fileName, RootSet allowed) {
    if (bytes.size() > kMaxRegistryFileBytes)
        throw RegistryFileError(std::string(fileName), 0,
                                "larger than " + std::to_string(kMaxRegistryFileBytes) + " bytes");
    std::string storage;
    const DecodedText text = DecodeText(bytes, storage, fileName);
    RegistryTree tree;
    Parser(text, fileName, allowed, tree).Run();
    return tree;
}

std::string WriteRegistryText(const RegistryTree& tree, RootSet roots, size_t expectedBytes) {
    TextBuffer out(expectedBytes);
    out.Put(kHeaderVersion4);
    out.Put('\n');
    for (int i = 0; i < kRootKeyCount; ++i) {
        const auto root = static_cast<RootKey>(i);
        if (!roots.Has(root))
            continue;
        std::string path = RootKeyName(root);
        AppendKey(out, tree.Root(root), path, /*isRoot=*/true);
    }
    return out.Take();
}

} // namespace plat
