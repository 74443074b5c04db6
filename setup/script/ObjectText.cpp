// Writing the text form of a stream tree (see ObjectText.h for the syntax).
#include "setup/script/ObjectText.h"

#include "platform/text/Cp1251.h"
#include "platform/text/Utf8.h"

#include <cctype>

namespace setup {

namespace {

constexpr size_t kHexBytesPerLine = 32;
constexpr const char* kHexDigits = "0123456789ABCDEF";

std::string Hex(std::string_view bytes) {
    std::string out;
    for (char c : bytes) {
        out += kHexDigits[(static_cast<uint8_t>(c) >> 4) & 0xF];
        out += kHexDigits[static_cast<uint8_t>(c) & 0xF];
    }
    return out;
}

bool IsPlainWord(std::string_view text) {
    if (text.empty() || !(std::isalpha(static_cast<unsigned char>(text[0])) || text[0] == '_'))
        return false;
    for (char c : text)
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.'))
            return false;
    return true;
}

// Words the parser reads as syntax where a name or an identifier would stand (exact case, as the
// parser compares them).
bool IsReservedName(std::string_view text) {
    return text == "end" || text == "object";
}
bool IsReservedIdent(std::string_view text) {
    return text == "True" || text == "False" || text == "nil";
}

// Quoted literal of decoded characters: printable ones inside quotes, controls as #N.
// `chars` are UTF-8 encoded code points, with a flag for those to write as #N.
struct Piece {
    std::string Utf8;
    bool Escaped = false;
    uint32_t Code = 0;
};

std::string Literal(const std::vector<Piece>& pieces) {
    std::string out;
    bool inQuotes = false;
    for (const Piece& piece : pieces) {
        if (piece.Escaped) {
            if (inQuotes)
                out += '\'';
            inQuotes = false;
            out += "#" + std::to_string(piece.Code);
            continue;
        }
        if (!inQuotes)
            out += '\'';
        inQuotes = true;
        out += piece.Utf8 == "'" ? "''" : piece.Utf8;
    }
    if (inQuotes)
        out += '\'';
    if (out.empty())
        out = "''";
    return out;
}

std::string AnsiLiteral(std::string_view bytes) {
    std::vector<Piece> pieces;
    for (char c : bytes) {
        auto u = static_cast<uint8_t>(c);
        if (u < 0x20 || u == 0x7F)
            pieces.push_back({"", true, u});
        else
            pieces.push_back({plat::Cp1251ToUtf8(std::string_view(&c, 1)), false, u});
    }
    return Literal(pieces);
}

// Length of the valid UTF-8 sequence at `i`, 0 when there is none.
size_t Utf8Sequence(std::string_view s, size_t i) {
    auto u = static_cast<uint8_t>(s[i]);
    size_t length = u < 0x80             ? 1
                    : (u & 0xE0) == 0xC0 ? 2
                    : (u & 0xF0) == 0xE0 ? 3
                    : (u & 0xF8) == 0xF0 ? 4
                                         : 0;
    if (length == 0 || i + length > s.size() || (length == 2 && u < 0xC2))
        return 0;
    for (size_t k = 1; k < length; ++k)
        if ((static_cast<uint8_t>(s[i + k]) & 0xC0) != 0x80)
            return 0;
    return length;
}

std::string Utf8Literal(std::string_view bytes) {
    std::vector<Piece> pieces;
    for (size_t i = 0; i < bytes.size();) {
        auto u = static_cast<uint8_t>(bytes[i]);
        size_t length = Utf8Sequence(bytes, i);
        if (length == 0 || u < 0x20 || u == 0x7F) {
            pieces.push_back({"", true, u});
            ++i;
            continue;
        }
        pieces.push_back({std::string(bytes.substr(i, length)), false, u});
        i += length;
    }
    return Literal(pieces);
}

// Wide strings as W'...' when each unit is a plain character (or a valid pair), else as hex.
std::string WideLiteral(std::string_view bytes) {
    std::vector<Piece> pieces;
    size_t count = bytes.size() / 2;
    auto unit = [&](size_t i) {
        return static_cast<uint32_t>(static_cast<uint8_t>(bytes[2 * i])) |
               (static_cast<uint32_t>(static_cast<uint8_t>(bytes[2 * i + 1])) << 8);
    };
    for (size_t i = 0; i < count; ++i) {
        uint32_t c = unit(i);
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < count && unit(i + 1) >= 0xDC00 && unit(i + 1) < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (unit(i + 1) - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c < 0xE000) {
            return "wide:" + Hex(bytes);
        }
        if (c < 0x20 || c == 0x7F) {
            pieces.push_back({"", true, c});
            continue;
        }
        std::string utf8;
        plat::AppendUtf8(utf8, c);
        pieces.push_back({utf8, false, c});
    }
    return "W" + Literal(pieces);
}

std::string Name(std::string_view name) {
    if (IsPlainWord(name) && !IsReservedName(name))
        return std::string(name);
    return AnsiLiteral(name);
}

ValueTag SmallestIntTag(int64_t value) {
    if (value >= -128 && value <= 127)
        return ValueTag::Int8;
    if (value >= -32768 && value <= 32767)
        return ValueTag::Int16;
    if (value >= INT32_MIN && value <= INT32_MAX)
        return ValueTag::Int32;
    return ValueTag::Int64;
}

class Dumper {
  public:
    std::string Out;

