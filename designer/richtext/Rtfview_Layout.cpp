// Measuring and breaking the elements of a topic into lines: indents, spacing, the minimum line
// height, spaces at line ends, right, centred and justified alignment, tabs and the keep-next
// region at the top.
#include "designer/richtext/Rtfview.h"
#include "platform/core/Numeric.h"

#include <algorithm>

void TrtfView::MeasureAll(plat::Canvas& canvas) {
    const bool monochrome = canvas.BitsPerPixel() == 1;
    for (auto& e : Document.Elements) {
        e->Measure(canvas);
        e->LayoutWidth = e->NaturalWidth;
        e->Monochrome = monochrome;
    }
}

namespace {

class LineBuilder {
public:
    LineBuilder(plat::Canvas& canvas, int width, std::vector<std::unique_ptr<TRTFLine>>& lines)
        : canvas_(canvas), width_(width), lines_(lines) {}

    void Element(TRTFElement& e) {
        if (e.Kind() == ElementKind::Tab)
            SizeTab(static_cast<TRTFTab&>(e));
        if (e.Kind() == ElementKind::Paragraph) {
            Paragraph(static_cast<TRTFParagraph&>(e));
            return;
        }
        if (line_ == nullptr)
            return; // nothing before the first paragraph element can be placed
        if (x_ + e.LayoutWidth > free_) {
            Finish(/*paragraphEnd=*/false);
            Start();
        }
        if (e.Kind() == ElementKind::Space)
            ++spaces_;
        x_ += e.LayoutWidth;
        line_->Elements.push_back(&e);
        line_->Ascent = std::max(line_->Ascent, e.Ascent);
        line_->Descent = std::max(line_->Descent, e.Descent);
    }

private:
    int PxX(int twips) const { return TwipsToPixelsX(canvas_, twips); }
    int PxY(int twips) const { return TwipsToPixelsY(canvas_, twips); }

    void SizeTab(TRTFTab& tab) {
        if (x_ < 0) {
            tab.LayoutWidth = -x_; // a tab in a hanging first line moves to the left indent
            return;
        }
        tab.TabX = x_;
        tab.Measure(canvas_);
        tab.LayoutWidth = tab.NaturalWidth;
    }

    void Paragraph(TRTFParagraph& p) {
        Finish(/*paragraphEnd=*/true);
        paragraph_ = &p;
        Start();
        free_ = width_ - PxX(p.Attrs.LeftIndent + p.Attrs.RightIndent);
        x_ = PxX(p.Attrs.FirstIndent);
        line_->OriginX += x_;
    }

    void Start() {
        line_ = std::make_unique<TRTFLine>();
        line_->Ascent = paragraph_->Ascent;
        line_->Descent = paragraph_->Descent;
        line_->OriginX = PxX(paragraph_->Attrs.LeftIndent);
        line_->KeepNext = paragraph_->Attrs.KeepNext != 0;
        x_ = 0;
        spaces_ = 0;
    }

    void Finish(bool paragraphEnd) {
        if (paragraph_ == nullptr || line_ == nullptr) {
            if (paragraphEnd)
                firstLine_ = true;
            return;
        }
        const TRtfParaAttrs& a = paragraph_->Attrs;
        TRTFLine& line = *line_;
        const int minHeight = PxY(a.LineSpacing);
        if (line.Height() < minHeight)
            line.Ascent += minHeight - line.Height();
        if (paragraphEnd)
            line.Descent += PxY(a.SpaceAfter);
        if (firstLine_)
            line.Ascent += PxY(a.SpaceBefore);
        while (!line.Elements.empty() && line.Elements.back()->Kind() == ElementKind::Space) {
            line.Elements.pop_back();
            --spaces_;
        }
        if (!firstLine_) {
            while (!line.Elements.empty() && line.Elements.front()->Kind() == ElementKind::Space) {
                line.Elements.erase(line.Elements.begin());
                --spaces_;
            }
        }
        firstLine_ = paragraphEnd;
        Align(line, paragraphEnd);
        lines_.push_back(std::move(line_));
    }

    void Align(TRTFLine& line, bool paragraphEnd) {
        const int spare = free_ - x_;
        switch (paragraph_->Attrs.Alignment) {
        case alRight:
            line.OriginX += spare;
            return;
        case alCenter:
            line.OriginX += spare / 2;
            return;
        case alJustify: {
            if (paragraphEnd || spaces_ < 1 || line.Elements.size() < 2)
                return;
            // The spare pixels are spread over the spaces with the rounding error carried on, so
            // the line ends exactly at the right edge.
            const double per = static_cast<double>(spare) / spaces_;
            double acc = 0;
            for (TRTFElement* e : line.Elements) {
                if (e->Kind() != ElementKind::Space)
                    continue;
                acc += per;
                const int n = plat::Round(acc);
                acc -= n;
                e->LayoutWidth += n;
            }
            return;
        }
        default:
            return;
        }
    }

    plat::Canvas& canvas_;
    int width_;
    std::vector<std::unique_ptr<TRTFLine>>& lines_;
    TRTFParagraph* paragraph_ = nullptr;
    std::unique_ptr<TRTFLine> line_;
    int x_ = 0;
    int free_ = 0;
    int spaces_ = 0;
    bool firstLine_ = true;
};

} // namespace

void TrtfView::LayoutLines(plat::Canvas& canvas, int width) {
    if (Document.Elements.empty())
        return;
    Lines.clear();
    // Justification adds to the spaces' widths; a new layout starts from their natural widths.
    for (auto& e : Document.Elements) {
        if (e->Kind() == ElementKind::Space)
            e->LayoutWidth = e->NaturalWidth;
    }
    LineBuilder builder(canvas, width, Lines);
    for (auto& e : Document.Elements)
        builder.Element(*e);
    // The line under construction is dropped: text after a topic's last paragraph mark is not
    // shown.
    // The fixed region is the run of keep-next lines at the top. Keep-next paragraphs further down
    // (word processors use the flag to keep lines together) belong to the scrolling text: counting
    // them in would draw lines twice and skip others.
    const auto firstScrolling =
        std::find_if(Lines.begin(), Lines.end(), [](const auto& l) { return !l->KeepNext; });
    FixedLineCount = static_cast<int>(firstScrolling - Lines.begin());
    ScrollLineCount = static_cast<int>(Lines.size()) - FixedLineCount;
    line_ = -1; // so that SetLine(0) always takes effect
    SetLine(0);
}
