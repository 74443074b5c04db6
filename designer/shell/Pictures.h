// Picture services every window of the designer uses: the one picture loader, the
// white-transparent overlay, and the registration of the two private fonts.
#pragma once

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

#include <string>
#include <string_view>

// Depth pictures are loaded at: the screen's bits per pixel times its planes, at least 24.
int PictureLoadDepth();

// Loads a BMP or JPEG file (Windows path) into `bitmap`, keeping its palette. A file that cannot
// be read leaves the bitmap empty; a damaged one may leave the part that could be read. Returns 1
// on success and a negative code otherwise (callers may ignore it).
int LoadPicture(plat::Bitmap& bitmap, std::string_view file);

// Draws `source` onto `destination` with its top-left corner at (x, y): every pure white pixel of
// the source leaves the destination unchanged, every other pixel replaces it. Built from a white
// mask merged in (NOT mask OR dest) and the source ANDed on top; the copy mode ends as plain copy.
void DrawTransparent(int x, int y, plat::Canvas& destination, const plat::Bitmap& source);

// Makes a font file (Windows path) available; with a face name, under that name too.
bool RegisterFont(std::string_view path, std::string_view face = {});
// Removes the font file `path` that RegisterFont added, with its face name; false when it was not
// registered. The file is removed under the name it was added by, whatever its extension.
bool UnregisterFont(std::string_view path);