    void Indent(int depth) { Out.append(static_cast<size_t>(depth) * 2, ' '); }

    void Value(const StreamValue& value, int depth);
    void Properties(const std::vector<StreamProperty>& properties, int depth) {
        for (const StreamProperty& property : properties) {
            Indent(depth);
            Out += Name(property.Name) + " = ";
            Value(property.Value, depth);
            Out += "\n";
        }
    }
    void Component(const StreamComponent& component, int depth);
};

void Dumper::Value(const StreamValue& value, int depth) {
    switch (value.Tag) {
    case ValueTag::Null:
        Out += "nil";
        return;
    case ValueTag::List:
        Out += "(";
        for (const StreamValue& item : value.List) {
            Out += "\n";
            Indent(depth + 1);
            Value(item, depth + 1);
        }
        Out += ")";
        return;
    case ValueTag::Int8:
    case ValueTag::Int16:
    case ValueTag::Int32:
    case ValueTag::Int64: {
        if (SmallestIntTag(value.Int) != value.Tag) {
            const char* prefix = value.Tag == ValueTag::Int8    ? "i8:"
                                 : value.Tag == ValueTag::Int16 ? "i16:"
                                 : value.Tag == ValueTag::Int32 ? "i32:"
                                                                : "i64:";
            Out += prefix;
        }
        Out += std::to_string(value.Int);
        return;
    }
    case ValueTag::Extended:
        Out += "ext:" + Hex(value.Bytes);
        return;
    case ValueTag::Single:
        Out += "single:" + Hex(value.Bytes);
        return;
    case ValueTag::Currency:
        Out += "currency:" + Hex(value.Bytes);
        return;
    case ValueTag::Date:
        Out += "date:" + Hex(value.Bytes);
        return;
    case ValueTag::Double:
        Out += "double:" + Hex(value.Bytes);
        return;
    case ValueTag::String:
        Out += AnsiLiteral(value.Bytes);
        return;
    case ValueTag::LString:
        Out += (value.Bytes.size() <= 255 ? "L" : "") + AnsiLiteral(value.Bytes);
        return;
    case ValueTag::WString:
        Out += WideLiteral(value.Bytes);
        return;
    case ValueTag::Utf8String:
        Out += "U" + Utf8Literal(value.Bytes);
        return;
    case ValueTag::Ident:
        Out += IsPlainWord(value.Bytes) && !IsReservedIdent(value.Bytes) ? value.Bytes
                                                                         : "ident" + AnsiLiteral(value.Bytes);
        return;
    case ValueTag::False:
        Out += "False";
        return;
    case ValueTag::True:
        Out += "True";
        return;
    case ValueTag::Nil:
        Out += "nil";
        return;
    case ValueTag::Set:
        Out += "[";
        for (size_t i = 0; i < value.Set.size(); ++i)
            Out += (i ? ", " : "") + Name(value.Set[i]);
        Out += "]";
        return;
    case ValueTag::Binary:
        Out += "{";
        for (size_t i = 0; i < value.Bytes.size(); i += kHexBytesPerLine) {
            Out += "\n";
            Indent(depth + 1);
            Out += Hex(std::string_view(value.Bytes).substr(i, kHexBytesPerLine));
        }
        Out += "}";
        return;
    case ValueTag::Collection:
        Out += "<";
        for (const CollectionItem& item : value.Items) {
            Out += "\n";
            Indent(depth + 1);
            Out += "item";
            if (item.HasIndex) {
                Out += " [";
                Value(item.Index, depth + 1);
                Out += "]";
            }
            Out += "\n";
            Properties(item.Properties, depth + 2);
            Indent(depth + 1);
            Out += "end";
        }
        Out += ">";
        return;
    }
}

void Dumper::Component(const StreamComponent& component, int depth) {
    Indent(depth);
    Out += "object " + Name(component.Name) + ": " + Name(component.ClassName);
    if (component.HasFlagsByte) {
        Out += " flags " + std::to_string(component.Flags);
        if (component.Flags & 2) {
            Out += " position ";
            Value(component.Position, depth);
        }
    }
    Out += "\n";
    Properties(component.Properties, depth + 1);
    for (const StreamComponent& child : component.Children)
        Component(child, depth + 1);
    Indent(depth);
    Out += "end\n";
}

} // namespace

std::string DumpObjectText(const StreamComponent& root) {
    Dumper dumper;
    dumper.Component(root, 0);
    return dumper.Out;
}

} // namespace setup
