// Object stream reader and writer. The reader checks every length against the bytes left before
// it allocates anything, and every nesting step against kMaxNestingDepth.
#include "setup/script/ObjectStream.h"

#include "platform/core/Exceptions.h"
#include "platform/text/Cp1251.h"
#include "platform/text/Utf8.h"

namespace setup {

namespace {

constexpr std::string_view kSignature = "TPF0";

class StreamReader {
  public:
    StreamReader(std::string_view bytes, const std::string& sourceName)
        : bytes_(bytes), sourceName_(sourceName) {}

    [[noreturn]] void Fail(size_t offset, const std::string& what) const {
        throw plat::Exception(sourceName_ + ": offset " + std::to_string(offset) + ": " + what);
    }

    size_t Offset() const { return pos_; }
    bool AtEnd() const { return pos_ >= bytes_.size(); }

    void Need(size_t count, const char* what) const {
        if (count > bytes_.size() - pos_)
            Fail(pos_, std::string("stream cut short in ") + what + " (" + std::to_string(count) +
                           " bytes needed, " + std::to_string(bytes_.size() - pos_) + " left)");
    }

    uint8_t Byte(const char* what) {
        Need(1, what);
        return static_cast<uint8_t>(bytes_[pos_++]);
    }
    uint8_t PeekByte(const char* what) const {
        Need(1, what);
        return static_cast<uint8_t>(bytes_[pos_]);
    }
    uint64_t Unsigned(size_t size, const char* what) {
        Need(size, what);
        uint64_t value = 0;
        for (size_t i = 0; i < size; ++i)
            value |= static_cast<uint64_t>(static_cast<uint8_t>(bytes_[pos_ + i])) << (8 * i);
        pos_ += size;
        return value;
    }
    std::string Raw(size_t size, const char* what) {
        Need(size, what);
        std::string out(bytes_.substr(pos_, size));
        pos_ += size;
        return out;
    }
    std::string ShortString(const char* what) { return Raw(Byte(what), what); }
    // A 4-byte length, checked against what is left (times the unit size) before anything is read.
    std::string LongBytes(size_t unit, const char* what) {
        size_t at = pos_;
        uint64_t count = Unsigned(4, what);
        if (count > (bytes_.size() - pos_) / unit)
            Fail(at, std::string("length ") + std::to_string(count) + " of " + what +
                         " runs past the end of the stream");
        return Raw(static_cast<size_t>(count * unit), what);
    }

    StreamValue Value(int depth);
    void Properties(std::vector<StreamProperty>& out, int depth);
    StreamComponent Component(int depth, bool root);

