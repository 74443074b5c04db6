// The wardrobe of the CD image, read where and how the designer reads it: every class finds its
// models by its file mask, every model loads with the designer's reader, its pieces are closed
// outlines whose fill seed fills exactly the piece, the seams the model files declare in their
// "#seam" remarks have equal lengths, every description loads and follows the doll, and the
// default outfits import and name models that exist and can be worn together.
#include "designer/geometry/Model.h"
#include "designer/layout/FabricLayout.h"
#include "designer/richtext/RtfScale.h"
#include "designer/shell/RegImport.h"
#include "designer/shell/Settings.h"
#include "platform/files/WinPath.h"
#include "platform/graphics/GuiApplication.h"
#include "platform/registry/Registry.h"
#include "platform/text/Cp1251.h"
#include "tests/support/Scratch.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

namespace {

namespace fs = std::filesystem;
using geom::TModel;

constexpr double kSeamTolerance = 0.5; // mm
// The drum's fabrics: the stretch sheet's, then the tiled sheet's.
constexpr int kMaxMaterial = layout::kFabricStretchCount + layout::kFabricTiledCount - 1;

// Wardrobe order: file mask prefix, layer code and the fewest models the class offers.
struct TClassInfo {
    const char* Mask;
    const char* Code;
    size_t Fewest;
};
constexpr TClassInfo kClasses[8] = {{"wn", "Wn", 4}, {"pl", "Pl", 4}, {"br", "Br", 4}, {"bl", "Bl", 4},
                                    {"hl", "Hl", 4}, {"yu", "Yu", 4}, {"sh", "Sh", 3}, {"tf", "Tf", 3}};
// The layers a worn layer takes off (the doll's dressing rules), as wardrobe indices.
const std::set<int> kTakesOff[8] = {{3, 4, 5, 1}, {3, 2, 4, 5, 0}, {4, 1, 5}, {4, 1, 0}, {3, 2, 1, 5, 0}, {2, 4, 1, 0}, {}, {}};

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// ---- geometry of the loaded primitives -------------------------------------------------------

struct TPt {
    double X, Y;
};

std::vector<TPt> ArcPoints(const geom::TPrimArc& arc, int steps) {
    std::vector<TPt> c;
    for (size_t i = 0; i < arc.Pts.size() && i < size_t(geom::TPrimArc::kMaxCurvePoints); ++i)
        c.push_back({double(arc.Pts[i].X), double(arc.Pts[i].Y)});
    std::vector<TPt> out;
    for (int s = 0; s <= steps; ++s) {
        std::vector<TPt> w = c;
        const double t = double(s) / steps;
        for (size_t k = w.size() - 1; k >= 1; --k)
            for (size_t i = 0; i < k; ++i)
                w[i] = {w[i].X + t * (w[i + 1].X - w[i].X), w[i].Y + t * (w[i + 1].Y - w[i].Y)};
        out.push_back(w[0]);
    }
    return out;
}

double PolylineLength(const std::vector<TPt>& line) {
    double sum = 0;
    for (size_t i = 1; i < line.size(); ++i)
        sum += std::hypot(line[i].X - line[i - 1].X, line[i].Y - line[i - 1].Y);
    return sum;
}

double EllipsePerimeter(double w, double h) {
    const double a = w / 2, b = h / 2, q = (a - b) * (a - b) / ((a + b) * (a + b));
    return M_PI * (a + b) * (1 + 3 * q / (10 + std::sqrt(4 - 3 * q)));
}

// Length of a primitive as a tape measure finds it on the pattern; -1 for marks without length.
double Length(const geom::TPrimitiv& p) {
    if (auto* line = dynamic_cast<const geom::TPrimLine*>(&p))
        return std::hypot(double(line->P2.X - line->P1.X), double(line->P2.Y - line->P1.Y));
    if (auto* arc = dynamic_cast<const geom::TPrimArc*>(&p))
        return PolylineLength(ArcPoints(*arc, 2000));
    if (auto* e = dynamic_cast<const geom::TPrimEllipse*>(&p))
        return EllipsePerimeter(std::abs(e->P2.X - e->P1.X), std::abs(e->P2.Y - e->P1.Y));
    return -1;
}

// The kinds that bound a piece in the fill mask.
bool IsOutline(const geom::TPrimitiv& p) {
    if (dynamic_cast<const geom::TPrimArc*>(&p) || dynamic_cast<const geom::TPrimEllipse*>(&p))
        return true;
    auto* line = dynamic_cast<const geom::TPrimLine*>(&p);
    return line && (line->Keyword() == "LINE" || line->Keyword() == "LINESG");
}

// Closed loops of a piece: the chain of its lines and arcs, and each ellipse on its own.
std::vector<std::vector<TPt>> Loops(const geom::TDetal& piece) {
    std::vector<std::vector<TPt>> loops(1);
    for (const auto& prim : piece.Primitives) {
        if (auto* e = dynamic_cast<const geom::TPrimEllipse*>(prim.get())) {
            const double cx = (e->P1.X + e->P2.X) / 2.0, cy = (e->P1.Y + e->P2.Y) / 2.0;
            const double rx = std::abs(e->P2.X - e->P1.X) / 2.0, ry = std::abs(e->P2.Y - e->P1.Y) / 2.0;
            std::vector<TPt> loop;
            for (int i = 0; i < 360; ++i)
                loop.push_back({cx + rx * std::cos(i * M_PI / 180), cy + ry * std::sin(i * M_PI / 180)});
            loops.push_back(loop);
        } else if (auto* arc = dynamic_cast<const geom::TPrimArc*>(prim.get())) {
            auto pts = ArcPoints(*arc, 64);
            loops[0].insert(loops[0].end(), pts.begin(), pts.end());
        } else if (IsOutline(*prim)) {
            auto* l = static_cast<const geom::TPrimLine*>(prim.get());
            loops[0].push_back({double(l->P1.X), double(l->P1.Y)});
            loops[0].push_back({double(l->P2.X), double(l->P2.Y)});
        }
    }
    if (loops[0].empty())
        loops.erase(loops.begin());
    return loops;
}

bool InsideLoops(const std::vector<std::vector<TPt>>& loops, TPt p) {
    int crossings = 0;
    for (const auto& poly : loops) {
        bool inside = false;
        for (size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++)
            if ((poly[i].Y > p.Y) != (poly[j].Y > p.Y) &&
                p.X < (poly[j].X - poly[i].X) * (p.Y - poly[i].Y) / (poly[j].Y - poly[i].Y) + poly[i].X)
                inside = !inside;
        crossings += inside;
    }
    return crossings % 2 == 1;
}

// ---- the "#seam NAME SIDE xTIMES [ADJUST]" remarks of a model file ---------------------------

struct TSeamRemark {
    std::string Name;
    char Side = 0;
    int Times = 0;
    double Adjust = 0;
    size_t Piece = 0, Primitive = 0; // the primitive on the body line above the remark
};

bool StartsPrimitive(const std::string& line) {
    const std::string upper = plat::UpperCase(line);
    for (const char* kw : {"LINE", "NIT", "LIP", "ARC", "TEXT", "ELLIPSE", "POINTFILL"})
        if (upper.starts_with(kw))
            return true;
    return false;
}

// Also counts the primitives of each piece, to hold the reading against the designer's reader.
std::vector<TSeamRemark> ReadSeamRemarks(const std::string& bytes, std::vector<size_t>& primitives) {
    std::vector<TSeamRemark> remarks;
    std::istringstream in(bytes);
    std::string line;
    std::getline(in, line); // model header
    bool inBody = false;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        line.erase(0, line.find_first_not_of(" \t") == std::string::npos ? line.size() : line.find_first_not_of(" \t"));
        if (!inBody) {
            primitives.push_back(0);
            inBody = true;
        } else if (line.starts_with("}")) {
            inBody = false;
        } else if (line.starts_with("#seam ")) {
            TSeamRemark r;
            std::istringstream words(line.substr(6));
            std::string times;
            words >> r.Name >> r.Side >> times >> r.Adjust;
            r.Times = times.size() > 1 && times[0] == 'x' ? std::atoi(times.c_str() + 1) : 0;
            r.Piece = primitives.size() - 1;
            r.Primitive = primitives.back() - 1;
            remarks.push_back(r);
        } else if (StartsPrimitive(line)) {
            ++primitives.back();
        }
    }
    return remarks;
}

