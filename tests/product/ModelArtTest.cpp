// The model pictures of the CD image, read the way the wardrobe reads them: every model has its
// card and rack picture at the layout's sizes; the colour key gives each piece one region colour
// that its maps really show; the maps hold nothing but pieces and background; the shading marks
// only the garment; and a garment composed like the doll composes it covers the body where it
// should (a dress the waist, trousers both legs, a hat the head, shoes the feet).
#include "data/artgen/DollFigure.h"
#include "designer/geometry/Model.h"
#include "designer/geometry/ModelReader.h"
#include "designer/layout/WardrobeLayout.h"
#include "platform/graphics/PictureLoader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <map>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>

namespace {

namespace fs = std::filesystem;
namespace wl = layout::wardrobe;
namespace dl = art::doll;
using wl::GarmentClass;

constexpr uint32_t kWhite = 0xFFFFFFFFu;

uint32_t Px(const plat::Bitmap& b, int x, int y) {
    return b.Row(y)[x] | 0xFF000000u;
}

uint32_t Word(layout::Rgb c) {
    return 0xFF000000u | uint32_t(c.R) << 16 | uint32_t(c.G) << 8 | c.B;
}

struct TModelArt {
    std::string Base;
    GarmentClass Class = GarmentClass::Pl;
    int Pieces = 0;
    plat::Bitmap Card, Rack;
    // Card key.
    uint32_t None() const { return Px(Card, 0, wl::kKeyNoneRow); }
    uint32_t Region(int i) const { return Px(Card, i, wl::kKeyRegionRow); }
    int P() const { return Card.Width() / wl::kCardPanels; }
};

const std::vector<TModelArt>& AllModels() {
    static const std::vector<TModelArt> models = [] {
        std::vector<TModelArt> out;
        const fs::path folder = fs::path(VELMORA_CD_DIR) / "models";
        std::error_code error;
        std::set<fs::path> files;
        for (const auto& entry : fs::directory_iterator(folder, error))
            if (entry.path().extension() == ".mdl")
                files.insert(entry.path());
        for (const fs::path& file : files) {
            const std::string base = file.stem().string();
            TModelArt m;
            m.Base = base;
            bool known = false;
            for (int c = 0; c < wl::kClassCount; ++c)
                if (base.rfind(wl::kClassPrefix[size_t(c)], 0) == 0) {
                    m.Class = GarmentClass(c);
                    known = true;
                }
            if (!known)
                continue;
            std::ifstream in(file, std::ios::binary);
            std::stringstream bytes;
            bytes << in.rdbuf();
            geom::TModelFile modelFile(file.string(), bytes.str());
            geom::TModel model(modelFile, "models\\" + base, nullptr, 239, 212, geom::TTypeShow::tsUnVisible);
            m.Pieces = int(model.Pieces.size());
            plat::LoadPictureFile((folder / (base + ".bmp")).string(), m.Card);
            plat::LoadPictureFile((folder / (base + "v.bmp")).string(), m.Rack);
            out.push_back(std::move(m));
        }
        return out;
    }();
    return models;
}

#define REQUIRE_MODELS()                                                                     \
    if (AllModels().empty())                                                                  \
    GTEST_SKIP() << "the CD image holds no model files yet (" << VELMORA_CD_DIR << "/models)"

TEST(ModelArt, EveryModelHasBothPicturesAtTheLayoutSizes) {
    REQUIRE_MODELS();
    for (const TModelArt& m : AllModels()) {
        SCOPED_TRACE(m.Base);
        EXPECT_EQ(m.Card.Width(), wl::CardWidth(m.Class));
        EXPECT_EQ(m.Card.Height(), wl::CardHeight(m.Class));
        EXPECT_EQ(m.Rack.Width(), wl::RackWidth(m.Class));
        EXPECT_EQ(m.Rack.Height(), wl::RackHeight(m.Class));
        EXPECT_EQ(m.Card.SourceBitsPerPixel(), 24);
    }
}

// Region colours: one per piece, distinct, shown by the maps; maps show nothing else.
TEST(ModelArt, KeyGivesEveryPieceARegionColourThatItsMapsShow) {
    REQUIRE_MODELS();
    for (const TModelArt& m : AllModels()) {
        SCOPED_TRACE(m.Base);
        if (m.Card.Empty() || m.Rack.Empty())
            continue; // reported by the size test
        ASSERT_GT(m.Pieces, 0);
        ASSERT_LE(m.Pieces, m.P());
        const uint32_t none = m.None();
        EXPECT_EQ(none, Word(wl::kNoneColour));
        EXPECT_EQ(Px(m.Rack, 0, wl::kKeyNoneRow), none) << "the rack picture's none colour differs";

        std::set<uint32_t> key;
        for (int i = 0; i < m.Pieces; ++i) {
            const uint32_t c = m.Region(i);
            EXPECT_NE(c, kWhite) << "piece " << i;
            if (c == none)
                continue;
            EXPECT_TRUE(key.insert(c).second) << "piece " << i << " shares its region colour";
        }
        EXPECT_FALSE(key.empty()) << "no piece shows on the doll";

        std::set<uint32_t> shown;
        for (int panel : {wl::kFrontMapPanel, wl::kBackMapPanel})
            for (int y = 0; y < m.Card.Height(); ++y)
                for (int x = 0; x < m.P(); ++x) {
                    const uint32_t c = Px(m.Card, panel * m.P() + x, y);
                    if (c == Word(wl::kMapBackground))
                        continue;
                    ASSERT_TRUE(key.count(c)) << "map pixel of no piece at " << panel * m.P() + x << "," << y;
                    shown.insert(c);
                }
        for (int i = 0; i < m.Pieces; ++i)
            if (m.Region(i) != none)
                EXPECT_TRUE(shown.count(m.Region(i))) << "piece " << i << " is in the key but in no map";

        const int rackP = m.Rack.Width() / wl::kRackPanels;
        for (int y = 0; y < m.Rack.Height(); ++y)
            for (int x = 0; x < rackP; ++x) {
                const uint32_t c = Px(m.Rack, rackP + x, y);
                ASSERT_TRUE(c == Word(wl::kMapBackground) || key.count(c)) << "rack map pixel " << x << "," << y;
            }
    }
}

// Outside the garment the shading is pure white, so a worn garment leaves the doll untouched
// except for the garment's own outline.
TEST(ModelArt, ShadingMarksOnlyTheGarment) {
    REQUIRE_MODELS();
    for (const TModelArt& m : AllModels()) {
        SCOPED_TRACE(m.Base);
        if (m.Card.Empty())
            continue;
        const int p = m.P();
        // Shoes may show soles that belong to no piece; nothing else lies off the garment.
        const int lastRow = m.Class == GarmentClass::Tf ? dl::kSoleY - 4 - wl::LayerBox(m.Class).Y : m.Card.Height();
        for (int side : {0, 2}) {
            int stray = 0;
            for (int y = wl::kKeyRows; y < lastRow; ++y)
                for (int x = 0; x < p; ++x) {
                    if (Px(m.Card, side * p + x, y) == kWhite)
                        continue;
                    bool nearGarment = false;
                    for (int dy = -2; dy <= 2 && !nearGarment; ++dy)
                        for (int dx = -2; dx <= 2 && !nearGarment; ++dx) {
                            int mx = x + dx, my = y + dy;
                            nearGarment = mx >= 0 && mx < p && my >= 0 && my < m.Card.Height() &&
                                          Px(m.Card, (side + 1) * p + mx, my) != Word(wl::kMapBackground);
                        }
                    stray += nearGarment ? 0 : 1;
                }
            EXPECT_EQ(stray, 0) << (side ? "back" : "front");
        }
    }
}

// The wardrobe's garment list (name|view|part|group|cut|mirrored per piece) against the key: a
// piece the list keeps off the doll has no area, a front-only piece shows only in the front map,
// and pieces the list paints together share one group colour that no other piece has.
std::map<std::string, std::map<std::string, std::string>> GarmentList() {
    std::ifstream in(fs::path(VELMORA_SOURCE_DIR) / "data/models/garments.txt", std::ios::binary);
    std::map<std::string, std::map<std::string, std::string>> list;
    std::map<std::string, std::string>* section = nullptr;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.size() > 2 && line.front() == '[' && line.back() == ']')
            section = &list[line.substr(1, line.size() - 2)];
        else if (section && line.find('=') != std::string::npos)
            (*section)[line.substr(0, line.find('='))] = line.substr(line.find('=') + 1);
    }
    return list;
}

