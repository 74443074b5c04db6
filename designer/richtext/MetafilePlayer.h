// Plays the metafile pictures that rich-text documents carry (16-bit placeable or plain Windows
// metafiles) into a bitmap of a given size: DIB records (StretchDIB, DibStretchBlt, DibBitBlt,
// SetDIBitsToDevice), the window origin and extent, pens and brushes, lines, polylines,
// polygons, rectangles, ellipses and text. Records it does not know are skipped; a record that
// lies about its size ends the picture, keeping what was drawn.
#pragma once

#include "platform/graphics/Bitmap.h"

#include <string_view>

// A picture of width x height pixels (white where the metafile draws nothing); an empty bitmap
// when the size is empty or the bytes are no metafile.
plat::Bitmap PlayMetafile(std::string_view bytes, int width, int height);
