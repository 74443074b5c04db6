// What the printing windows need of the main window, as plain interfaces: the wardrobe's current
// model, the pattern panel's state, the models the doll wears and the doll's two views. The main
// window implements them; tests and the command-line tool give their own.
#pragma once

#include "platform/graphics/Bitmap.h"

#include <array>

namespace geom {
class TModel;
}

namespace printing {

// Garment layers by their wardrobe index (the class codes Wn, Pl, Br, Bl, Hl, Yu, Sh, Tf).
enum class TLayer { Wn, Pl, Br, Bl, Hl, Yu, Sh, Tf };
inline constexpr int kLayerCount = 8;

// Pattern jobs run in this order; shoes have no patterns to print.
inline constexpr std::array<TLayer, 7> kPatternOrder = {TLayer::Wn, TLayer::Pl, TLayer::Br, TLayer::Bl,
                                                        TLayer::Hl, TLayer::Yu, TLayer::Sh};
// The names under the printed doll run from the head down.
inline constexpr std::array<TLayer, 8> kDollNameOrder = {TLayer::Sh, TLayer::Wn, TLayer::Pl, TLayer::Hl,
                                                         TLayer::Bl, TLayer::Br, TLayer::Yu, TLayer::Tf};

class IWornModels {
public:
    virtual ~IWornModels() = default;
    // The model worn in `layer`, or null when the layer wears nothing.
    virtual const geom::TModel* Worn(TLayer layer) const = 0;
};

class IPatternSource : public IWornModels {
public:
    // Whether the main window's pattern panel is open.
    virtual bool PatternPanelVisible() const = 0;
    // The wardrobe's current model (the one the pattern panel shows); null when there is none.
    virtual const geom::TModel* CurrentModel() const = 0;
};

class IDollSource : public IWornModels {
public:
    // The doll control's size on screen, W x H.
    virtual int DollWidth() const = 0;
    virtual int DollHeight() const = 0;
    // The doll's front or back as shown on screen, with everything it wears, W x H.
    virtual plat::Bitmap DollView(bool back) const = 0;
};

} // namespace printing