std::vector<std::string> Fields(const std::string& text) {
    std::vector<std::string> out;
    std::stringstream in(text);
    std::string item;
    while (std::getline(in, item, '|'))
        out.push_back(item);
    return out;
}

TEST(ModelArt, KeyFollowsTheWardrobesGarmentList) {
    REQUIRE_MODELS();
    const auto list = GarmentList();
    if (list.empty())
        GTEST_SKIP() << "no garment list in data/models";
    int checked = 0;
    for (const TModelArt& m : AllModels()) {
        SCOPED_TRACE(m.Base);
        auto section = list.find(m.Base);
        if (m.Card.Empty() || section == list.end() || section->second.count("pieces") == 0 ||
            section->second.at("pieces") != std::to_string(m.Pieces))
            continue; // the list is behind the model files; the wardrobe's own test reports that
        const int p = m.P();
        auto inMap = [&](int panel, uint32_t colour) {
            for (int y = 0; y < m.Card.Height(); ++y)
                for (int x = 0; x < p; ++x)
                    if (Px(m.Card, panel * p + x, y) == colour)
                        return true;
            return false;
        };
        std::map<std::string, std::set<uint32_t>> groupColours;
        std::map<std::string, int> members;
        std::map<uint32_t, std::set<std::string>> groupsOfColour;
        for (int i = 0; i < m.Pieces; ++i) {
            const std::vector<std::string> f = Fields(section->second.at("piece" + std::to_string(i)));
            ASSERT_GE(f.size(), 4u) << "piece " << i;
            const uint32_t region = m.Region(i), group = Px(m.Card, i, wl::kKeyGroupRow);
            if (f[1] == "none")
                EXPECT_EQ(region, m.None()) << "piece " << i << " is hidden but has an area";
            if (f[1] == "front" && region != m.None())
                EXPECT_FALSE(inMap(wl::kBackMapPanel, region)) << "front piece " << i << " shows from the back";
            if (f[1] == "back" && region != m.None())
                EXPECT_FALSE(inMap(wl::kFrontMapPanel, region)) << "back piece " << i << " shows from the front";
            groupColours[f[3]].insert(group);
            ++members[f[3]];
            groupsOfColour[group].insert(f[3]);
        }
        for (const auto& [name, colours] : groupColours) {
            if (name == "-" || members[name] < 2)
                continue; // a piece alone is painted alone whatever its group colour
            EXPECT_EQ(colours.size(), 1u) << "group " << name << " is not one colour";
            EXPECT_NE(*colours.begin(), m.None()) << "group " << name << " is painted piece by piece";
        }
        for (const auto& [colour, names] : groupsOfColour)
            if (colour != m.None())
                EXPECT_EQ(names.size(), 1u) << "one group colour for different groups";
        ++checked;
    }
    EXPECT_GT(checked, 0) << "no model matched the garment list";
}

