// Reading the text form back into a stream tree (see ObjectText.h for the syntax). Every error
// names the source, the line and what was expected.
#include "platform/core/Exceptions.h"
#include "platform/text/Cp1251.h"
#include "platform/text/Utf8.h"
#include "setup/script/ObjectText.h"

#include <cctype>
#include <charconv>

namespace setup {

namespace {

bool IsWordChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.';
}

void AppendUtf16(std::string& out, uint32_t unit) {
    out += static_cast<char>(unit & 0xFF);
    out += static_cast<char>((unit >> 8) & 0xFF);
}

// Decodes one UTF-8 character at `i`; a malformed byte is taken as U+FFFD of length 1.
uint32_t DecodeUtf8(std::string_view s, size_t& i) {
    char32_t cp = 0;
    return plat::DecodeUtf8(s, i, cp) ? static_cast<uint32_t>(cp) : 0xFFFD;
}

enum class LiteralKind { Ansi, Wide, Utf8 };

class TextParser {
  public:
    TextParser(std::string_view text, const std::string& sourceName) : text_(text), sourceName_(sourceName) {}

    [[noreturn]] void Fail(const std::string& what) const {
        throw plat::Exception(sourceName_ + ":" + std::to_string(line_) + ": " + what);
    }

    void SkipBlanks() {
        while (pos_ < text_.size()) {
            char c = text_[pos_];
            if (c == '\n')
                ++line_;
            else if (c != ' ' && c != '\t' && c != '\r')
                return;
            ++pos_;
        }
    }
    char Peek() {
        SkipBlanks();
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }
    void Expect(char c) {
        if (Peek() != c)
            Fail(std::string("expected '") + c + "'");
        ++pos_;
    }
    std::string Word() {
        SkipBlanks();
        size_t start = pos_;
        while (pos_ < text_.size() && IsWordChar(text_[pos_]))
            ++pos_;
        return std::string(text_.substr(start, pos_ - start));
    }
    bool AtWord(std::string_view word) {
        SkipBlanks();
        if (text_.substr(pos_, word.size()) != word)
            return false;
        size_t end = pos_ + word.size();
        return end >= text_.size() || !IsWordChar(text_[end]);
    }
    bool AtEnd() {
        SkipBlanks();
        return pos_ >= text_.size();
    }

    std::string Literal(LiteralKind kind);
    std::string Name();
    std::string HexBytes(size_t exact, bool overLines = false);
    int64_t Integer();
    StreamValue Value(int depth);
    void Properties(std::vector<StreamProperty>& out, int depth, bool inItem);
    StreamComponent Component(int depth);

  private:
    std::string_view text_;
    const std::string& sourceName_;
    size_t pos_ = 0;
    int line_ = 1;
};

std::string TextParser::Literal(LiteralKind kind) {
    std::string out;
    bool any = false;
    for (;;) {
        char c = pos_ < text_.size() ? text_[pos_] : '\0';
        if (c == '#') {
            ++pos_;
            size_t start = pos_;
            while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_])))
                ++pos_;
            uint32_t code = 0;
            auto [end, error] = std::from_chars(text_.data() + start, text_.data() + pos_, code);
            uint32_t limit = kind == LiteralKind::Wide ? 0xFFFF : 0xFF;
            if (start == pos_ || error != std::errc() || code > limit)
                Fail("bad character code after '#'");
            if (kind == LiteralKind::Wide)
                AppendUtf16(out, code);
            else
                out += static_cast<char>(code);
            any = true;
            continue;
        }
        if (c != '\'')
            break;
        ++pos_;
        for (;;) {
            if (pos_ >= text_.size() || text_[pos_] == '\n')
                Fail("string not closed on its line");
            if (text_[pos_] == '\'') {
                if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '\'') {
                    pos_ += 2;
                    out += kind == LiteralKind::Wide ? std::string("'\0", 2) : "'";
                    continue;
                }
                ++pos_;
                break;
            }
            size_t start = pos_;
            uint32_t code = DecodeUtf8(text_, pos_);
            if (kind == LiteralKind::Utf8) {
                out.append(text_.substr(start, pos_ - start));
            } else if (kind == LiteralKind::Ansi) {
                std::string utf8;
                plat::AppendUtf8(utf8, code);
                out += plat::Utf8ToCp1251(utf8);
            } else if (code >= 0x10000) {
                AppendUtf16(out, 0xD800 + ((code - 0x10000) >> 10));
                AppendUtf16(out, 0xDC00 + ((code - 0x10000) & 0x3FF));
            } else {
                AppendUtf16(out, code);
            }
        }
        any = true;
    }
    if (!any)
        Fail("expected a string");
    return out;
}

