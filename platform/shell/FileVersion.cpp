// A bounds-checked walk from the PE headers to the version resource: DOS header, PE signature,
// optional header's resource directory entry, the section that holds it, then the three levels of
// the resource tree (type 16, first name, first language) to the data entry, which starts with
// VS_VERSIONINFO and its fixed part.
#include "platform/shell/FileVersion.h"

#include "platform/core/Exceptions.h"
#include "platform/files/Files.h"

namespace plat {

namespace {

constexpr uint32_t kFixedInfoSignature = 0xFEEF04BD;
constexpr uint32_t kVersionResourceType = 16;
constexpr uint16_t kMaxSections = 96; // the PE loader's own limit
constexpr uint32_t kMaxDirectoryEntries = 4096;

class Bytes {
  public:
    explicit Bytes(std::string_view data) : data_(data) {}
    bool Has(uint64_t offset, uint64_t size) const {
        return offset <= data_.size() && size <= data_.size() - offset;
    }
    uint32_t U16(uint64_t offset) const { return Get(offset, 2); }
    uint32_t U32(uint64_t offset) const { return Get(offset, 4); }

  private:
    uint32_t Get(uint64_t offset, int size) const {
        uint32_t value = 0;
        for (int i = 0; i < size; ++i)
            value |= static_cast<uint32_t>(static_cast<uint8_t>(data_[offset + i])) << (8 * i);
        return value;
    }
    std::string_view data_;
};

struct Section {
    uint32_t VirtualAddress, VirtualSize, RawSize, RawOffset;
};

// File offset of an RVA through the section table; nullopt when no section holds it.
std::optional<uint64_t> RvaToOffset(const Bytes& bytes, uint64_t table, uint16_t count, uint32_t rva) {
    for (uint16_t i = 0; i < count; ++i) {
        uint64_t at = table + 40ull * i;
        if (!bytes.Has(at, 40))
            return std::nullopt;
        Section s{bytes.U32(at + 12), bytes.U32(at + 8), bytes.U32(at + 16), bytes.U32(at + 20)};
        uint32_t size = std::max(s.VirtualSize, s.RawSize);
        if (rva >= s.VirtualAddress && rva - s.VirtualAddress < size)
            return static_cast<uint64_t>(s.RawOffset) + (rva - s.VirtualAddress);
    }
    return std::nullopt;
}

// The offset (from the resource base) of the entry to follow in one directory: the entry with
// `id` when wanted, else the first. nullopt when there is none or it points outside.
std::optional<uint32_t> DirectoryEntry(const Bytes& bytes, uint64_t base, uint32_t dir,
                                       std::optional<uint32_t> id) {
    if (!bytes.Has(base + dir, 16))
        return std::nullopt;
    uint32_t count = bytes.U16(base + dir + 12) + bytes.U16(base + dir + 14);
    if (count == 0 || count > kMaxDirectoryEntries)
        return std::nullopt;
    for (uint32_t i = 0; i < count; ++i) {
        uint64_t entry = base + dir + 16 + 8ull * i;
        if (!bytes.Has(entry, 8))
            return std::nullopt;
        uint32_t name = bytes.U32(entry);
        if (id && ((name & 0x80000000u) || name != *id))
            continue;
        return bytes.U32(entry + 4);
    }
    return std::nullopt;
}

} // namespace

std::optional<FileVersion> ReadFileVersion(std::string_view data) {
    Bytes bytes(data);
    if (!bytes.Has(0, 64) || data[0] != 'M' || data[1] != 'Z')
        return std::nullopt;
    uint64_t pe = bytes.U32(0x3C);
    if (!bytes.Has(pe, 24) || data.substr(pe, 4) != std::string_view("PE\0\0", 4))
        return std::nullopt;
    uint16_t sections = static_cast<uint16_t>(bytes.U16(pe + 6));
    uint32_t optionalSize = bytes.U16(pe + 20);
    uint64_t optional = pe + 24;
    if (sections > kMaxSections || !bytes.Has(optional, optionalSize) || optionalSize < 2)
        return std::nullopt;
    uint32_t magic = bytes.U16(optional);
    uint64_t directories = magic == 0x20b ? 112 : magic == 0x10b ? 96 : 0;
    if (directories == 0 || optionalSize < directories + 3 * 8 || bytes.U32(optional + directories - 4) < 3)
        return std::nullopt;
    uint32_t resourceRva = bytes.U32(optional + directories + 2 * 8);
    if (resourceRva == 0)
        return std::nullopt;
    uint64_t table = optional + optionalSize;
    std::optional<uint64_t> base = RvaToOffset(bytes, table, sections, resourceRva);
    if (!base)
        return std::nullopt;

    // Type, then name, then language; the first two must be subdirectories, the last a data entry.
    std::optional<uint32_t> level = DirectoryEntry(bytes, *base, 0, kVersionResourceType);
    for (int depth = 0; depth < 2; ++depth) {
        if (!level || !(*level & 0x80000000u))
            return std::nullopt;
        level = DirectoryEntry(bytes, *base, *level & 0x7FFFFFFFu, std::nullopt);
    }
    if (!level || (*level & 0x80000000u) || !bytes.Has(*base + *level, 8))
        return std::nullopt;
    uint32_t dataRva = bytes.U32(*base + *level);
    uint32_t dataSize = bytes.U32(*base + *level + 4);
    std::optional<uint64_t> info = RvaToOffset(bytes, table, sections, dataRva);
    if (!info || !bytes.Has(*info, dataSize))
        return std::nullopt;

    // VS_VERSIONINFO: three 16-bit words, the key "VS_VERSION_INFO" in UTF-16 with its zero,
    // padding to 32 bits, then the fixed part starting with its signature.
    uint64_t fixed = (*info + 6 + 32 + 3) & ~uint64_t(3);
    if (fixed - *info + 52 > dataSize || !bytes.Has(fixed, 52) || bytes.U32(fixed) != kFixedInfoSignature)
        return std::nullopt;
    uint32_t ms = bytes.U32(fixed + 8);
    uint32_t ls = bytes.U32(fixed + 12);
    return FileVersion{static_cast<uint16_t>(ms >> 16), static_cast<uint16_t>(ms & 0xFFFF),
                       static_cast<uint16_t>(ls >> 16), static_cast<uint16_t>(ls & 0xFFFF)};
}

std::optional<FileVersion> FileVersionOf(std::string_view winPath) {
    int64_t size = FileSize(winPath);
    if (size < 0 || size > kMaxVersionedFileBytes)
        return std::nullopt;
    try {
        return ReadFileVersion(ReadFileBytes(winPath));
    } catch (const Exception&) {
        return std::nullopt;
    }
}

} // namespace plat