// ---- the fixture: the CD image as the designer sees it ---------------------------------------

struct TLoaded {
    std::string File; // "pl01"
    int Class = 0;
    std::unique_ptr<TModel> Model;
    std::string Bytes;
};

class Wardrobe : public testing::Test {
protected:
    static void SetUpTestSuite() {
        setenv("QT_QPA_PLATFORM", "offscreen", /*overwrite=*/0);
        plat::EnsureGuiApplication();
    }

    void SetUp() override {
        plat::RegistryReset();
        ASSERT_TRUE(fs::is_directory(Cd() + "/models")) << Cd();
        Settings().CDPath = plat::IncludeTrailingBackslash(plat::WinPathOf(Cd()));
        Settings().HDPath = plat::IncludeTrailingBackslash(plat::WinPathOf(testing_support::MakeScratchDir("hd")));
        if (Settings().PatternFontName.empty())
            Settings().PatternFontName = "Sans";
    }
    void TearDown() override { plat::RegistryReset(); }

    static std::string Cd() { return VELMORA_CD_DIR; }

    // Every model of every class, found by the class's mask, in the order the racks list them.
    std::vector<TLoaded> LoadAll(plat::TRegIniFile* registry = nullptr, const std::string& section = "") {
        std::vector<TLoaded> all;
        for (int c = 0; c < 8; ++c) {
            std::vector<TLoaded> cls;
            for (const auto& entry : fs::directory_iterator(Cd() + "/models")) {
                const std::string name = entry.path().filename().string();
                if (!name.starts_with(kClasses[c].Mask) || entry.path().extension() != ".mdl")
                    continue;
                TLoaded m{name.substr(0, name.size() - 4), c, nullptr, ReadAll(entry.path())};
                m.Model = std::make_unique<TModel>("models\\" + m.File, nullptr, 1000, 1000,
                                                   geom::TTypeShow::tsUnVisible, registry, section);
                cls.push_back(std::move(m));
            }
            std::stable_sort(cls.begin(), cls.end(), [](const TLoaded& a, const TLoaded& b) {
                return std::lexicographical_compare(
                    a.Model->Name.begin(), a.Model->Name.end(), b.Model->Name.begin(), b.Model->Name.end(),
                    [](char x, char y) { return (unsigned char)x < (unsigned char)y; });
            });
            for (auto& m : cls)
                all.push_back(std::move(m));
        }
        return all;
    }
};

