// velmora-artgen: paints every picture of the product into the CD image.
//
//   velmora-artgen --cd <cd dir> --generated <dir> [--only <name>...] [--list]
//   velmora-artgen --cd <cd dir> --contact-sheet <png>   (lays the CD's pictures out, paints nothing)
//
// Pictures go to <cd>/Resource (and the installer's to <cd>), sources built into the programs go
// to <generated>. Each maker registers itself (ArtRegistry.h); they run in name order.
#include "data/artgen/ArtRegistry.h"
#include "data/artgen/ContactSheet.h"
#include "platform/graphics/GuiApplication.h"

#include <cstdio>
#include <cstring>
#include <exception>
#include <set>
#include <string>

namespace {

int Usage() {
    std::fprintf(stderr, "usage: velmora-artgen --cd <dir> --generated <dir> [--only <name>...] [--list]\n"
                         "       velmora-artgen --cd <dir> --contact-sheet <png>\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    art::ArtContext context;
    std::set<std::string> only;
    bool list = false;
    std::string contactSheet; // --contact-sheet <png>: lay out the CD's pictures, paint nothing
    for (int i = 1; i < argc; ++i) {
        auto next = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
        const char* value = nullptr;
        if (!std::strcmp(argv[i], "--cd") && (value = next()))
            context.cdDir = value;
        else if (!std::strcmp(argv[i], "--generated") && (value = next()))
            context.generatedDir = value;
        else if (!std::strcmp(argv[i], "--only") && (value = next()))
            only.insert(value);
        else if (!std::strcmp(argv[i], "--contact-sheet") && (value = next()))
            contactSheet = value;
        else if (!std::strcmp(argv[i], "--list"))
            list = true;
        else
            return Usage();
    }
    if (list) {
        for (const art::ArtEntry& entry : art::AllArt())
            std::printf("%s\n", entry.name.c_str());
        return 0;
    }
    if (!contactSheet.empty() && !context.cdDir.empty()) {
        plat::EnsureGuiApplication();
        try {
            art::WriteContactSheet(context.cdDir, contactSheet);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "velmora-artgen: %s\n", e.what());
            return 1;
        }
        return 0;
    }
    if (context.cdDir.empty() || context.generatedDir.empty())
        return Usage();
    context.resourceDir = context.cdDir / "Resource";
    context.scratchDir = context.generatedDir / "artgen-scratch";
    std::error_code ignored;
    std::filesystem::create_directories(context.resourceDir, ignored);
    std::filesystem::create_directories(context.scratchDir, ignored);

    plat::EnsureGuiApplication();
    for (const art::ArtEntry& entry : art::AllArt()) {
        if (!only.empty() && !only.count(entry.name))
            continue;
        try {
            entry.make(context);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "velmora-artgen: %s: %s\n", entry.name.c_str(), e.what());
            return 1;
        }
    }
    return 0;
}
