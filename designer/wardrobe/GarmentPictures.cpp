// Reading, composing and hit-testing garment pictures. The composition works on pixel rows: for
// each pixel the region map names the pieces whose fabric may show there, and the last of them
// (in model-file order) whose fabric is not white wins, exactly as laying the masked fabrics over
// one another white-transparent would leave it; the shading table then darkens or lifts it.
#include "designer/wardrobe/GarmentPictures.h"

#include "designer/shell/Pictures.h"
#include "designer/shell/Settings.h"
#include "designer/wardrobe/ClassModels.h"
#include "platform/core/Numeric.h"

#include <array>
#include <cstring>

namespace wardrobe {

namespace {

constexpr uint32_t kRgb = 0x00FFFFFFu;

bool IsWhite(uint32_t pixel) {
    return (pixel & kRgb) == kRgb;
}

// Shade(v, d) for every d (-128 ... 127) and v, computed once.
struct TShadeTable {
    std::array<std::array<uint8_t, 256>, 256> Value{};
    TShadeTable() {
        for (int d = -128; d < 128; ++d)
            for (int v = 0; v < 256; ++v)
                Value[size_t(d + 128)][size_t(v)] = uint8_t(Shade(v, d));
    }
};

const TShadeTable& ShadeTable() {
    static const TShadeTable table;
    return table;
}

void ApplyShading(plat::Bitmap& image, const plat::Bitmap& source, int panelOffset) {
    const TShadeTable& table = ShadeTable();
    const int w = image.Width(), h = std::min(image.Height(), source.Height());
    if (panelOffset + w > source.Width())
        return;
    // Rows 0 and 1 carry the colour key and are never shading.
    for (int y = 2; y < h; ++y) {
        const uint32_t* s = source.Row(y) + panelOffset;
        uint32_t* out = image.Row(y);
        for (int x = 0; x < w; ++x) {
            if (IsWhite(s[x]))
                continue;
            const auto& row = table.Value[size_t(ShadeDelta(int((s[x] >> 8) & 0xFF)) + 128)];
            const uint32_t p = out[x];
            out[x] = 0xFF000000u | uint32_t(row[(p >> 16) & 0xFF]) << 16 |
                     uint32_t(row[(p >> 8) & 0xFF]) << 8 | row[p & 0xFF];
        }
    }
}

void Forget(plat::Bitmap& picture, bool& read) {
    if (Settings().BigMemory)
        return;
    picture.Clear();
    read = false;
}

} // namespace

int Shade(int v, int d) {
    const int r = d < 0 ? v + plat::Round(double(d) * v / 128.0) : v + plat::Round((254.0 - v) / 128.0 * d);
    return ((r % 256) + 256) % 256;
}

int ShadeDelta(int green) {
    return int(int8_t(uint8_t(green - 127)));
}

plat::Bitmap ComposeGarment(const geom::TModel& model, const geom::TModelPictures& key,
                            const plat::Bitmap& source, int panelWidth, int panelOffset) {
    const int w = panelWidth, h = source.Height();
    plat::Bitmap image(w, h);
    if (image.Empty() || source.Width() < panelOffset + 2 * w)
        return plat::Bitmap();
    if (model.TypeShow == geom::TTypeShow::tsEdit)
        for (int y = 0; y < h; ++y)
            std::memcpy(image.Row(y), source.Row(y), size_t(w) * 4);

    // The pieces that show anywhere, each with its fabric at the image's size.
    struct TShown {
        uint32_t Colour;
        plat::Bitmap Fabric;
    };
    std::vector<TShown> shown;
    const uint32_t none = source.Row(2 < h ? 2 : 0)[0] & kRgb;
    for (size_t i = 0; i < model.Pieces.size() && i < key.Regions.size(); ++i) {
        const uint32_t c = key.Regions[i] & kRgb;
        if (c == none)
            continue;
        TShown piece{c, plat::Bitmap(w, h)};
        if (model.Materials)
            model.Materials->MaterialImage(piece.Fabric, model.Pieces[i]->Material);
        else
            std::fill(piece.Fabric.Bits(), piece.Fabric.Bits() + size_t(w) * h, 0xFF000000u);
        shown.push_back(std::move(piece));
    }

    for (int y = 0; y < h; ++y) {
        const uint32_t* map = source.Row(y) + panelOffset + w;
        uint32_t* out = image.Row(y);
        for (int x = 0; x < w; ++x) {
            const uint32_t m = map[x] & kRgb;
            for (size_t k = shown.size(); k-- > 0;) {
                if (m != kRgb && m != shown[k].Colour)
                    continue;
                const uint32_t f = shown[k].Fabric.Row(y)[x];
                if (!IsWhite(f)) {
                    out[x] = f | 0xFF000000u;
                    break;
                }
            }
        }
    }
    ApplyShading(image, source, panelOffset);
    return image;
}

const plat::Bitmap& CardPicture(geom::TModel& model) {
    geom::TModelPictures& p = model.Pictures;
    if (!p.CardRead) {
        LoadPicture(p.Card, DataFile(PictureBase(model.ModelPath) + ".bmp"));
        p.CardRead = true;
    }
    return p.Card;
}

const plat::Bitmap& RackPicture(geom::TModel& model) {
    geom::TModelPictures& p = model.Pictures;
    if (!p.RackRead) {
        LoadPicture(p.Rack, DataFile(PictureBase(model.ModelPath) + "v.bmp"));
        p.RackRead = true;
    }
    return p.Rack;
}

const geom::TModelPictures& ColourKey(geom::TModel& model) {
    geom::TModelPictures& p = model.Pictures;
    if (p.KeyRead)
        return p;
    const bool hadCard = p.CardRead;
    const plat::Bitmap& card = CardPicture(model);
    p.Regions.clear();
    p.Groups.clear();
    p.None = 0;
    // Without a card there is no key: no piece has a region, so nothing shows and nothing is hit.
    if (!card.Empty() && card.Height() > 2) {
        const int n = std::min(int(model.Pieces.size()), card.Width());
        for (int i = 0; i < n; ++i) {
            p.Regions.push_back(card.Row(0)[i] & kRgb);
            p.Groups.push_back(card.Row(1)[i] & kRgb);
        }
        p.None = card.Row(2)[0] & kRgb;
    }
    p.KeyRead = true;
    if (!hadCard)
        Forget(p.Card, p.CardRead);
    return p;
}

namespace {

uint64_t NextStamp() {
    static uint64_t stamp = 0;
    return ++stamp;
}

const plat::Bitmap& ComposeSide(geom::TModel& model, TSide side) {
    geom::TModelPictures& p = model.Pictures;
    plat::Bitmap& image = side == TSide::Front ? p.Front : p.Back;
    if (!image.Empty())
        return image;
    const plat::Bitmap& card = CardPicture(model);
    ColourKey(model);
    const int panel = card.Width() / 4;
    if (panel > 0)
        image = ComposeGarment(model, p, card, panel, side == TSide::Front ? 0 : 2 * panel);
    p.SideStamp = NextStamp();
    Forget(p.Card, p.CardRead);
    return image;
}

} // namespace

const plat::Bitmap& FrontImage(geom::TModel& model) {
    return ComposeSide(model, TSide::Front);
}

const plat::Bitmap& BackImage(geom::TModel& model) {
    return ComposeSide(model, TSide::Back);
}

const plat::Bitmap& SideImage(geom::TModel& model, TSide side) {
    return ComposeSide(model, side);
}

const plat::Bitmap& RackImage(geom::TModel& model) {
    geom::TModelPictures& p = model.Pictures;
    if (!p.RackImage.Empty())
        return p.RackImage;
    ColourKey(model);
    const plat::Bitmap& rack = RackPicture(model);
    const int panel = rack.Width() / 2;
    if (panel > 0)
        p.RackImage = ComposeGarment(model, p, rack, panel, 0);
    Forget(p.Rack, p.RackRead);
    return p.RackImage;
}

void DropSideImages(geom::TModel& model) {
    model.Pictures.Front.Clear();
    model.Pictures.Back.Clear();
    model.Pictures.SideStamp = NextStamp();
}

void DropRackImage(geom::TModel& model) {
    model.Pictures.RackImage.Clear();
}

void RecomposeSide(geom::TModel& model, TSide side) {
    (side == TSide::Front ? model.Pictures.Front : model.Pictures.Back).Clear();
    ComposeSide(model, side);
}

uint64_t SideStamp(const geom::TModel& model) {
    return model.Pictures.SideStamp;
}

namespace {

int PieceOfColour(const geom::TModelPictures& key, uint32_t colour) {
    for (size_t i = 0; i < key.Regions.size(); ++i)
        if (key.Regions[i] == colour && key.Regions[i] != key.None)
            return int(i);
    return -1;
}

} // namespace

int HitCardPiece(geom::TModel& model, int x, int y, TSide side) {
    const plat::Bitmap& card = CardPicture(model);
    const int panel = card.Width() / 4;
    // The point must lie on the layer's own panel before any pixel is read.
    if (panel <= 0 || x < 0 || y < 0 || x >= panel || y >= card.Height())
        return -1;
    const geom::TModelPictures& key = ColourKey(model);
    const int mapX = x + (side == TSide::Front ? panel : 3 * panel);
    return PieceOfColour(key, card.Row(y)[mapX] & kRgb);
}

int HitRackPiece(geom::TModel& model, int x, int y) {
    const geom::TModelPictures& key = ColourKey(model);
    const plat::Bitmap& rack = RackPicture(model);
    const int panel = rack.Width() / 2;
    if (panel <= 0 || x < 0 || y < 0 || x >= panel || y >= rack.Height())
        return -1;
    return PieceOfColour(key, rack.Row(y)[x + panel] & kRgb);
}

} // namespace wardrobe
