// Builds the smallest PE file that carries a version resource, for tests of version reading.
#pragma once

#include <cstdint>
#include <string>

namespace testing_support {

inline void PutLe(std::string& s, size_t at, uint64_t value, int size) {
    if (s.size() < at + size)
        s.resize(at + size, '\0');
    for (int i = 0; i < size; ++i)
        s[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A PE32 image with one ".rsrc" section holding RT_VERSION / 1 / 0x409 with the given version.
inline std::string MakePeWithVersion(uint16_t a, uint16_t b, uint16_t c, uint16_t d) {
    std::string s(0x200, '\0');
    s[0] = 'M';
    s[1] = 'Z';
    PutLe(s, 0x3C, 64, 4);
    s.replace(64, 4, std::string("PE\0\0", 4));
    PutLe(s, 68, 0x14C, 2); // machine
    PutLe(s, 70, 1, 2);     // sections
    PutLe(s, 84, 224, 2);   // optional header size
    const size_t opt = 88;
    PutLe(s, opt, 0x10B, 2);
    PutLe(s, opt + 92, 16, 4);          // directories
    PutLe(s, opt + 96 + 16, 0x1000, 4); // resource RVA
    PutLe(s, opt + 96 + 20, 0x100, 4);  // resource size
    const size_t sec = opt + 224;
    s.replace(sec, 5, ".rsrc");
    PutLe(s, sec + 8, 0x100, 4);   // virtual size
    PutLe(s, sec + 12, 0x1000, 4); // virtual address
    PutLe(s, sec + 16, 0x100, 4);  // raw size
    PutLe(s, sec + 20, 0x200, 4);  // raw offset
    const size_t r = 0x200;
    s.resize(r + 0x100, '\0');
    PutLe(s, r + 14, 1, 2);
    PutLe(s, r + 16, 16, 4);
    PutLe(s, r + 20, 0x80000000u | 24, 4);
    PutLe(s, r + 24 + 14, 1, 2);
    PutLe(s, r + 24 + 16, 1, 4);
    PutLe(s, r + 24 + 20, 0x80000000u | 48, 4);
    PutLe(s, r + 48 + 14, 1, 2);
    PutLe(s, r + 48 + 16, 0x409, 4);
    PutLe(s, r + 48 + 20, 72, 4);
    PutLe(s, r + 72, 0x1000 + 88, 4);
    PutLe(s, r + 76, 92, 4);
    const size_t info = r + 88;
    PutLe(s, info, 92, 2);
    PutLe(s, info + 2, 52, 2);
    const char* key = "VS_VERSION_INFO";
    for (int i = 0; key[i]; ++i)
        PutLe(s, info + 6 + 2 * i, static_cast<uint8_t>(key[i]), 2);
    const size_t fixed = info + 40;
    PutLe(s, fixed, 0xFEEF04BD, 4);
    PutLe(s, fixed + 4, 0x10000, 4);
    PutLe(s, fixed + 8, (uint32_t(a) << 16) | b, 4);
    PutLe(s, fixed + 12, (uint32_t(c) << 16) | d, 4);
    return s;
}

} // namespace testing_support
