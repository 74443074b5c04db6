// Small helpers shared by the picture readers: fixed-width reads from bytes whose bounds the
// caller has already checked, and the failure result with its "offset N: what" message.
#pragma once

#include "platform/graphics/PictureLoader.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace plat {

inline uint8_t ByteAt(std::string_view bytes, size_t offset) {
    return static_cast<uint8_t>(bytes[offset]);
}

inline uint16_t ReadU16LE(std::string_view bytes, size_t offset) {
    return static_cast<uint16_t>(ByteAt(bytes, offset) | (ByteAt(bytes, offset + 1) << 8));
}

inline uint32_t ReadU32LE(std::string_view bytes, size_t offset) {
    return static_cast<uint32_t>(ReadU16LE(bytes, offset)) |
           (static_cast<uint32_t>(ReadU16LE(bytes, offset + 2)) << 16);
}

inline int32_t ReadI32LE(std::string_view bytes, size_t offset) {
    return static_cast<int32_t>(ReadU32LE(bytes, offset));
}

inline uint16_t ReadU16BE(std::string_view bytes, size_t offset) {
    return static_cast<uint16_t>((ByteAt(bytes, offset) << 8) | ByteAt(bytes, offset + 1));
}

inline PictureResult PictureSuccess() {
    return PictureResult{/*Ok=*/true, {}, PictureError::None};
}

inline PictureResult PictureFailure(PictureError code, std::string text) {
    return PictureResult{/*Ok=*/false, std::move(text), code};
}

// "offset 28: <what>", the form every reader error takes.
inline std::string AtOffset(uint64_t offset, std::string_view what) {
    return "offset " + std::to_string(offset) + ": " + std::string(what);
}

} // namespace plat
