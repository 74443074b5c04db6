// Reading, writing and editing of the drawing primitives. Drawing lives in Primitiv_Draw.cpp.
#include "designer/geometry/Primitiv.h"

#include "platform/core/Exceptions.h"
#include "platform/core/Numeric.h"
#include "platform/text/Cp1251.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace geom {

namespace {

bool Near(const TXY& p, int32_t x, int32_t y) {
    return std::llabs(int64_t(p.X) - x) < 2 && std::llabs(int64_t(p.Y) - y) < 2;
}

// Coordinates stay 32-bit: results of editing arithmetic are clamped instead of wrapping.
int32_t Clamp32(int64_t v) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

// Nearest integer with halves to even, clamped to 32 bits.
int32_t RoundClamp(double v) {
    if (!(v == v))
        return 0;
    double r = std::nearbyint(std::clamp(v, double(INT32_MIN), double(INT32_MAX)));
    return Clamp32(static_cast<int64_t>(r));
}

int32_t RoundScaled(int32_t v, double k) {
    return RoundClamp(double(v) * k);
}

std::string Word(const std::vector<std::string>& words, size_t i) {
    return i < words.size() ? words[i] : "";
}

template <class T> std::unique_ptr<T> MirrorCopy(std::unique_ptr<T> copy, const TXY& a, const TXY& b) {
    bool horizontal = std::llabs(int64_t(a.Y) - b.Y) < std::llabs(int64_t(a.X) - b.X);
    for (TXY* pt : copy->Points()) {
        if (horizontal)
            pt->Y = Clamp32(2 * int64_t(a.Y) - pt->Y);
        else
            pt->X = Clamp32(2 * int64_t(a.X) - pt->X);
        pt->Selected = false;
    }
    return copy;
}

} // namespace

std::string TXY::Text() const {
    std::string t = "(" + plat::IntToStr(X) + "," + plat::IntToStr(Y) + ")";
    return Selected ? "*" + t + "*" : t;
}

TXY ReadPoint(std::string_view word) {
    if (!word.empty() && word.front() == '(')
        word.remove_prefix(1);
    if (!word.empty() && word.back() == ')')
        word.remove_suffix(1);
    auto parts = SplitWords(word, ",");
    return TXY{plat::StrToIntDecimal(Word(parts, 0)), plat::StrToIntDecimal(Word(parts, 1)), false};
}

std::vector<std::string> SplitWords(std::string_view text, std::string_view delimiters) {
    std::vector<std::string> words;
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && delimiters.find(text[i]) != std::string_view::npos)
            ++i;
        size_t start = i;
        while (i < text.size() && delimiters.find(text[i]) == std::string_view::npos)
            ++i;
        if (i > start)
            words.emplace_back(text.substr(start, i - start));
    }
    return words;
}

int MapCoord(int offset, int32_t value, double scale) {
    constexpr double kLimit = 1 << 20; // far beyond any page (2400 dpi A4: 28000) or sheet
    double v = std::clamp(double(value) * scale, -kLimit, kLimit);
    if (!(v == v))
        v = 0;
    return static_cast<int>(std::clamp<int64_t>(int64_t(offset) + plat::Round(v), -(1 << 21), 1 << 21));
}

int MapCoordExact(int offset, int32_t value, int32_t num, int32_t den) {
    constexpr int64_t kLimit = 1 << 20; // as MapCoord
    const int64_t v = std::clamp(plat::DivRound(int64_t(value) * num, den), -kLimit, kLimit);
    return static_cast<int>(std::clamp<int64_t>(int64_t(offset) + v, -(1 << 21), 1 << 21));
}

// ---- editing shared by all kinds -------------------------------------------------------------

std::vector<const TXY*> TPrimitiv::Points() const {
    auto pts = const_cast<TPrimitiv*>(this)->Points();
    return {pts.begin(), pts.end()};
}

bool TPrimitiv::SelectAt(int32_t x, int32_t y) {
    bool changed = false, taken = false;
    for (TXY* pt : Points()) {
        bool sel = !taken && Near(*pt, x, y);
        taken = taken || sel;
        changed = changed || sel != pt->Selected;
        pt->Selected = sel;
    }
    return changed;
}

bool TPrimitiv::MoveSelected(int32_t x, int32_t y) {
    bool moved = false;
    for (TXY* pt : Points())
        if (pt->Selected) {
            pt->X = x;
            pt->Y = y;
            moved = true;
        }
    return moved;
}

std::unique_ptr<TPrimitiv> TPrimitiv::Mirrored(const TXY& a, const TXY& b) const {
    return MirrorCopy(Clone(), a, b);
}

