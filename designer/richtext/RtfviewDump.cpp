// rtfview-dump: a developer tool that loads a rich-text document exactly as the designer does
// (the index cache beside it, same name with ".rtc") and prints its topic index, one topic's
// elements, renders a topic to a PNG file or prints it to a PDF file. --screen shows the topic
// in the on-screen view with the painted scroll bar beside it, as the help window does, and
// writes what that window shows.
//
//   rtfview-dump DOC.rtf
//   rtfview-dump DOC.rtf --topic NAME
//   rtfview-dump DOC.rtf --png NAME --width N -o out.png
//   rtfview-dump DOC.rtf --pdf NAME -o out.pdf
//   rtfview-dump DOC.rtf --screen NAME --width N --height N -o out.png
#include "designer/controls/PaintScrollBar.h"
#include "designer/richtext/RtfPaintScrollBar.h"
#include "designer/richtext/Rtfview.h"
#include "designer/richtext/RtfviewControl.h"
#include "platform/core/Exceptions.h"
#include "platform/files/WinPath.h"
#include "platform/graphics/GuiApplication.h"
#include "platform/graphics/PictureWriter.h"
#include "platform/print/PdfPrinter.h"
#include "platform/print/Printer.h"
#include "platform/print/PrinterProvider.h"
#include "platform/text/Cp1251.h"
#include "platform/ui/Application.h"
#include "platform/ui/Synthetic.h"

#include <cstdio>
#include <iostream>
#include <memory>
#include <string>

namespace {

const char* KindName(ElementKind kind) {
    switch (kind) {
    case ElementKind::Paragraph:
        return "PAR";
    case ElementKind::Text:
        return "TEXT";
    case ElementKind::HotText:
        return "HOT";
    case ElementKind::Space:
        return "SPACE";
    case ElementKind::Tab:
        return "TAB";
    case ElementKind::Bitmap:
        return "BITMAP";
    case ElementKind::HotBitmap:
        return "HOTBITMAP";
    }
    return "?";
}

int Usage() {
    std::cerr
        << "usage: rtfview-dump DOC.rtf [--topic NAME | --png NAME --width N -o out.png | --pdf NAME -o "
           "out.pdf | --screen NAME --width N --height N -o out.png]\n";
    return 2;
}

// The view and its scroll bar on a window of their size, the bar 17 pixels wide at the right.
int SaveScreen(const std::string& rtf, const std::string& rtc, const std::string& topic, int width,
               int height, const std::string& output) {
    plat::TForm form;
    form.SetClientSize(width + 17, height);
    form.SetBounds(0, 0, width + 17, height);
    auto& view = form.Make<TrtfViewControl>();
    view.SetBounds(0, 0, width, height);
    auto& bar = form.Make<TPaintScrollBar>();
    bar.SetBounds(width, 0, 17, height);
    view.SetScrollBar(std::make_unique<TRtfPaintScrollBar>(bar));
    view.View().Font.Name = "Sans";
    if (!view.View().LoadFile(rtf, rtc)) {
        std::cerr << rtf << ": no such file\n";
        return 1;
    }
    if (!view.View().ShowTopic(topic)) {
        std::cerr << rtf << ": no topic \"" << plat::Cp1251ToUtf8(topic) << "\"\n";
        return 1;
    }
    form.Show();
    if (!plat::SaveSnapshotPng(form, output)) {
        std::cerr << output << ": cannot write\n";
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return Usage();
    const std::string hostRtf = argv[1];
    std::string topic, mode = "index", output;
    int width = 600;
    int height = 400;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "--topic" || arg == "--png" || arg == "--pdf" || arg == "--screen") && i + 1 < argc) {
            mode = arg.substr(2);
            topic = plat::Utf8ToCp1251(argv[++i]);
        } else if (arg == "--width" && i + 1 < argc) {
            width = std::atoi(argv[++i]);
        } else if (arg == "--height" && i + 1 < argc) {
            height = std::atoi(argv[++i]);
        } else if (arg == "-o" && i + 1 < argc) {
            output = argv[++i];
        } else {
            return Usage();
        }
    }
    try {
        // The on-screen view needs the full application object, which also serves for drawing.
        if (mode == "screen")
            plat::EnsureUiApplication();
        plat::EnsureGuiApplication();
        const std::string rtf = plat::WinPathOf(hostRtf);
        std::string rtc = rtf;
        const size_t dot = rtc.find_last_of('.');
        rtc = (dot == std::string::npos || dot < rtc.find_last_of('\\') ? rtc : rtc.substr(0, dot)) + ".rtc";
        if (mode == "screen")
            return output.empty() ? Usage() : SaveScreen(rtf, rtc, topic, width, height, output);
        TrtfView view;
        view.Font.Name = "Sans";
        view.Resize(width, 2000);
        view.LoadFile(rtf, rtc);
        if (view.Document.DocumentName.empty()) {
            std::cerr << hostRtf << ": no such file\n";
            return 1;
        }
        if (mode == "index") {
            for (const TTopic& t : view.Document.Topics) {
                const TRtfState& s = t.StartState;
                std::printf("%s\t%s\t%s\t%u\tf%d fs%d b%d i%d v%d ul%d al%d li%d fi%d\n",
                            plat::Cp1251ToUtf8(t.ContextId).c_str(), plat::Cp1251ToUtf8(t.Title).c_str(),
                            plat::Cp1251ToUtf8(t.Keywords).c_str(), t.StartPosition, s.FontNumber, s.FontSize,
                            s.Bold, s.Italic, s.Visible, s.UnderlineKind, s.Para.Alignment, s.Para.LeftIndent,
                            s.Para.FirstIndent);
            }
            return 0;
        }
        if (!view.ShowTopic(topic)) {
            std::cerr << hostRtf << ": no topic \"" << plat::Cp1251ToUtf8(topic) << "\"\n";
            return 1;
        }
        if (mode == "topic") {
            for (const auto& e : view.Document.Elements) {
                std::printf("%s", KindName(e->Kind()));
                if (IsTextElement(*e))
                    std::printf(" \"%s\"", plat::Cp1251ToUtf8(static_cast<TRTFText&>(*e).Text).c_str());
                if (!e->GetTopic().empty())
                    std::printf(" -> %s", plat::Cp1251ToUtf8(e->GetTopic()).c_str());
                if (IsBitmapElement(*e)) {
                    const auto& b = static_cast<TRTFBitmap&>(*e);
                    std::printf(" %dx%d twips, %dx%d px", b.WidthTwips, b.HeightTwips,
                                b.Picture ? b.Picture->Width() : 0, b.Picture ? b.Picture->Height() : 0);
                }
                std::printf("\n");
            }
            return 0;
        }
        if (output.empty())
            return Usage();
        if (mode == "png") {
            int height = 0;
            for (const auto& l : view.Lines)
                height += l->Height();
            view.Resize(width, std::max(height + 1, 2));
            view.ShowTopic(topic);
            view.Paint();
            if (!plat::SavePng(view.BackBuffer, output)) {
                std::cerr << output << ": cannot write\n";
                return 1;
            }
            return 0;
        }
        plat::PrinterList printers;
        auto& pdf = printers.Add<plat::PdfPrinter>("PDF");
        plat::PrinterProviderGuard guard(printers);
        pdf.SetNextOutputFile(output);
        plat::Printer printer;
        view.Print(printer);
        return 0;
    } catch (const std::exception& e) {
        std::cerr << hostRtf << ": " << e.what() << "\n";
        return 1;
    }
}
