// Reads back what a PDF file draws, for tests of the PDF printer: the inflated streams of the file
// and, from a page's content stream, the rectangles with the transformation and line width they
// were painted with, and the text-showing operators. Enough for the PDFs our printer writes, not a
// general PDF reader.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace print_test {

// a b c d e f of a PDF transformation matrix.
using Matrix = std::array<double, 6>;

struct PdfRect {
    double X = 0, Y = 0, Width = 0, Height = 0; // as written, in user space
    Matrix Ctm{1, 0, 0, 1, 0, 0};               // the transformation in force
    double LineWidth = 1;                       // user space
    std::string Paint;                          // the painting operator that used it: f, S, B, ...

    // Size in millimetres on the page.
    double WidthMm() const;
    double HeightMm() const;
    // Line width in millimetres on the page.
    double LineWidthMm() const;
};

struct PdfContent {
    std::vector<PdfRect> Rects;
    int TextObjects = 0; // BT ... ET
    int TextShows = 0;   // Tj, TJ, ' and " inside text objects
    int Curves = 0;      // c, v, y
    int Images = 0;      // Do
};

// Every stream of the file, inflated when it is Flate-compressed (kept raw otherwise).
std::vector<std::string> Streams(const std::string& pdf);
// The page content streams among them: the ones that set a transformation.
std::vector<std::string> ContentStreams(const std::string& pdf);
PdfContent ParseContent(const std::string& stream);

} // namespace print_test
