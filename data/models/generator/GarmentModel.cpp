// Laying out a model's pieces on its sheet and writing its model file, description and look.
#include "GarmentModel.h"

#include "platform/core/Numeric.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace gen {

namespace {

constexpr int kGap = 3;                       // mm between pieces on the sheet
constexpr double kPanelW = 239, kPanelH = 212; // the pattern panel's pattern area

std::string Decimal(double v) {
    std::string s = plat::FormatFixed(v, /*decimals=*/1);
    if (s.size() > 2 && s.ends_with(".0"))
        s.resize(s.size() - 2);
    return s;
}

std::string ClassCaption(const std::string& code) {
    if (code == "Wn") return "Пальто, шубы, плащи";
    if (code == "Pl") return "Платья";
    if (code == "Br") return "Брюки, лосины";
    if (code == "Bl") return "Блузы, маечки";
    if (code == "Hl") return "Халаты, купальники";
    if (code == "Yu") return "Юбки";
    if (code == "Sh") return "Шапки, шляпки";
    return "Туфли, сапоги";
}

std::string Plural(int n) {
    if (n == 1) return "деталь";
    if (n >= 2 && n <= 4) return "детали";
    return "деталей";
}

// Width and height size words of a piece, following its scaling prefix.
std::string PieceSize(const TPiece& p) {
    char wAxis = 'X', hAxis = 'Y';
    if (p.Prefix() == "!x") wAxis = hAxis = 'X';
    else if (p.Prefix() == "!y") wAxis = hAxis = 'Y';
    else if (p.Prefix() == "!r") wAxis = 'Y', hAxis = 'X';
    return SizeWord(wAxis, p.SizeX() - 4) + " на " + SizeWord(hAxis, p.SizeY() - 4) + " см";
}

void Paragraph(std::string& rtf, const std::string& format, const std::string& text) {
    rtf += "\\pard" + format + " " + text + "\\par\r\n";
}

} // namespace

std::string SizeWord(char axis, double mm) { return std::string("!") + axis + Decimal(mm / 10.0); }

double SeamTotal(const std::vector<TPiece>& pieces, const std::string& seam, char side) {
    double total = 0;
    for (const TPiece& p : pieces)
        for (const TEdge& e : p.Edges())
            for (const TSeamMark& m : e.Seams)
                if (m.Name == seam && m.Side == side)
                    total += m.Times * (e.Length() + m.Adjust);
    return total;
}

TSheetLayout LayOut(const TModelDef& model) {
    int widest = 0, total = 0;
    for (const TPiece& p : model.Pieces) {
        widest = std::max(widest, p.SizeX());
        total += p.SizeX() + kGap;
    }
    TSheetLayout best;
    double bestScale = 0;
    for (int shelf = widest; shelf <= std::max(widest, total); shelf += 2) {
        TSheetLayout l;
        int x = 0, y = 0, rowH = 0;
        for (const TPiece& p : model.Pieces) {
            if (x > 0 && x + p.SizeX() > shelf) {
                x = 0;
                y += rowH + kGap;
                rowH = 0;
            }
            l.Origins.push_back({x, y});
            x += p.SizeX() + kGap;
            rowH = std::max(rowH, p.SizeY());
            l.Width = std::max(l.Width, x - kGap);
        }
        l.Height = y + rowH;
        const double scale = std::min(kPanelW / l.Width, kPanelH / l.Height);
        if (scale > bestScale) {
            bestScale = scale;
            best = l;
        }
    }
    return best;
}

std::vector<std::string> ModelFileLines(const TModelDef& model) {
    const TSheetLayout sheet = LayOut(model);
    std::string header = model.Name + "(" + std::to_string(sheet.Width) + "," + std::to_string(sheet.Height) + ")";
    if (model.Hat || !model.Conflicts.empty()) {
        header += "|";
        if (model.Hat)
            header += "@";
        for (size_t i = 0; i < model.Conflicts.size(); ++i)
            header += (i ? "," : "") + model.Conflicts[i];
    }
    std::vector<std::string> lines{header};
    for (size_t i = 0; i < model.Pieces.size(); ++i) {
        auto body = model.Pieces[i].Lines(sheet.Origins[i].first, sheet.Origins[i].second);
        lines.insert(lines.end(), body.begin(), body.end());
    }
    return lines;
}

