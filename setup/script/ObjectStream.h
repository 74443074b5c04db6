// The binary object stream that setup scripts are written in: "TPF0", then one component with its
// property records and its children, nested. The reader builds a faithful tree of everything in
// the stream, so the tree can be written back byte for byte, dumped as text and compiled again.
//
// Tags 0 to 13 are the ones scripts use; the later standard tags (collections 14, single 15,
// currency 16, date 17, wide string 18, 64-bit integer 19, UTF-8 string 20, double 21) are read
// too, so streams saved by other tools can be read to their end. Any other tag is an error that
// names the tag and its offset.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace setup {

// Limits of the reader. A script is a few kilobytes; the largest real-world forms are far below
// these, which only keep hostile input from exhausting memory or the stack.
constexpr size_t kMaxStreamBytes = 64u << 20;
constexpr int kMaxNestingDepth = 200; // components within components, and lists within lists

enum class ValueTag : uint8_t {
    Null = 0,
    List = 1,
    Int8 = 2,
    Int16 = 3,
    Int32 = 4,
    Extended = 5,
    String = 6,
    Ident = 7,
    False = 8,
    True = 9,
    Binary = 10,
    Set = 11,
    LString = 12,
    Nil = 13,
    Collection = 14,
    Single = 15,
    Currency = 16,
    Date = 17,
    WString = 18,
    Int64 = 19,
    Utf8String = 20,
    Double = 21,
};
constexpr uint8_t kLastKnownTag = 21;

struct StreamValue;

// One item of a collection: an optional order value, then property records.
struct CollectionItem;

struct StreamValue {
    ValueTag Tag = ValueTag::Null;
    int64_t Int = 0;   // Int8, Int16, Int32, Int64
    std::string Bytes; // strings and identifiers (as stored: cp1251, UTF-16LE or UTF-8),
                       // binary data, the raw bytes of Extended/Single/Currency/Date/Double
    std::vector<std::string> Set;
    std::vector<StreamValue> List;
    std::vector<CollectionItem> Items;

    bool IsString() const; // String, LString, WString, Utf8String
    // The text of a string value in cp1251 (wide and UTF-8 strings are converted).
    std::string TextValue() const;
};

struct StreamProperty {
    std::string Name; // the property path, "Lines.Strings"
    StreamValue Value;
};

struct CollectionItem {
    bool HasIndex = false;
    StreamValue Index; // an integer value when HasIndex
    std::vector<StreamProperty> Properties;
};

struct StreamComponent {
    uint8_t Flags = 0; // filer flags (1 inherited, 2 child position, 4 inline); 0 when absent
    bool HasFlagsByte = false;
    StreamValue Position; // an integer value when Flags has 2
    std::string ClassName;
    std::string Name;
    std::vector<StreamProperty> Properties;
    std::vector<StreamComponent> Children;
};

// Reads a whole stream; raises plat::Exception naming `sourceName`, the offset and the fault for
// a wrong signature, a stream cut short, a length running past the end, nesting past the limit,
// an unknown tag, or bytes after the root component.
StreamComponent ReadObjectStream(std::string_view bytes, const std::string& sourceName);

// Writes the tree back: the exact bytes it was read from for any tree the reader produced.
std::string WriteObjectStream(const StreamComponent& root);

// The 16-bit resource header some tools put before the stream (FF 0A 00 name 00 30 10 size):
// returns the offset of "TPF0" behind it, or 0 when there is no such header.
size_t SkipResourceHeader(std::string_view bytes);

} // namespace setup