TEST_F(Wardrobe, EveryClassFindsItsModelsAndEveryModelLoads) {
    const auto all = LoadAll();
    std::map<int, size_t> perClass;
    std::set<std::string> files;
    for (const TLoaded& m : all) {
        SCOPED_TRACE(m.File);
        ++perClass[m.Class];
        files.insert(m.File);
        const std::string name = plat::Cp1251ToUtf8(m.Model->Name);
        EXPECT_TRUE(std::any_of(m.Model->Name.begin(), m.Model->Name.end(),
                                [](char ch) { return (unsigned char)ch >= 0xC0; }))
            << "Russian name: " << name;
        EXPECT_FALSE(m.Model->Pieces.empty());
        EXPECT_LE(m.Model->Pieces.size(), size_t(geom::kMaxPieces));
        EXPECT_EQ(m.Model->HatFlag && m.Class != 6, false) << "only hats change the doll's hair";
        EXPECT_NE(m.Bytes.find("\r\n"), std::string::npos) << "lines end with CR LF";
    }
    for (int c = 0; c < 8; ++c)
        EXPECT_GE(perClass[c], kClasses[c].Fewest) << kClasses[c].Code;
    for (const TLoaded& m : all)
        for (const std::string& other : m.Model->Conflicts)
            EXPECT_TRUE(files.count(plat::LowerCase(other))) << m.File << " conflicts with missing " << other;
}

