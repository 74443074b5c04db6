// Printing a topic on the printer's pages within the print margins, and copying the topic shown
// to the clipboard as rich text (the document's header, a prologue restoring the topic's start
// state, the topic's tokens) and as plain text.
#include "designer/richtext/Rtfview.h"
#include "platform/core/Numeric.h"
#include "platform/print/Printer.h"

#include <algorithm>
#include <string>

namespace {

int MarginPixels(int marginMm, double pageMm, int pagePixels) {
    if (pageMm <= 0)
        return 0;
    return plat::Round(marginMm / pageMm * pagePixels);
}

// The number of the first colour-table entry holding `color` (index + 1); 0 when none does.
int ColorNumber(const TRtfDocument& doc, plat::TColor color) {
    for (size_t i = 0; i < doc.ColorTable.size(); ++i) {
        if (doc.ColorTable[i] == color)
            return static_cast<int>(i) + 1;
    }
    return 0;
}

std::string Prologue(const TRtfDocument& doc, const TRtfState& st) {
    const auto num = [](std::string_view word, int value) {
        return std::string(word) + std::to_string(value);
    };
    std::string out = num("\\f", st.FontNumber) + num("\\fs", st.FontSize);
    if (st.Bold)
        out += "\\b";
    if (st.Italic)
        out += "\\i";
    if (st.Underline)
        out += "\\ul";
    if (st.StrikeOut)
        out += "\\strike";
    if (st.Visible == 0)
        out += "\\v";
    out += num("\\cf", ColorNumber(doc, st.ForeColor)) + num("\\cb", ColorNumber(doc, st.BackColor));
    if (st.Para.KeepNext)
        out += "\\keepn";
    out += num("\\fi", st.Para.FirstIndent) + num("\\li", st.Para.LeftIndent) +
           num("\\ri", st.Para.RightIndent) + num("\\sb", st.Para.SpaceBefore) +
           num("\\sa", st.Para.SpaceAfter) + num("\\linex", st.Para.LineSpacing);
    static constexpr const char* kAlign[] = {"\\ql", "\\qr", "\\qc", "\\qj"};
    out += kAlign[st.Para.Alignment < 4 ? st.Para.Alignment : 0];
    out += ' ';
    return out;
}

} // namespace

void TrtfView::Print(plat::Printer& printer) {
    printer.BeginDoc("");
    try {
        PrintAt(printer, 0);
    } catch (...) {
        try {
            printer.EndDoc();
        } catch (...) {
            // The job is over either way; the first error is the one to report.
        }
        throw;
    }
    printer.EndDoc();
}

int TrtfView::PrintAt(plat::Printer& printer, int startY) {
    plat::Canvas& canvas = printer.PageCanvas();
    const int left = MarginPixels(PrintMarginLeft, printer.PageWidthMm(), printer.PageWidth());
    const int right = MarginPixels(PrintMarginRight, printer.PageWidthMm(), printer.PageWidth());
    const int top = MarginPixels(PrintMarginTop, printer.PageHeightMm(), printer.PageHeight());
    const int bottom = MarginPixels(PrintMarginBottom, printer.PageHeightMm(), printer.PageHeight());
    const int bottomLimit = printer.PageHeight() - bottom;
    const int printableWidth = printer.PageWidth() - left - right;
    int x = left;
    int y = startY;
    const auto backToScreen = [&] {
        MeasureAll(*canvas_);
        LayoutLines(*canvas_, width_);
        Invalidate();
    };
    try {
        if (OnNewPage)
            OnNewPage();
        if (OnPrint)
            OnPrint(x, y);
        MeasureAll(canvas);
        LayoutLines(canvas, printableWidth);
        canvas.Font.Color = plat::clBlack;
        for (const auto& line : Lines) {
            if (bottomLimit < y + line->Height() && y != top) {
                printer.NewPage();
                if (OnNewPage)
                    OnNewPage();
                y = top;
            }
            DrawLine(*line, x, y, canvas);
            y += line->Height();
        }
        if (OnPrinted) {
            try {
                OnPrinted(x, y);
            } catch (...) {
                // Errors of the after-print handler are not the printing's.
            }
        }
    } catch (...) {
        backToScreen();
        throw;
    }
    backToScreen();
    return y;
}

TRtfClipboardData TrtfView::CopyToClipboard() {
    TRtfClipboardData data;
    if (History.empty() || Document.Input() == nullptr)
        return data;
    for (const auto& e : Document.Elements) {
        switch (e->Kind()) {
        case ElementKind::Text:
        case ElementKind::HotText:
            data.PlainText += static_cast<const TRTFText&>(*e).Text;
            break;
        case ElementKind::Space:
            data.PlainText += ' ';
            break;
        case ElementKind::Tab:
            data.PlainText += '\t';
            break;
        case ElementKind::Paragraph:
            data.PlainText += "\r\n";
            break;
        case ElementKind::Bitmap:
        case ElementKind::HotBitmap:
            break;
        }
    }

    TRtfInput& input = *Document.Input();
    data.RichText = ReadInputBytes(input, 0, Document.HeaderEnd);

    TRtfState state;
    uint32_t position = Document.Topics.empty() ? 0 : Document.Topics.front().StartPosition;
    for (const TTopic& t : Document.Topics) {
        if (t.ContextId == History.back()) {
            state = t.StartState;
            position = t.StartPosition;
            break;
        }
    }
    data.RichText += Prologue(Document, state);
    TRtfScanner& scanner = SharedRtfScanner();
    scanner.SetInput(&input);
    scanner.Seek(position);
    TRtfToken token;
    while (scanner.Next(token)) {
        data.RichText += token.Text;
        if (token.IsPageBreak())
            break;
    }
    scanner.SetInput(nullptr);
    return data;
}
