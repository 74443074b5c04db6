// velmora-modelgen: computes the wardrobe's sewing patterns from the standard doll and writes the
// model files, their descriptions, the fallback description and the painter's garment list into
// the CD image; copies the default-outfit registry file there with the designer's line ends.
// Refuses to write anything when a declared seam's two sides differ by more than half a millimetre.
#include "Wardrobe.h"

#include "platform/text/Cp1251.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>

namespace {

constexpr double kSeamTolerance = 0.5; // mm

struct TOptions {
    std::string Models, Resource, RegSource, Garments;
};

std::string Crlf(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            out += '\r';
        out += text[i];
    }
    return out;
}

// The designer's files are cp1251 with CR LF; the painter's list stays UTF-8 with plain line ends.
enum class TTextForm { Designer, DesignerLineEnds, Plain };

void WriteText(const std::filesystem::path& path, const std::string& utf8, TTextForm form = TTextForm::Designer) {
    std::ofstream out(path, std::ios::binary);
    const std::string text = form == TTextForm::Plain      ? utf8
                             : form == TTextForm::Designer ? Crlf(plat::Utf8ToCp1251(utf8))
                                                           : Crlf(utf8);
    out.write(text.data(), std::streamsize(text.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

std::string Join(const std::vector<std::string>& lines) {
    std::string s;
    for (const std::string& l : lines)
        s += l + "\n";
    return s;
}

// Sum of each side of each seam over the edges and glue lines of the model.
bool SeamsMatch(const gen::TModelDef& m) {
    std::map<std::string, std::pair<double, double>> sums;
    auto add = [&](const gen::TSeamMark& s, double length) {
        auto& pair = sums[s.Name];
        (s.Side == 'A' ? pair.first : pair.second) += s.Times * (length + s.Adjust);
    };
    for (const gen::TPiece& p : m.Pieces) {
        for (const gen::TEdge& e : p.Edges())
            for (const gen::TSeamMark& s : e.Seams)
                add(s, e.Length());
        for (const gen::TMark& mark : p.Marks())
            for (const gen::TSeamMark& s : mark.Seams)
                add(s, gen::Distance(mark.A, mark.B));
    }
    bool ok = true;
    for (const auto& [name, pair] : sums) {
        const bool match = pair.first > 0 && pair.second > 0 && std::abs(pair.first - pair.second) <= kSeamTolerance;
        std::printf("  %s seam %-9s %7.2f %7.2f %s\n", m.File.c_str(), name.c_str(), pair.first, pair.second,
                    match ? "ok" : "MISMATCH");
        ok = ok && match;
    }
    return ok;
}

TOptions Parse(int argc, char** argv) {
    TOptions o;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string a = argv[i], v = argv[i + 1];
        if (a == "--models") o.Models = v;
        else if (a == "--resource") o.Resource = v;
        else if (a == "--reg") o.RegSource = v;
        else if (a == "--garments") o.Garments = v;
        else throw std::runtime_error("unknown option " + a);
    }
    if (o.Models.empty() || o.Resource.empty())
        throw std::runtime_error("usage: velmora-modelgen --models DIR --resource DIR [--reg FILE] [--garments FILE]");
    return o;
}

std::vector<gen::TModelDef> Wardrobe() {
    std::vector<gen::TModelDef> all;
    for (auto make : {gen::CoatModels, gen::DressModels, gen::TrouserModels, gen::BlouseModels, gen::RobeModels,
                      gen::SkirtModels, gen::HatModels, gen::ShoeModels}) {
        auto models = make();
        all.insert(all.end(), models.begin(), models.end());
    }
    for (auto& m : all)
        for (auto& p : m.Pieces)
            p.Finish();
    return all;
}

void PrintRackOrder(const std::vector<gen::TModelDef>& all) {
    // The racks list a class by name in the designer's byte order; the outfits name models by it.
    std::map<std::string, std::vector<std::pair<std::string, std::string>>> classes;
    for (const auto& m : all)
        classes[m.Class].push_back({plat::Utf8ToCp1251(m.Name), m.File});
    for (auto& [code, list] : classes) {
        std::stable_sort(list.begin(), list.end(), [](const auto& a, const auto& b) {
            return std::lexicographical_compare(a.first.begin(), a.first.end(), b.first.begin(), b.first.end(),
                                                [](char x, char y) { return (unsigned char)x < (unsigned char)y; });
        });
        std::printf("  rack %s:", code.c_str());
        for (size_t i = 0; i < list.size(); ++i)
            std::printf(" %zu=%s", i, list[i].second.c_str());
        std::printf("\n");
    }
}

} // namespace

int main(int argc, char** argv) {
    try {
        const TOptions o = Parse(argc, argv);
        const auto all = Wardrobe();
        bool ok = true;
        for (const auto& m : all)
            ok = SeamsMatch(m) && ok;
        if (!ok) {
            std::cerr << "velmora-modelgen: seams do not match, nothing written\n";
            return 1;
        }
        PrintRackOrder(all);
        std::filesystem::create_directories(o.Models);
        std::filesystem::create_directories(o.Resource);
        std::vector<std::string> garments = {
            "# The wardrobe's garments for the picture painter, written by velmora-modelgen.",
            "# One section per model file; pieceN = name|view|part|group|cut|mirrored, in model-file order.",
            "# view: front, back, front+back or none (not seen on the doll); group: pieces painted together;",
            "# cut: 1, 2, 4, fold or N+fold; mirrored: the piece shows as a left/right pair on the doll.",
            ""};
        for (const auto& m : all) {
            const std::filesystem::path base = std::filesystem::path(o.Models) / m.File;
            WriteText(base.string() + ".mdl", Join(gen::ModelFileLines(m)));
            WriteText(base.string() + ".rtf", gen::DescriptionRtf(m));
            auto entry = gen::GarmentEntry(m);
            garments.insert(garments.end(), entry.begin(), entry.end());
        }
        WriteText(std::filesystem::path(o.Resource) / "describe.rtf", gen::FallbackDescriptionRtf());
        if (!o.Garments.empty())
            WriteText(o.Garments, Join(garments), TTextForm::Plain);
        if (!o.RegSource.empty()) {
            std::ifstream in(o.RegSource, std::ios::binary);
            std::stringstream text;
            text << in.rdbuf();
            if (!in)
                throw std::runtime_error("cannot read " + o.RegSource);
            WriteText(std::filesystem::path(o.Resource) / "velmora.reg", text.str(), TTextForm::DesignerLineEnds);
        }
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "velmora-modelgen: " << e.what() << "\n";
        return 1;
    }
}
