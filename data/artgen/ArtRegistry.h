// The picture generator's table of products. Each picture (or family of pictures) lives in a
// source file of its own and registers its maker with a file-scope `ArtRegistration`, so adding
// a picture never touches the driver. Makers run in registration-name order, which keeps the
// run deterministic regardless of link order.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace art {

struct ArtContext {
    std::filesystem::path resourceDir;  // the CD image's Resource/ folder
    std::filesystem::path cdDir;        // the CD image's root (installer pictures go here)
    std::filesystem::path generatedDir; // sources built into the programs (headers, blobs)
    std::filesystem::path scratchDir;   // work space, e.g. video frames before encoding
};

using ArtMaker = void (*)(const ArtContext&);

struct ArtEntry {
    std::string name;
    ArtMaker make;
};

class ArtRegistration {
public:
    ArtRegistration(const char* name, ArtMaker make);
};

// Every registered maker, sorted by name.
std::vector<ArtEntry> AllArt();

} // namespace art