std::string TextParser::Name() {
    char c = Peek();
    if (c == '\'' || c == '#')
        return Literal(LiteralKind::Ansi);
    std::string word = Word();
    if (word.empty())
        Fail("expected a name");
    return word;
}

std::string TextParser::HexBytes(size_t exact, bool overLines) {
    std::string out;
    int high = -1;
    for (;;) {
        // Hex after a prefix ("ext:") is one word; binary blocks run over lines.
        if (overLines)
            SkipBlanks();
        char c = pos_ < text_.size() ? text_[pos_] : '\0';
        int digit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                    : (c >= 'A' && c <= 'F')                    ? c - 'A' + 10
                    : (c >= 'a' && c <= 'f')                    ? c - 'a' + 10
                                                                : -1;
        if (digit < 0)
            break;
        ++pos_;
        if (high < 0) {
            high = digit;
            continue;
        }
        out += static_cast<char>(high * 16 + digit);
        high = -1;
        if (exact && out.size() == exact)
            break;
    }
    if (high >= 0)
        Fail("odd number of hex digits");
    if (exact && out.size() != exact)
        Fail("expected " + std::to_string(exact) + " bytes in hex");
    return out;
}

int64_t TextParser::Integer() {
    SkipBlanks();
    size_t start = pos_;
    if (pos_ < text_.size() && text_[pos_] == '-')
        ++pos_;
    while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_])))
        ++pos_;
    int64_t value = 0;
    auto [end, error] = std::from_chars(text_.data() + start, text_.data() + pos_, value);
    if (start == pos_ || error != std::errc() || end != text_.data() + pos_)
        Fail("expected an integer");
    return value;
}

StreamValue TextParser::Value(int depth) {
    if (depth > kMaxNestingDepth)
        Fail("values nested deeper than " + std::to_string(kMaxNestingDepth));
    StreamValue value;
    char c = Peek();
    if (c == '\'' || c == '#') {
        value.Bytes = Literal(LiteralKind::Ansi);
        value.Tag = value.Bytes.size() > 255 ? ValueTag::LString : ValueTag::String;
        return value;
    }
    if (c == '-' || std::isdigit(static_cast<unsigned char>(c))) {
        value.Int = Integer();
        value.Tag = value.Int >= -128 && value.Int <= 127              ? ValueTag::Int8
                    : value.Int >= -32768 && value.Int <= 32767        ? ValueTag::Int16
                    : value.Int >= INT32_MIN && value.Int <= INT32_MAX ? ValueTag::Int32
                                                                       : ValueTag::Int64;
        return value;
    }
    if (c == '(') {
        ++pos_;
        value.Tag = ValueTag::List;
        while (Peek() != ')') {
            if (AtEnd())
                Fail("list not closed");
            value.List.push_back(Value(depth + 1));
        }
        ++pos_;
        return value;
    }
    if (c == '[') {
        ++pos_;
        value.Tag = ValueTag::Set;
        while (Peek() != ']') {
            if (!value.Set.empty())
                Expect(',');
            value.Set.push_back(Name());
            if (value.Set.back().empty())
                Fail("empty set element");
        }
        ++pos_;
        return value;
    }
    if (c == '{') {
        ++pos_;
        value.Tag = ValueTag::Binary;
        value.Bytes = HexBytes(0, /*overLines=*/true);
        Expect('}');
        return value;
    }
    if (c == '<') {
        ++pos_;
        value.Tag = ValueTag::Collection;
        while (Peek() != '>') {
            if (!AtWord("item"))
                Fail("expected 'item' or '>'");
            Word();
            CollectionItem item;
            if (Peek() == '[') {
                ++pos_;
                item.HasIndex = true;
                item.Index = Value(depth + 1);
                ValueTag tag = item.Index.Tag;
                if (tag != ValueTag::Int8 && tag != ValueTag::Int16 && tag != ValueTag::Int32)
                    Fail("collection index must be an integer of at most 32 bits");
                Expect(']');
            }
            Properties(item.Properties, depth + 1, true);
            value.Items.push_back(std::move(item));
        }
        ++pos_;
        return value;
    }
    std::string word = Word();
    if (word.empty())
        Fail("expected a value");
    struct Prefixed {
        const char* Word;
        ValueTag Tag;
        size_t Bytes;
    };
    static const Prefixed kRaw[] = {{"ext", ValueTag::Extended, 10},
                                    {"single", ValueTag::Single, 4},
                                    {"currency", ValueTag::Currency, 8},
                                    {"date", ValueTag::Date, 8},
                                    {"double", ValueTag::Double, 8}};
    for (const Prefixed& raw : kRaw) {
        if (word == raw.Word && pos_ < text_.size() && text_[pos_] == ':') {
            ++pos_;
            value.Tag = raw.Tag;
            value.Bytes = HexBytes(raw.Bytes);
            return value;
        }
    }
    static const Prefixed kInts[] = {{"i8", ValueTag::Int8, 1},
                                     {"i16", ValueTag::Int16, 2},
                                     {"i32", ValueTag::Int32, 4},
                                     {"i64", ValueTag::Int64, 8}};
    for (const Prefixed& prefix : kInts) {
        if (word == prefix.Word && pos_ < text_.size() && text_[pos_] == ':') {
            ++pos_;
            value.Tag = prefix.Tag;
            value.Int = Integer();
            if (prefix.Bytes < 8) {
                int64_t limit = int64_t(1) << (8 * prefix.Bytes - 1);
                if (value.Int < -limit || value.Int >= limit)
                    Fail("integer out of range for " + word);
            }
            return value;
        }
    }
    if (word == "wide" && pos_ < text_.size() && text_[pos_] == ':') {
        ++pos_;
        value.Tag = ValueTag::WString;
        value.Bytes = HexBytes(0);
        if (value.Bytes.size() % 2)
            Fail("wide string of an odd number of bytes");
        return value;
    }
    bool quoteFollows = pos_ < text_.size() && (text_[pos_] == '\'' || text_[pos_] == '#');
    if (quoteFollows && (word == "L" || word == "W" || word == "U" || word == "ident")) {
        value.Tag = word == "L"   ? ValueTag::LString
                    : word == "W" ? ValueTag::WString
                    : word == "U" ? ValueTag::Utf8String
                                  : ValueTag::Ident;
        value.Bytes = Literal(word == "W"   ? LiteralKind::Wide
                              : word == "U" ? LiteralKind::Utf8
                                            : LiteralKind::Ansi);
        if (value.Tag == ValueTag::Ident && value.Bytes.size() > 255)
            Fail("identifier longer than 255 bytes");
        return value;
    }
    if (word == "True" || word == "False" || word == "nil") {
        value.Tag = word == "True" ? ValueTag::True : word == "False" ? ValueTag::False : ValueTag::Nil;
        return value;
    }
    if (word.size() > 255)
        Fail("identifier longer than 255 bytes");
    value.Tag = ValueTag::Ident;
    value.Bytes = word;
    return value;
}