// A hanging garment stays below the key rows and inside the view that shows it.
TEST(ModelArt, RackPictureFitsItsView) {
    REQUIRE_MODELS();
    for (const TModelArt& m : AllModels()) {
        SCOPED_TRACE(m.Base);
        if (m.Rack.Empty())
            continue;
        const int p = m.Rack.Width() / wl::kRackPanels;
        const bool hangs = m.Class != GarmentClass::Sh && m.Class != GarmentClass::Tf;
        const int bottom = hangs ? layout::rack::kViewHeight : m.Rack.Height();
        int shown = 0;
        for (int y = 0; y < m.Rack.Height(); ++y)
            for (int x = 0; x < p; ++x) {
                if (Px(m.Rack, p + x, y) == Word(wl::kMapBackground))
                    continue;
                ++shown;
                EXPECT_TRUE(y >= wl::kKeyRows && y < bottom) << "piece at " << x << "," << y;
            }
        EXPECT_GT(shown, p * m.Rack.Height() / 20) << "the garment is too small to see on the rack";
    }
}

// The doll's composition of a garment side (front offset 0, back 2P) with every piece in a
// mid-tone fabric: the fabric where the map shows the piece, the shading over it.
plat::Bitmap Compose(const TModelArt& m, int offset) {
    const int p = m.P(), h = m.Card.Height();
    plat::Bitmap image(p, h);
    for (int i = 0; i < m.Pieces; ++i) {
        const uint32_t c = m.Region(i);
        if (c == m.None())
            continue;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < p; ++x) {
                const uint32_t map = Px(m.Card, offset + p + x, y);
                if (map == c || map == kWhite)
                    image.Row(y)[x] = 0xFF9060A0u;
            }
    }
    for (int y = 2; y < h; ++y)
        for (int x = 0; x < p; ++x) {
            const uint32_t s = Px(m.Card, offset + x, y);
            if (s == kWhite)
                continue;
            const int d = int(int8_t(uint8_t(((s >> 8) & 0xFF) - 127)));
            uint32_t v = image.Row(y)[x];
            uint32_t out = 0xFF000000u;
            for (int shift : {0, 8, 16}) {
                const double ch = (v >> shift) & 0xFF;
                const double shaded = d < 0 ? ch + std::nearbyint(d * ch / 128) : ch + std::nearbyint((254 - ch) / 128 * d);
                out |= uint32_t(int(shaded) & 0xFF) << shift;
            }
            image.Row(y)[x] = out;
        }
    return image;
}