TEST_F(Wardrobe, PiecesAreClosedOutlinesWithGrainCaptionAndSeedOnTheirOwnPlaceOfTheSheet) {
    for (const TLoaded& m : LoadAll()) {
        const TModel& model = *m.Model;
        for (size_t i = 0; i < model.Pieces.size(); ++i) {
            const geom::TDetal& p = *model.Pieces[i];
            SCOPED_TRACE(m.File + " piece " + plat::Cp1251ToUtf8(p.Name));
            int grain = 0, captions = 0, seeds = 0;
            std::map<std::pair<int, int>, int> ends;
            for (const auto& prim : p.Primitives) {
                if (auto* nit = dynamic_cast<const geom::TPrimNit*>(prim.get()))
                    grain += (nit->P1.X != nit->P2.X || nit->P1.Y != nit->P2.Y);
                if (auto* text = dynamic_cast<const geom::TPrimText*>(prim.get()))
                    captions += text->Caption == "*";
                if (const geom::TXY* seed = prim->FillPoint()) {
                    ++seeds;
                    EXPECT_TRUE(InsideLoops(Loops(p), {double(seed->X), double(seed->Y)}))
                        << "seed " << seed->Text() << " outside the outline";
                }
                if (IsOutline(*prim) && !dynamic_cast<const geom::TPrimEllipse*>(prim.get())) {
                    auto [a, b] = prim->GetEnds();
                    ++ends[{a->X, a->Y}];
                    ++ends[{b->X, b->Y}];
                }
            }
            EXPECT_EQ(grain, 1);
            EXPECT_EQ(captions, 1);
            EXPECT_EQ(seeds, 1);
            for (const auto& [pt, count] : ends)
                EXPECT_EQ(count % 2, 0) << "open outline at (" << pt.first << "," << pt.second << ")";
            // Inside the sheet, clear of every later piece.
            EXPECT_LE(p.X0 + p.SizeX, model.SheetWidth);
            EXPECT_LE(p.Y0 + p.SizeY, model.SheetHeight);
            for (size_t j = i + 1; j < model.Pieces.size(); ++j) {
                const geom::TDetal& q = *model.Pieces[j];
                const bool apart = p.X0 + p.SizeX <= q.X0 || q.X0 + q.SizeX <= p.X0 || p.Y0 + p.SizeY <= q.Y0 ||
                                   q.Y0 + q.SizeY <= p.Y0;
                EXPECT_TRUE(apart) << "overlaps " << plat::Cp1251ToUtf8(q.Name);
            }
        }
    }
}

// The designer's own flood fill from the seed must cover the outline's area and nothing outside
// it: the ring left between outline and piece box stays white.
TEST_F(Wardrobe, TheFillSeedFillsExactlyThePiece) {
    for (TLoaded& m : LoadAll()) {
        TModel& model = *m.Model;
        model.AvailWidth = 3 * model.SheetWidth; // 3 pixels a millimetre
        model.AvailHeight = 3 * model.SheetHeight;
        model.SetTypeShow(geom::TTypeShow::tsFill);
        const double scale = model.SheetScaleX;
        for (const auto& piece : model.Pieces) {
            const geom::TDetal& p = *piece;
            SCOPED_TRACE(m.File + " piece " + plat::Cp1251ToUtf8(p.Name));
            const auto loops = Loops(p);
            long black = 0, expected = 0;
            for (int y = 0; y < p.Mask.Height(); y += 2)
                for (int x = 0; x < p.Mask.Width(); x += 2) {
                    black += (p.Mask.GetPixel(x, y) & 0xFFFFFF) == 0;
                    expected += InsideLoops(loops, {(x + 0.5) / scale, (y + 0.5) / scale});
                }
            ASSERT_GT(expected, 0);
            EXPECT_NE(p.Mask.GetPixel(0, 0) & 0xFFFFFF, 0u) << "the fill ran out of the piece";
            EXPECT_NEAR(double(black) / double(expected), 1.0, 0.12) << black << " of " << expected;
        }
    }
}

