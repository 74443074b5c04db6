// The font registry: font files the program brings along, and the face names it knows them by.
//
// A face name (TFont::Name, cp1251) resolves to the font family that draws it, in this order:
//  1. an alias given when a file was registered ("Vizo" for the screen font's file), compared
//     case-insensitively;
//  2. a family the font database knows (installed, or from a registered file), case-insensitively;
//  3. the default sans-serif family. Resolution never fails.
#pragma once

#include <string>
#include <string_view>

namespace plat {

// Adds the faces of a font file (host path, UTF-8) to the process's font database. Any format
// FreeType reads will do, whatever the file's name ends with. With a non-empty alias the file's
// first family also answers to that face name. Registering a registered file again only updates
// its alias. Returns false, registering nothing, when the file is missing or no face of it can be
// loaded (a bitmap font format the font database does not take, for one).
bool RegisterFontFile(const std::string& hostPath, std::string_view alias = {});

// Removes a file added by RegisterFontFile, with its alias; false when it was not registered.
bool UnregisterFontFile(const std::string& hostPath);

// The family (UTF-8) that draws `face`, as described above.
std::string ResolveFontFamily(std::string_view face);

// The family that unknown face names fall back to.
std::string DefaultFontFamily();

} // namespace plat