void TextParser::Properties(std::vector<StreamProperty>& out, int depth, bool inItem) {
    for (;;) {
        if (AtEnd())
            Fail("expected 'end'");
        if (AtWord("end")) {
            if (inItem)
                Word();
            return;
        }
        if (!inItem && AtWord("object"))
            return;
        StreamProperty property;
        property.Name = Name();
        if (property.Name.size() > 255)
            Fail("property name longer than 255 bytes");
        Expect('=');
        property.Value = Value(depth);
        out.push_back(std::move(property));
    }
}

StreamComponent TextParser::Component(int depth) {
    if (depth > kMaxNestingDepth)
        Fail("components nested deeper than " + std::to_string(kMaxNestingDepth));
    if (!AtWord("object"))
        Fail("expected 'object'");
    Word();
    StreamComponent component;
    component.Name = Name();
    Expect(':');
    component.ClassName = Name();
    if (component.Name.size() > 255 || component.ClassName.size() > 255)
        Fail("name longer than 255 bytes");
    if (component.ClassName.empty() && depth > 0)
        Fail("component without a class name");
    if (AtWord("flags")) {
        Word();
        int64_t flags = Integer();
        if (flags < 0 || flags > 15)
            Fail("flags must be 0 to 15");
        component.HasFlagsByte = true;
        component.Flags = static_cast<uint8_t>(flags);
        if (component.Flags & 2) {
            if (!AtWord("position"))
                Fail("expected 'position' for flags with bit 2");
            Word();
            component.Position = Value(depth);
            ValueTag tag = component.Position.Tag;
            if (tag != ValueTag::Int8 && tag != ValueTag::Int16 && tag != ValueTag::Int32)
                Fail("position must be an integer of at most 32 bits");
        }
    }
    Properties(component.Properties, depth, false);
    while (AtWord("object"))
        component.Children.push_back(Component(depth + 1));
    if (!AtWord("end"))
        Fail("expected 'end'");
    Word();
    return component;
}

} // namespace

StreamComponent ParseObjectText(std::string_view text, const std::string& sourceName) {
    if (text.size() > kMaxStreamBytes * 4)
        throw plat::Exception(sourceName + ": text too large");
    TextParser parser(text, sourceName);
    StreamComponent root = parser.Component(0);
    if (!parser.AtEnd())
        parser.Fail("unexpected text after the last 'end'");
    return root;
}

} // namespace setup
