// The one way pictures come into the program: BMP files of every depth and compression the format
// knows on Windows and OS/2, JPEG files and PNG files, decoded into a Bitmap. The format is told
// from the bytes ("BM", the JPEG start-of-image marker or the PNG signature), never from the file
// name.
//
// Failures leave the bitmap empty and say what was wrong and where (file, byte offset). Two
// failures keep a partial picture, because showing what could be read is more useful than nothing
// and both are well defined:
//  - PictureError::Truncated: the file ends before the picture does (or is shorter than its own
//    header says). Rows decoded before the data ran out are kept; the rest is white.
//  - PictureError::BadPixelData: run-length data went wrong (a run past the right edge, a jump
//    past the last row). Pixels decoded up to that point are kept, the run clipped at the edge; the
//    rest is white.
// Callers that only want complete pictures check Ok; callers that want to show what there is
// check !out.Empty().
//
// Pixels always load opaque (alpha masks are checked, then ignored). Indexed pictures keep their
// palette (the entries a pixel can reach) and an index beyond it shows black; pixels that
// run-length data skips with its escapes show black too. SourceBitsPerPixel is the file's depth
// (1, 2, 4, 8, 16, 24 or 32; 24 for JPEG; for PNG its bits per pixel, at most 32). PNG pixels
// with alpha are laid over white, and an indexed PNG loads without its palette.
#pragma once

#include "platform/graphics/Bitmap.h"

#include <string>
#include <string_view>

namespace plat {

enum class PictureError {
    None,
    FileUnreadable, // the host file could not be opened or read, or is over the size limit
    UnknownFormat,  // neither a BMP, a JPEG nor a PNG
    BadHeader,      // a header field out of range or contradicting another
    Unsupported,    // a valid variant the loader does not decode (Huffman, embedded PNG, 64-bit)
    TooLarge,       // more pixels than a Bitmap may hold, or than the file's data can describe
    BadPalette,     // a palette that does not fit in the file, or an indexed picture without one
    BadMasks,       // colour masks that are empty, overlap, have gaps or exceed the pixel size
    Truncated,      // the data ends early (partial picture kept)
    BadPixelData,   // run-length data leaves the picture (partial picture kept)
    BadJpeg,        // the JPEG decoder refused the data
    BadPng,         // a PNG chunk, header or checksum is wrong, or the PNG decoder refused the data
};

struct PictureResult {
    bool Ok = false;
    std::string Error; // empty when Ok
    PictureError Code = PictureError::None;
};

// True for the failures that keep a partial picture in the bitmap (see above).
constexpr bool KeepsPartialPicture(PictureError code) {
    return code == PictureError::Truncated || code == PictureError::BadPixelData;
}

// Decodes a whole picture file held in memory.
PictureResult LoadPictureBytes(std::string_view bytes, Bitmap& out);

// Reads a host file (a UTF-8 host path, not a Windows path) and decodes it; error texts start
// with the path.
PictureResult LoadPictureFile(const std::string& hostPath, Bitmap& out);

} // namespace plat
