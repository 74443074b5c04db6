// The proof that matters to users: printed on the PDF printer at 300 dpi, a piece of 60 x 90 model
// units spans 60 x 90 mm on paper for the standard doll, and 120 x 90 mm with a back of 13.0 cm;
// plus the row and page layout with its status texts.
#include "designer/geometry/ModelPrint.h"
#include "platform/core/Numeric.h"
#include "platform/core/Platform.h"
#include "platform/print/PdfPrinter.h"
#include "platform/print/Printer.h"
#include "platform/print/PrinterProvider.h"
#include "platform/text/Cp1251.h"
#include "tests/platform/print/PdfContent.h"
#include "tests/support/Scratch.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <limits>
#include <sstream>

namespace geom {
namespace {

class DocumentsPlatform : public plat::Platform {
public:
    explicit DocumentsPlatform(std::string folder) : folder_(std::move(folder)) {}
    std::string DocumentsFolder() const override { return folder_; }

private:
    std::string folder_;
};

// PDF numbers have a point whatever the locale the test runs under.
double PdfNumber(const std::string& token) {
    double value = 0;
    EXPECT_TRUE(plat::TryStrToFloat(token, value)) << token;
    return value;
}

struct Extent {
    double MinX = std::numeric_limits<double>::max(), MinY = MinX, MaxX = -MinX, MaxY = -MinX;
};

// The extent, in millimetres, of the points of every stroked path (m and l operators) after the
// transformations in force; enough for the straight lines this printer writes.
Extent StrokedExtentMm(const std::string& stream) {
    std::istringstream in(stream);
    std::vector<std::string> operands;
    std::vector<print_test::Matrix> stack{{1, 0, 0, 1, 0, 0}};
    Extent e;
    std::string token;
    while (in >> token) {
        const bool number =
            std::isdigit(static_cast<unsigned char>(token[0])) || token[0] == '-' || token[0] == '.';
        if (number) {
            operands.push_back(token);
            continue;
        }
        auto& m = stack.back();
        if (token == "q")
            stack.push_back(m);
        else if (token == "Q" && stack.size() > 1)
            stack.pop_back();
        else if (token == "cm" && operands.size() >= 6) {
            double n[6];
            for (int i = 0; i < 6; ++i)
                n[i] = PdfNumber(operands[operands.size() - 6 + i]);
            print_test::Matrix r{n[0] * m[0] + n[1] * m[2],        n[0] * m[1] + n[1] * m[3],
                                 n[2] * m[0] + n[3] * m[2],        n[2] * m[1] + n[3] * m[3],
                                 n[4] * m[0] + n[5] * m[2] + m[4], n[4] * m[1] + n[5] * m[3] + m[5]};
            m = r;
        } else if ((token == "m" || token == "l") && operands.size() >= 2) {
            const double x = PdfNumber(operands[operands.size() - 2]), y = PdfNumber(operands.back());
            const double px = (x * m[0] + y * m[2] + m[4]) * 25.4 / 72,
                         py = (x * m[1] + y * m[3] + m[5]) * 25.4 / 72;
            e.MinX = std::min(e.MinX, px), e.MaxX = std::max(e.MaxX, px);
            e.MinY = std::min(e.MinY, py), e.MaxY = std::max(e.MaxY, py);
        }
        operands.clear();
    }
    return e;
}

class PrintProof : public ::testing::Test {
protected:
    PrintProof()
        : platform_(testing_support::MakeScratchDir("geometry-pdf") + "/Docs"), guard_(platform_),
          pdf_(list_.Add<plat::PdfPrinter>()), providerGuard_(list_) {
        pdf_.SetResolution(300);
    }

    Extent PrintAndMeasure(const std::string& modelText, double heightFactor, double widthFactor) {
        TModelFile file("proof.mdl", modelText);
        TModel model(file, "models\\proof", nullptr, 100, 100, TTypeShow::tsUnVisible);
        PrintModel(model, printer_, nullptr, nullptr, heightFactor, widthFactor);
        const auto streams = print_test::ContentStreams(testing_support::ReadHostFile(pdf_.LastOutputFile()));
        EXPECT_EQ(streams.size(), 1u);
        return streams.empty() ? Extent{} : StrokedExtentMm(streams.front());
    }

    DocumentsPlatform platform_;
    plat::PlatformGuard guard_;
    plat::PrinterList list_;
    plat::PdfPrinter& pdf_;
    plat::PrinterProviderGuard providerGuard_;
    plat::Printer printer_;
};

const char* kProof =
    "Proof(60,90)\nPiece(0,0,60,90)\nLINE(0,0) (60,0)\nLINE(60,0) (60,90)\nLINE(60,90) (0,90)\n"
    "LINE(0,90) (0,0)\n}\n";

TEST_F(PrintProof, PieceSpansItsTrueSize) {
    struct Case {
        double backWidth, widthMm, heightMm;
    };
    for (const Case& c : {Case{6.5, 60, 90}, Case{13.0, 120, 90}}) {
        const Extent e = PrintAndMeasure(kProof, 30.0 / 30.0, c.backWidth / 6.5);
        EXPECT_NEAR(e.MaxX - e.MinX, c.widthMm, 0.2) << c.backWidth;
        EXPECT_NEAR(e.MaxY - e.MinY, c.heightMm, 0.2) << c.backWidth;
    }
}

TEST_F(PrintProof, PiecesFillRowsThenPages) {
    // Pieces of 90 mm on an A4 page at 300 dpi: two per row, a new row, and a new page when the
    // next row would not fit; the status shows each page being prepared and printed.
    std::string text = "M(100,100)\n";
    for (int i = 0; i < 5; ++i)
        text += "P(0,0,90,120)\nLINE(0,0) (90,120)\n}\n";
    TModelFile file("rows.mdl", text);
    TModel model(file, "models\\rows", nullptr, 100, 100, TTypeShow::tsUnVisible);
    std::vector<std::string> status;
    TPrintLayout layout;
    printer_.BeginDoc("rows");
    std::vector<TPrintLayout> placed;
    for (const auto& piece : model.Pieces) {
        PrintPiece(
            model, *piece, printer_, layout, [&](const std::string& s) { status.push_back(s); }, 1.0, 1.0);
        placed.push_back(layout);
    }
    printer_.EndDoc();
    const int pw = 1063, ph = 1417; // round(300 x 90 / 25.4), round(300 x 120 / 25.4)
    EXPECT_EQ(placed[0].CurX, pw);
    EXPECT_EQ(placed[1].CurX, 2 * pw);
    EXPECT_EQ(placed[2].CurY, ph);
    EXPECT_EQ(placed[4].CurY, 0); // page 2
    EXPECT_EQ(status, (std::vector<std::string>{plat::Ru("Печатается страница 1"),
                                                plat::Ru("Готовится страница 2")}));
}

} // namespace
} // namespace geom