void TPrimitiv::FlipY(int32_t h) {
    for (TXY* pt : Points())
        pt->Y = Clamp32(int64_t(h) - pt->Y);
}
void TPrimitiv::FlipX(int32_t w) {
    for (TXY* pt : Points())
        pt->X = Clamp32(int64_t(w) - pt->X);
}
void TPrimitiv::SwapXY() {
    for (TXY* pt : Points())
        std::swap(pt->X, pt->Y);
}
void TPrimitiv::Shift(int32_t dx, int32_t dy) {
    for (TXY* pt : Points()) {
        pt->X = Clamp32(int64_t(pt->X) + dx);
        pt->Y = Clamp32(int64_t(pt->Y) + dy);
    }
}
void TPrimitiv::ScaleX(double k) {
    for (TXY* pt : Points())
        pt->X = RoundScaled(pt->X, k);
}
void TPrimitiv::ScaleY(double k) {
    for (TXY* pt : Points())
        pt->Y = RoundScaled(pt->Y, k);
}

// ---- lines -------------------------------------------------------------------------------------

void TPrimLine::ReadText(std::string_view rest) {
    auto words = SplitWords(rest, " ");
    P1 = ReadPoint(Word(words, 0));
    P2 = ReadPoint(Word(words, 1));
}

std::unique_ptr<TPrimitiv> TPrimLine::Clone() const {
    auto copy = NewSame();
    copy->P1 = {P1.X, P1.Y, false};
    copy->P2 = {P2.X, P2.Y, false};
    return copy;
}

int32_t TPrimLine::Width() const {
    return Clamp32(std::llabs(int64_t(P2.X) - P1.X));
}
int32_t TPrimLine::Height() const {
    return Clamp32(std::llabs(int64_t(P2.Y) - P1.Y));
}

// ---- arcs --------------------------------------------------------------------------------------

void TPrimArc::ReadText(std::string_view rest) {
    auto words = SplitWords(rest, " ");
    if (words.size() > size_t(kMaxPoints))
        throw plat::EConvertError("ARC with more than " + plat::IntToStr(kMaxPoints) + " points");
    Pts.clear();
    for (const auto& w : words)
        Pts.push_back(ReadPoint(w));
    if (Pts.size() < 2)
        throw plat::EConvertError("ARC needs at least two points");
}

std::string TPrimArc::GetText() const {
    std::string text = Keyword();
    for (size_t i = 0; i < Pts.size(); ++i)
        text += (i ? " " : "") + Pts[i].Text();
    return text;
}

std::vector<TXY*> TPrimArc::Points() {
    std::vector<TXY*> pts;
    for (auto& pt : Pts)
        pts.push_back(&pt);
    return pts;
}

bool TPrimArc::SelectAt(int32_t x, int32_t y) {
    // From the last point to the first: the highest index wins.
    bool changed = false, taken = false;
    for (auto it = Pts.rbegin(); it != Pts.rend(); ++it) {
        bool sel = !taken && Near(*it, x, y);
        taken = taken || sel;
        changed = changed || sel != it->Selected;
        it->Selected = sel;
    }
    return changed;
}

bool TPrimArc::InsertPointAt(int32_t x, int32_t y) {
    auto it = std::find_if(Pts.begin(), Pts.end(), [&](const TXY& p) { return Near(p, x, y); });
    if (it == Pts.end())
        return false;
    Pts.insert(it, TXY{x, y, false});
    return true;
}

bool TPrimArc::DeletePointAt(int32_t x, int32_t y) {
    if (Pts.size() <= 2)
        return false;
    auto it = std::find_if(Pts.begin(), Pts.end(), [&](const TXY& p) { return Near(p, x, y); });
    if (it == Pts.end())
        return false;
    Pts.erase(it);
    return true;
}

bool TPrimArc::Subdivide(int n) {
    n = std::clamp(n, 0, kMaxPoints - 2);
    TXY first = Pts.front(), last = Pts.back();
    std::vector<TXY> pts{first};
    for (int i = 1; i <= n; ++i) {
        double f = double(i) / (n + 1);
        pts.push_back(TXY{RoundClamp(first.X + f * (double(last.X) - first.X)),
                          RoundClamp(first.Y + f * (double(last.Y) - first.Y)), false});
    }
    pts.push_back(last);
    Pts = std::move(pts);
    return true;
}

std::unique_ptr<TPrimitiv> TPrimArc::Clone() const {
    auto copy = NewSame();
    copy->Pts = Pts;
    for (auto& p : copy->Pts)
        p.Selected = false;
    return copy;
}

// ---- text, fill seed, ellipses -----------------------------------------------------------------

void TPrimText::ReadText(std::string_view rest) {
    auto words = SplitWords(rest, " ");
    P1 = ReadPoint(Word(words, 0));
    Caption = Word(words, 1);
}