  private:
    std::string_view bytes_;
    const std::string& sourceName_;
    size_t pos_ = 0;
};

StreamValue StreamReader::Value(int depth) {
    if (depth > kMaxNestingDepth)
        Fail(pos_, "values nested deeper than " + std::to_string(kMaxNestingDepth));
    size_t at = pos_;
    uint8_t tag = Byte("value tag");
    if (tag > kLastKnownTag)
        Fail(at, "unknown value tag " + std::to_string(tag));
    StreamValue value;
    value.Tag = static_cast<ValueTag>(tag);
    switch (value.Tag) {
    case ValueTag::Null:
        Fail(at, "end-of-list tag 0 where a value was expected");
    case ValueTag::List:
        while (PeekByte("list") != 0)
            value.List.push_back(Value(depth + 1));
        ++pos_;
        break;
    case ValueTag::Int8:
        value.Int = static_cast<int8_t>(Unsigned(1, "8-bit integer"));
        break;
    case ValueTag::Int16:
        value.Int = static_cast<int16_t>(Unsigned(2, "16-bit integer"));
        break;
    case ValueTag::Int32:
        value.Int = static_cast<int32_t>(Unsigned(4, "32-bit integer"));
        break;
    case ValueTag::Int64:
        value.Int = static_cast<int64_t>(Unsigned(8, "64-bit integer"));
        break;
    case ValueTag::Extended:
        value.Bytes = Raw(10, "extended float");
        break;
    case ValueTag::Single:
        value.Bytes = Raw(4, "single float");
        break;
    case ValueTag::Currency:
    case ValueTag::Date:
    case ValueTag::Double:
        value.Bytes = Raw(8, "8-byte number");
        break;
    case ValueTag::String:
    case ValueTag::Ident:
        value.Bytes = ShortString("string");
        break;
    case ValueTag::LString:
        value.Bytes = LongBytes(1, "long string");
        break;
    case ValueTag::WString:
        value.Bytes = LongBytes(2, "wide string");
        break;
    case ValueTag::Utf8String:
        value.Bytes = LongBytes(1, "UTF-8 string");
        break;
    case ValueTag::Binary:
        value.Bytes = LongBytes(1, "binary data");
        break;
    case ValueTag::False:
    case ValueTag::True:
    case ValueTag::Nil:
        break;
    case ValueTag::Set:
        for (;;) {
            std::string element = ShortString("set");
            if (element.empty())
                break;
            value.Set.push_back(std::move(element));
        }
        break;
    case ValueTag::Collection:
        while (PeekByte("collection") != 0) {
            CollectionItem item;
            uint8_t next = PeekByte("collection item");
            if (next == 2 || next == 3 || next == 4) {
                item.HasIndex = true;
                item.Index = Value(depth + 1);
            }
            size_t listAt = pos_;
            if (Byte("collection item") != static_cast<uint8_t>(ValueTag::List))
                Fail(listAt, "collection item does not start with a list tag");
            Properties(item.Properties, depth + 1);
            value.Items.push_back(std::move(item));
        }
        ++pos_;
        break;
    }
    return value;
}

void StreamReader::Properties(std::vector<StreamProperty>& out, int depth) {
    while (PeekByte("property list") != 0) {
        StreamProperty property;
        property.Name = ShortString("property name");
        property.Value = Value(depth);
        out.push_back(std::move(property));
    }
    ++pos_;
}

StreamComponent StreamReader::Component(int depth, bool root) {
    if (depth > kMaxNestingDepth)
        Fail(pos_, "components nested deeper than " + std::to_string(kMaxNestingDepth));
    StreamComponent component;
    uint8_t first = PeekByte("component");
    if ((first & 0xF0) == 0xF0) {
        ++pos_;
        component.HasFlagsByte = true;
        component.Flags = first & 0x0F;
        if (component.Flags & 2) {
            size_t at = pos_;
            component.Position = Value(depth);
            ValueTag tag = component.Position.Tag;
            if (tag != ValueTag::Int8 && tag != ValueTag::Int16 && tag != ValueTag::Int32)
                Fail(at, "child position is not an integer");
        }
    }
    component.ClassName = ShortString("class name");
    if (component.ClassName.empty() && !root)
        Fail(pos_ - 1, "component without a class name");
    component.Name = ShortString("component name");
    Properties(component.Properties, depth);
    while (PeekByte("child list") != 0)
        component.Children.push_back(Component(depth + 1, false));
    ++pos_;
    return component;
}

void WriteUnsigned(std::string& out, uint64_t value, size_t size) {
    for (size_t i = 0; i < size; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void WriteShort(std::string& out, std::string_view text) {
    // The writer's callers keep short strings within 255 bytes; longer ones are cut, never wrapped.
    size_t size = std::min<size_t>(text.size(), 255);
    out.push_back(static_cast<char>(size));
    out.append(text.substr(0, size));
}

void WriteValue(std::string& out, const StreamValue& value);

void WriteProperties(std::string& out, const std::vector<StreamProperty>& properties) {
    for (const StreamProperty& property : properties) {
        WriteShort(out, property.Name);
        WriteValue(out, property.Value);
    }
    out.push_back(0);
}

void WriteValue(std::string& out, const StreamValue& value) {
    out.push_back(static_cast<char>(value.Tag));
    switch (value.Tag) {
    case ValueTag::Null:
    case ValueTag::False:
    case ValueTag::True:
    case ValueTag::Nil:
        break;
    case ValueTag::List:
        for (const StreamValue& item : value.List)
            WriteValue(out, item);
        out.push_back(0);
        break;
    case ValueTag::Int8:
        WriteUnsigned(out, static_cast<uint64_t>(value.Int), 1);
        break;
    case ValueTag::Int16:
        WriteUnsigned(out, static_cast<uint64_t>(value.Int), 2);
        break;
    case ValueTag::Int32:
        WriteUnsigned(out, static_cast<uint64_t>(value.Int), 4);
        break;
    case ValueTag::Int64:
        WriteUnsigned(out, static_cast<uint64_t>(value.Int), 8);
        break;
    case ValueTag::Extended:
    case ValueTag::Single:
    case ValueTag::Currency:
    case ValueTag::Date:
    case ValueTag::Double:
        out += value.Bytes;
        break;
    case ValueTag::String:
    case ValueTag::Ident:
        WriteShort(out, value.Bytes);
        break;
    case ValueTag::LString:
    case ValueTag::Utf8String:
    case ValueTag::Binary:
        WriteUnsigned(out, value.Bytes.size(), 4);
        out += value.Bytes;
        break;
    case ValueTag::WString:
        WriteUnsigned(out, value.Bytes.size() / 2, 4);
        out += value.Bytes.substr(0, value.Bytes.size() / 2 * 2);
        break;
    case ValueTag::Set:
        for (const std::string& element : value.Set)
            WriteShort(out, element);
        out.push_back(0);
        break;
    case ValueTag::Collection:
        for (const CollectionItem& item : value.Items) {
            if (item.HasIndex)
                WriteValue(out, item.Index);
            out.push_back(static_cast<char>(ValueTag::List));
            WriteProperties(out, item.Properties);
        }
        out.push_back(0);
        break;
    }
}

void WriteComponent(std::string& out, const StreamComponent& component) {
    if (component.HasFlagsByte) {
        out.push_back(static_cast<char>(0xF0 | (component.Flags & 0x0F)));
        if (component.Flags & 2)
            WriteValue(out, component.Position);
    }
    WriteShort(out, component.ClassName);
    WriteShort(out, component.Name);
    WriteProperties(out, component.Properties);
    for (const StreamComponent& child : component.Children)
        WriteComponent(out, child);
    out.push_back(0);
}


} // namespace

bool StreamValue::IsString() const {
    return Tag == ValueTag::String || Tag == ValueTag::LString || Tag == ValueTag::WString ||
           Tag == ValueTag::Utf8String;
}

std::string StreamValue::TextValue() const {
    if (Tag == ValueTag::WString)
        return plat::Utf8ToCp1251(plat::Utf16ToUtf8(Bytes, /*bigEndian=*/false, 0xFFFD));
    if (Tag == ValueTag::Utf8String)
        return plat::Utf8ToCp1251(Bytes);
    return Bytes;
}

size_t SkipResourceHeader(std::string_view bytes) {
    if (bytes.size() < 3 || static_cast<uint8_t>(bytes[0]) != 0xFF)
        return 0;
    size_t pos = 3; // FF and the 16-bit type
    if (pos < bytes.size() && static_cast<uint8_t>(bytes[pos]) == 0xFF) {
        pos += 3; // numeric name
    } else {
        size_t end = bytes.find('\0', pos);
        if (end == std::string_view::npos)
            return 0;
        pos = end + 1;
    }
    pos += 2 + 4; // memory flags and data size
    if (pos + kSignature.size() > bytes.size() || bytes.substr(pos, kSignature.size()) != kSignature)
        return 0;
    return pos;
}

StreamComponent ReadObjectStream(std::string_view bytes, const std::string& sourceName) {
    StreamReader reader(bytes, sourceName);
    if (bytes.size() > kMaxStreamBytes)
        reader.Fail(0, "stream larger than " + std::to_string(kMaxStreamBytes) + " bytes");
    if (bytes.size() < kSignature.size() || bytes.substr(0, kSignature.size()) != kSignature)
        reader.Fail(0, "not an object stream (no \"TPF0\" signature)");
    reader.Raw(kSignature.size(), "signature");
    StreamComponent root = reader.Component(0, /*root=*/true);
    if (!reader.AtEnd())
        reader.Fail(reader.Offset(), "unexpected bytes after the root component");
    return root;
}

std::string WriteObjectStream(const StreamComponent& root) {
    std::string out(kSignature);
    WriteComponent(out, root);
    return out;
}

} // namespace setup