TEST_F(Wardrobe, DeclaredSeamsHaveEqualLengthsOnBothSides) {
    size_t checked = 0;
    for (const TLoaded& m : LoadAll()) {
        SCOPED_TRACE(m.File);
        std::vector<size_t> counts;
        const auto remarks = ReadSeamRemarks(m.Bytes, counts);
        ASSERT_EQ(counts.size(), m.Model->Pieces.size());
        for (size_t i = 0; i < counts.size(); ++i)
            ASSERT_EQ(counts[i], m.Model->Pieces[i]->Primitives.size()) << "piece " << i;
        std::map<std::string, std::pair<double, double>> sides;
        for (const TSeamRemark& r : remarks) {
            ASSERT_TRUE((r.Side == 'A' || r.Side == 'B') && r.Times > 0) << r.Name;
            const double len = Length(*m.Model->Pieces[r.Piece]->Primitives[r.Primitive]);
            ASSERT_GT(len, 0) << r.Name << " marks a primitive without length";
            (r.Side == 'A' ? sides[r.Name].first : sides[r.Name].second) += r.Times * (len + r.Adjust);
        }
        for (const auto& [name, sum] : sides) {
            EXPECT_GT(sum.first, 0) << name;
            EXPECT_GT(sum.second, 0) << name;
            EXPECT_NEAR(sum.first, sum.second, kSeamTolerance) << "seam " << name;
            ++checked;
        }
    }
    EXPECT_GE(checked, 40u);
}

TEST_F(Wardrobe, GarmentListForThePainterMatchesTheModels) {
    const std::string text = ReadAll(fs::path(VELMORA_SOURCE_DIR) / "data/models/garments.txt");
    ASSERT_FALSE(text.empty());
    for (const TLoaded& m : LoadAll()) {
        SCOPED_TRACE(m.File);
        const size_t at = text.find("[" + m.File + "]\n");
        ASSERT_NE(at, std::string::npos);
        const std::string section = text.substr(at, text.find("\n\n", at) - at);
        EXPECT_NE(section.find("\npieces=" + std::to_string(m.Model->Pieces.size()) + "\n"), std::string::npos);
        for (size_t i = 0; i < m.Model->Pieces.size(); ++i) {
            const std::string entry = "\npiece" + std::to_string(i) + "=" + plat::Cp1251ToUtf8(m.Model->Pieces[i]->Caption()) + "|";
            EXPECT_NE(section.find(entry), std::string::npos) << entry;
        }
    }
}

// Descriptions load through the panes' loader from a copy of the image (the index caches are
// written beside them), name every piece and scale every size word.
TEST_F(Wardrobe, EveryModelHasADescriptionThatFollowsTheDoll) {
    const std::string copy = testing_support::MakeScratchDir("cd");
    fs::create_directories(copy + "/models");
    fs::create_directories(copy + "/Resource");
    for (const auto& e : fs::directory_iterator(Cd() + "/models"))
        if (e.path().extension() == ".rtf")
            fs::copy_file(e.path(), copy + "/models/" + e.path().filename().string());
    fs::copy_file(Cd() + "/Resource/describe.rtf", copy + "/Resource/describe.rtf");
    const auto all = LoadAll();
    Settings().CDPath = plat::IncludeTrailingBackslash(plat::WinPathOf(copy));
    for (const TLoaded& m : all) {
        SCOPED_TRACE(m.File);
        TRtfViewScale pane;
        pane.Resize(221, 212);
        LoadDescriptionFile(pane, "models\\" + m.File, "Vizo", 0, TDollFactors{2.0, 1.5});
        ASSERT_FALSE(pane.Document.Topics.empty());
        EXPECT_EQ(pane.Document.Topics.front().ContextId, m.File);
        std::string words;
        for (const auto& e : pane.Document.Elements) {
            if (IsTextElement(*e)) {
                const std::string& t = static_cast<const TRTFText&>(*e).Text;
                EXPECT_FALSE(t.size() > 2 && t[0] == '!' && std::string("XYxy").find(t[1]) != std::string::npos)
                    << "unscaled size word " << t;
                words += t;
            }
            words += " ";
        }
        for (const auto& piece : m.Model->Pieces) {
            std::string caption = piece->Caption();
            std::erase(caption, ' ');
            std::string compact = words;
            std::erase(compact, ' ');
            EXPECT_NE(compact.find(caption), std::string::npos) << plat::Cp1251ToUtf8(piece->Caption());
        }
        EXPECT_FALSE(pane.Lines.empty());
    }
    TrtfView fallback;
    fallback.Resize(221, 212);
    const std::string base = DataFile("resource\\describe");
    fallback.LoadFile(base + ".rtf", base + ".rtc");
    ASSERT_FALSE(fallback.Document.Topics.empty());
    fallback.ShowContents();
    EXPECT_GT(fallback.Document.Elements.size(), 20u);
}