std::unique_ptr<TPrimitiv> TPrimText::Clone() const {
    auto copy = std::make_unique<TPrimText>();
    copy->P1 = {P1.X, P1.Y, false};
    copy->Caption = Caption;
    return copy;
}

std::vector<std::string> TPrimText::Lines(std::string_view pieceCaption) const {
    std::string source = Caption;
    if (Caption == "*") {
        source = pieceCaption;
        std::replace(source.begin(), source.end(), ' ', '*');
    }
    auto lines = SplitWords(source, "*");
    for (auto& l : lines)
        std::replace(l.begin(), l.end(), '_', ' ');
    return lines;
}

void TPrimPointFill::ReadText(std::string_view rest) {
    P1 = ReadPoint(Word(SplitWords(rest, " "), 0));
}

std::unique_ptr<TPrimitiv> TPrimPointFill::Clone() const {
    auto copy = std::make_unique<TPrimPointFill>();
    copy->P1 = {P1.X, P1.Y, false};
    return copy;
}

void TPrimEllipse::ReadText(std::string_view rest) {
    auto words = SplitWords(rest, " ");
    P1 = ReadPoint(Word(words, 0));
    P2 = ReadPoint(Word(words, 1));
}

std::unique_ptr<TPrimitiv> TPrimEllipse::Clone() const {
    auto copy = std::make_unique<TPrimEllipse>();
    copy->P1 = {P1.X, P1.Y, false};
    copy->P2 = {P2.X, P2.Y, false};
    return copy;
}

int32_t TPrimEllipse::Width() const {
    return Clamp32(std::llabs(int64_t(P2.X) - P1.X));
}
int32_t TPrimEllipse::Height() const {
    return Clamp32(std::llabs(int64_t(P2.Y) - P1.Y));
}

void TPrimEllipse2::ReadText(std::string_view rest) {
    auto words = SplitWords(rest, " ");
    P1 = ReadPoint(Word(words, 0));
    P2 = ReadPoint(Word(words, 1));
    P3 = ReadPoint(Word(words, 2));
    P4 = ReadPoint(Word(words, 3));
    Allowance = plat::StrToIntDecimal(Word(words, 4));
}

std::string TPrimEllipse2::GetText() const {
    return "Ellipse2" + P1.Text() + " " + P2.Text() + " " + P3.Text() + " " + P4.Text() + " " +
           plat::IntToStr(Allowance);
}

std::unique_ptr<TPrimitiv> TPrimEllipse2::Clone() const {
    auto copy = std::make_unique<TPrimEllipse2>();
    copy->P1 = {P1.X, P1.Y, false};
    copy->P2 = {P2.X, P2.Y, false};
    copy->P3 = {P3.X, P3.Y, false};
    copy->P4 = {P4.X, P4.Y, false};
    copy->Allowance = Allowance;
    return copy;
}

int32_t TPrimEllipse2::Width() const {
    return Clamp32(std::llabs(int64_t(P2.X) - P1.X));
}
int32_t TPrimEllipse2::Height() const {
    return Clamp32(std::llabs(int64_t(P2.Y) - P1.Y));
}

// ---- dispatch of a body line -------------------------------------------------------------------

namespace {
template <class T> std::unique_ptr<TPrimitiv> Make(std::string_view rest) {
    auto prim = std::make_unique<T>();
    prim->ReadText(rest);
    return prim;
}
} // namespace

std::unique_ptr<TPrimitiv> PrimitiveFromLine(std::string_view line) {
    using Factory = std::unique_ptr<TPrimitiv> (*)(std::string_view);
    static const std::pair<const char*, Factory> kTable[] = {
        {"LINESG", Make<TPrimLineSg>},
        {"LINESP", Make<TPrimLineSp>},
        {"LINES", Make<TPrimLineS>},
        {"LINE", Make<TPrimLine>},
        {"NIT", Make<TPrimNit>},
        {"LIP", Make<TPrimLip>},
        {"ARC2Y", Make<TPrimArc2y>},
        {"ARC2X", Make<TPrimArc2x>},
        {"ARC", Make<TPrimArc>},
        {"TEXT", Make<TPrimText>},
        {"ELLIPSE2", Make<TPrimEllipse2>},
        {"ELLIPSE", Make<TPrimEllipse>},
        {"POINTFILL", Make<TPrimPointFill>},
    };
    for (const auto& [keyword, factory] : kTable) {
        std::string_view kw(keyword);
        if (line.size() >= kw.size() && plat::SameText(line.substr(0, kw.size()), kw))
            return factory(line.substr(kw.size()));
    }
    return nullptr;
}

} // namespace geom
