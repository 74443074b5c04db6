// The wardrobe as the main window sets it up, on the CD image the build made: the data folder
// points at it, the fabrics and the strip pictures are loaded, the eight classes find their models.
#pragma once

#include "designer/wardrobe/AllModels.h"
#include "designer/wardrobe/Materials.h"
#include "platform/core/Platform.h"

#include <array>
#include <memory>
#include <string>

namespace wardrobe_test {

// The data folder becomes the CD image (or `cd`, a host folder).
void UseCd(const std::string& cd = VELMORA_CD_DIR);
plat::Bitmap LoadResource(const std::string& name);

struct TWardrobeWorld {
    explicit TWardrobeWorld(bool load = true);
    wardrobe::TMaterialCatalogue Fabrics;
    std::array<std::unique_ptr<wardrobe::TClassModels>, wardrobe::kClassCount> Classes;
    wardrobe::TAllModels All;
    plat::Bitmap Doll, Main, FsView, FsBrush, FsWindow, Zamor;
    wardrobe::TClassModels& Class(int i) { return *Classes[size_t(i)]; }
};

// A platform with a hand-moved clock and a chosen screen depth.
class TFakePlatform : public plat::Platform {
public:
    uint64_t Now = 1000;
    int Depth = 24;
    uint64_t TickCount() const override { return Now; }
    int ScreenBitsPerPixel() const override { return Depth; }
    uint32_t Random(uint32_t range) override { return range ? uint32_t(Now % range) : 0; }
};

// Moves the fake clock by `ms` and fires what became due.
void Advance(TFakePlatform& platform, unsigned ms);

} // namespace wardrobe_test