// The default outfits: every slot imports, names only models and rack positions that exist, holds
// fabrics the drum has, and dresses the doll in garments that can be worn together.
TEST_F(Wardrobe, DefaultOutfitsImportAndDressTheDollSensibly) {
    const std::string reg = ReadAll(Cd() + "/Resource/velmora.reg");
    ASSERT_TRUE(reg.starts_with("REGEDIT4\r\n"));
    // The fabric bytes were chosen by the numbering the file's remark states; it must be the
    // sheets' numbering, or a byte meant for a tiled fabric picks a stretch one.
    char ranges[96];
    std::snprintf(ranges, sizeof ranges, "00..%02x the %d stretch fabrics of\r\n; FillsS.bmp, %02x..%02x the %d tiled",
                  layout::kFabricStretchCount - 1, layout::kFabricStretchCount, layout::kFabricStretchCount,
                  kMaxMaterial, layout::kFabricTiledCount);
    EXPECT_NE(reg.find(ranges), std::string::npos) << "velmora.reg states another fabric numbering than " << ranges;
    ASSERT_TRUE(IsFirstRun());
    ImportRegText(reg);
    EXPECT_FALSE(IsFirstRun());
    plat::TRegIniFile ini("Software\\Vertalis\\Velmora");
    std::set<std::string> files;
    for (const TLoaded& m : LoadAll())
        files.insert(m.File);
    for (int slot = 1; slot <= 8; ++slot) {
        const std::string section = "States" + std::to_string(slot);
        SCOPED_TRACE(section);
        plat::TRegistry raw;
        ASSERT_TRUE(raw.OpenKeyReadOnly("\\Software\\Vertalis\\Velmora\\" + section));
        for (const std::string& value : raw.GetValueNames())
            if (!value.starts_with("Model") && value != "Width" && value != "Height")
                EXPECT_TRUE(files.count(value)) << "materials of a missing model " << value;
        const auto all = LoadAll(&ini, section); // reading the materials refuses too long values
        std::vector<const TLoaded*> worn;
        for (int c = 0; c < 8; ++c) {
            std::vector<const TLoaded*> cls;
            for (const TLoaded& m : all)
                if (m.Class == c)
                    cls.push_back(&m);
            const int item = ini.ReadInteger(section, std::string("ModelsItem") + kClasses[c].Code, -1);
            const int view = ini.ReadInteger(section, std::string("ModelView") + kClasses[c].Code, 0);
            ASSERT_GE(item, -1);
            ASSERT_LT(item, int(cls.size()));
            ASSERT_GE(view, 0);
            ASSERT_LT(view, int(cls.size()));
            if (item >= 0)
                worn.push_back(cls[item]);
        }
        for (const TLoaded& m : all)
            for (const auto& p : m.Model->Pieces)
                EXPECT_TRUE(p->Material >= 0 && p->Material <= kMaxMaterial) << m.File << " " << p->Material;
        EXPECT_GE(worn.size(), slot == 1 ? 3u : 2u);
        for (const TLoaded* a : worn)
            for (const TLoaded* b : worn) {
                EXPECT_FALSE(kTakesOff[a->Class].count(b->Class)) << a->File << " takes off " << b->File;
                EXPECT_TRUE(geom::Compatible(*a->Model, *b->Model)) << a->File << " with " << b->File;
            }
        const int visible = ini.ReadInteger(section, "ModelView", 1);
        EXPECT_TRUE(visible >= 0 && visible <= 5);
        EXPECT_EQ(ini.ReadString(section, "Width", ""), "6.5");
        EXPECT_EQ(ini.ReadString(section, "Height", ""), "30.0");
    }
}

} // namespace