std::string DescriptionRtf(const TModelDef& m) {
    std::string rtf = "{\\rtf1\\ansi\\ansicpg1251\\deff0\r\n"
                      "{\\fonttbl{\\f0\\fswiss\\fcharset204 Arial;}}\r\n"
                      "{\\colortbl;\\red0\\green0\\blue0;\\red128\\green0\\blue64;\\red0\\green64\\blue128;}\r\n"
                      "\\deftab240\r\n";
    rtf += "#{\\footnote " + m.File + "}\r\n${\\footnote " + m.Name + "}\r\nK{\\footnote " + ClassCaption(m.Class) +
           ";" + m.Name + "}\r\n";
    Paragraph(rtf, "\\keepn\\qc\\sa60\\plain\\f0\\fs24\\b\\cf2", m.Name);
    Paragraph(rtf, "\\qj\\plain\\f0\\fs18", m.Intro);
    Paragraph(rtf, "\\sb80\\plain\\f0\\fs18\\b\\cf3", "Ткань");
    Paragraph(rtf, "\\qj\\plain\\f0\\fs18", m.FabricText);
    Paragraph(rtf, "\\sb80\\plain\\f0\\fs18\\b\\cf3", "Детали выкройки");
    for (const TPiece& p : m.Pieces) {
        std::string text = p.Name() + " — " + std::to_string(p.Count()) + " " + Plural(p.Count());
        if (p.HasFold())
            text += " на сгибе ткани";
        text += ", " + PieceSize(p);
        Paragraph(rtf, "\\li240\\fi-120\\plain\\f0\\fs18", text);
    }
    Paragraph(rtf, "\\sb80\\plain\\f0\\fs18\\b\\cf3", "Как шить");
    for (size_t i = 0; i < m.Steps.size(); ++i)
        Paragraph(rtf, "\\li240\\fi-240\\qj\\plain\\f0\\fs18", std::to_string(i + 1) + ".\\tab " + m.Steps[i]);
    rtf += "}\r\n";
    return rtf;
}

std::string FallbackDescriptionRtf() {
    std::string rtf = "{\\rtf1\\ansi\\ansicpg1251\\deff0\r\n"
                      "{\\fonttbl{\\f0\\fswiss\\fcharset204 Arial;}}\r\n"
                      "{\\colortbl;\\red0\\green0\\blue0;\\red128\\green0\\blue64;\\red0\\green64\\blue128;}\r\n";
    rtf += "#{\\footnote describe}\r\n${\\footnote Как работать с выкройкой}\r\n";
    Paragraph(rtf, "\\keepn\\qc\\sa60\\plain\\f0\\fs24\\b\\cf2", "Как работать с выкройкой");
    Paragraph(rtf, "\\qj\\plain\\f0\\fs18",
              "Распечатай выкройку для своей куклы: в окне печати введи её рост и ширину спинки, "
              "и детали напечатаются в настоящую величину.");
    Paragraph(rtf, "\\sb80\\plain\\f0\\fs18\\b\\cf3", "Что значат линии");
    Paragraph(rtf, "\\li240\\fi-120\\plain\\f0\\fs18",
              "Сплошная линия — линия кроя: по ней вырезай деталь. Припуск на швы 3 мм уже есть.");
    Paragraph(rtf, "\\li240\\fi-120\\plain\\f0\\fs18",
              "Точки — линия шва: по ней шей. Пунктир — сгиб ткани: эту сторону "
              "выкройки прикладывай к сгибу и не разрезай.");
    Paragraph(rtf, "\\li240\\fi-120\\plain\\f0\\fs18",
              "Штрих с двумя точками — линия склейки: здесь детали склеивают клеем для ткани.");
    Paragraph(rtf, "\\li240\\fi-120\\plain\\f0\\fs18",
              "Стрелка — долевая нить: клади деталь так, чтобы стрелка шла вдоль кромки ткани. "
              "Прямоугольник из точек — место липучки.");
    Paragraph(rtf, "\\sb80\\plain\\f0\\fs18\\b\\cf3", "Совет");
    Paragraph(rtf, "\\qj\\plain\\f0\\fs18",
              "Приколи бумажную выкройку к ткани булавками, обведи мелом и вырежи. Попроси взрослых "
              "помочь с утюгом и швейной машиной.");
    rtf += "}\r\n";
    return rtf;
}

std::vector<std::string> GarmentEntry(const TModelDef& m) {
    const TGarmentLook& l = m.Look;
    std::vector<std::string> out = {
        "[" + m.File + "]",
        "class=" + m.Class,
        "name=" + m.Name,
        "silhouette=" + l.Silhouette,
        "top=" + l.Top,
        "length=" + l.Length,
        "sleeves=" + l.Sleeves,
        "neck=" + l.Neck,
        "closure=" + l.Closure,
        "fabric=" + l.Fabric,
        "hatflag=" + std::string(m.Hat ? "yes" : "no"),
        "pieces=" + std::to_string(m.Pieces.size()),
    };
    for (size_t i = 0; i < m.Pieces.size(); ++i) {
        const TPiece& p = m.Pieces[i];
        const TPieceLook& pl = p.GetLook();
        std::string cut = p.HasFold() ? "fold" : std::to_string(p.Count());
        if (p.HasFold() && p.Count() > 1)
            cut = std::to_string(p.Count()) + "+fold";
        const bool mirrored = p.Count() % 2 == 0 || p.HasFold();
        out.push_back("piece" + std::to_string(i) + "=" + p.Name() + "|" + pl.View + "|" + pl.Part + "|" +
                      (pl.Group.empty() ? "-" : pl.Group) + "|" + cut + "|" + (mirrored ? "mirrored" : "single"));
    }
    out.push_back("");
    return out;
}

} // namespace gen