TEST(ModelArt, ComposedGarmentsCoverTheDollWhereTheyShould) {
    REQUIRE_MODELS();
    const int cx = dl::kCentreX;
    for (const TModelArt& m : AllModels()) {
        SCOPED_TRACE(m.Base);
        if (m.Card.Empty())
            continue;
        const int top = wl::LayerBox(m.Class).Y;
        for (int offset : {0, 2 * m.P()}) {
            SCOPED_TRACE(offset ? "back" : "front");
            const plat::Bitmap image = Compose(m, offset);
            auto covered = [&](int x, int y) { return Px(image, x, y - top) != kWhite; };
            // Where the garment must leave the doll bare, no piece may show (outlines may).
            auto piece = [&](int x, int y) { return Px(m.Card, offset + m.P() + x, y - top) != Word(wl::kMapBackground); };
            auto coversRow = [&](int y, int half) {
                for (int x = cx - half; x <= cx + half; ++x)
                    if (!covered(x, y))
                        return false;
                return true;
            };
            switch (m.Class) {
            case GarmentClass::Wn:
            case GarmentClass::Pl:
            case GarmentClass::Bl:
                EXPECT_TRUE(coversRow(dl::kWaistY, dl::kWaistHalfWidth - 2)) << "the waist";
                EXPECT_FALSE(piece(cx, dl::kHeadCentreY)) << "the face";
                break;
            case GarmentClass::Hl:
            case GarmentClass::Yu:
                EXPECT_TRUE(coversRow(dl::kHipY, dl::kHipHalfWidth - 3)) << "the hips";
                EXPECT_FALSE(piece(cx, dl::kChin + 4)) << "the neck";
                break;
            case GarmentClass::Br: {
                EXPECT_TRUE(coversRow(dl::kHipY, dl::kHipHalfWidth - 3)) << "the hips";
                const int leg = (dl::kKneeOuterX + dl::kKneeInnerX) / 2;
                EXPECT_TRUE(covered(leg, dl::kCrotchY + 10) && covered(dl::MirrorX(leg), dl::kCrotchY + 10)) << "the legs";
                bool apart = false;
                for (int y = dl::kCrotchY + 10; y < dl::kAnkleY && !apart; ++y)
                    apart = covered(cx - 6, y) && !piece(cx, y);
                EXPECT_TRUE(apart) << "the legs are not apart";
                break;
            }
            case GarmentClass::Sh:
                EXPECT_TRUE(covered(cx, dl::kHatBrimY - 4)) << "the top of the head";
                EXPECT_FALSE(piece(cx, dl::kHeadCentreY + 6)) << "the face";
                break;
            case GarmentClass::Tf: {
                const int foot = (dl::kAnkleOuterX + dl::kAnkleInnerX) / 2;
                if (offset == 0)
                    EXPECT_TRUE(covered(foot, dl::kSoleY - 5) && covered(dl::MirrorX(foot), dl::kSoleY - 5)) << "the feet";
                EXPECT_FALSE(piece(cx, dl::kSoleY - 5)) << "between the feet";
                break;
            }
            }
        }
    }
}

} // namespace
