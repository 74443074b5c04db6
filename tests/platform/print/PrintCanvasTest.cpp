// The page canvas, read back from the pictures the recording printer keeps of its pages: where
// shapes, text and pictures land in device pixels, and what the raster operations do on paper.

#include "platform/print/RecordingPrinter.h"
#include "platform/text/Cp1251.h"

#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <set>

namespace plat {
namespace {

PageFormat Page(int width, int height, int dpi) {
    PageFormat format;
    format.Width = width;
    format.Height = height;
    format.WidthMm = width * 25.4 / dpi;
    format.HeightMm = height * 25.4 / dpi;
    format.PixelsPerInchX = dpi;
    format.PixelsPerInchY = dpi;
    format.BitsPerPixel = 24;
    return format;
}

// Draws one page on a recording printer and returns its picture.
template <class Draw> Bitmap Render(Draw draw, const PageFormat& format = Page(200, 150, 96)) {
    RecordingPrinter printer("Recorder", format);
    std::unique_ptr<PrintJob> job = printer.StartJob("test");
    draw(job->PageCanvas());
    job->Finish();
    return printer.Documents().at(0).Pages.at(0).Image;
}

struct InkBox {
    int Left = 0, Top = 0, Right = 0, Bottom = 0; // right and bottom excluded
    bool operator==(const InkBox&) const = default;
};

std::ostream& operator<<(std::ostream& out, const InkBox& box) {
    return out << "(" << box.Left << ", " << box.Top << ")-(" << box.Right << ", " << box.Bottom << ")";
}

// The box around every pixel that is not white; nothing when the page is blank.
std::optional<InkBox> Ink(const Bitmap& image) {
    std::optional<InkBox> box;
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            if (image.GetPixel(x, y) == clWhite)
                continue;
            if (!box)
                box = InkBox{x, y, x + 1, y + 1};
            box->Left = std::min(box->Left, x);
            box->Top = std::min(box->Top, y);
            box->Right = std::max(box->Right, x + 1);
            box->Bottom = std::max(box->Bottom, y + 1);
        }
    }
    return box;
}

bool AnyInk(const Bitmap& image, int left, int top, int right, int bottom) {
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            if (image.GetPixel(x, y) != clWhite)
                return true;
        }
    }
    return false;
}

// A one-pixel pen outlines exactly the box: its first and last columns and rows, right and bottom
// edges excluded; the brush fills the inside.
TEST(PrintCanvas, RectangleCoversItsBox) {
    const Bitmap image = Render([](Canvas& canvas) {
        canvas.Brush.Color = clYellow;
        canvas.Rectangle(10, 20, 60, 50);
    });
    for (int x = 10; x < 60; ++x) {
        EXPECT_EQ(image.GetPixel(x, 20), clBlack) << x;
        EXPECT_EQ(image.GetPixel(x, 49), clBlack) << x;
        EXPECT_EQ(image.GetPixel(x, 50), clWhite) << x;
        EXPECT_EQ(image.GetPixel(x, 19), clWhite) << x;
    }
    for (int y = 20; y < 50; ++y) {
        EXPECT_EQ(image.GetPixel(10, y), clBlack) << y;
        EXPECT_EQ(image.GetPixel(59, y), clBlack) << y;
        EXPECT_EQ(image.GetPixel(60, y), clWhite) << y;
    }
    EXPECT_EQ(image.GetPixel(11, 21), clYellow);
    EXPECT_EQ(image.GetPixel(58, 48), clYellow);
}

TEST(PrintCanvas, FilledShapesStayInsideTheirBoxes) {
    struct Case {
        const char* Name;
        void (*Draw)(Canvas&);
        std::optional<InkBox> Expected;
    };
    const Case cases[] = {
        {"FillRect", [](Canvas& c) { c.FillRect(Rect(5, 6, 25, 16)); }, InkBox{5, 6, 25, 16}},
        {"FillRect reversed", [](Canvas& c) { c.FillRect(Rect(25, 16, 5, 6)); }, std::nullopt},
        {"Rectangle corners swapped", [](Canvas& c) { c.Rectangle(25, 16, 5, 6); }, InkBox{5, 6, 25, 16}},
        {"Ellipse", [](Canvas& c) { c.Ellipse(10, 10, 90, 50); }, InkBox{10, 10, 90, 50}},
        {"SetPixel", [](Canvas& c) { c.SetPixel(7, 8, clGreen); }, InkBox{7, 8, 8, 9}},
        {"FloodFill", [](Canvas& c) { c.FloodFill(50, 50, clBlack, FillStyle::Border); }, std::nullopt},
        {"clear pen Rectangle",
         [](Canvas& c) {
             c.Pen.Style = PenStyle::Clear;
             c.Rectangle(5, 6, 25, 16);
         },
         InkBox{5, 6, 25, 16}},
        {"clear brush FillRect",
         [](Canvas& c) {
             c.Brush.Style = BrushStyle::Clear;
             c.FillRect(Rect(5, 6, 25, 16));
         },
         std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const std::optional<InkBox> ink = Ink(Render([&](Canvas& canvas) {
            canvas.Brush.Color = clRed;
            c.Draw(canvas);
        }));
        ASSERT_EQ(ink.has_value(), c.Expected.has_value());
        if (ink)
            EXPECT_EQ(*ink, *c.Expected);
    }
}

// LineTo draws from the pen position up to, not including, the end point.
TEST(PrintCanvas, LineStopsBeforeItsEnd) {
    const Bitmap image = Render([](Canvas& canvas) {
        canvas.MoveTo(10, 5);
        canvas.LineTo(40, 5);
        canvas.LineTo(40, 30);
        EXPECT_EQ(canvas.PenPos(), (TPoint{40, 30}));
    });
    EXPECT_EQ(Ink(image), (InkBox{10, 5, 41, 30}));
    EXPECT_EQ(image.GetPixel(10, 5), clBlack);
    EXPECT_EQ(image.GetPixel(40, 29), clBlack);
}

// Arcs run counter-clockwise from the start radial to the end radial.
TEST(PrintCanvas, ArcRunsCounterClockwise) {
    // Box (20, 20)-(121, 121), centre (70, 70); radials towards the four compass points.
    const TPoint east{200, 70}, north{70, -100}, west{-100, 70}, south{70, 200};
    struct Case {
        TPoint Start, End;
        bool UpperRight, UpperLeft, LowerLeft, LowerRight;
    };
    const Case cases[] = {
        {east, north, true, false, false, false},
        {north, east, false, true, true, true},
        {east, west, true, true, false, false},
        {west, east, false, false, true, true},
        {south, north, true, false, false, true},
        {east, east, true, true, true, true}, // equal radials: the whole ellipse
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.Start.X << "," << c.Start.Y << " -> " << c.End.X << "," << c.End.Y);
        const Bitmap image = Render(
            [&](Canvas& canvas) { canvas.Arc(20, 20, 121, 121, c.Start.X, c.Start.Y, c.End.X, c.End.Y); });
        // Around the 45-degree points of each quadrant (radius 50, 35 pixels off the centre).
        EXPECT_EQ(AnyInk(image, 100, 30, 110, 40), c.UpperRight);
        EXPECT_EQ(AnyInk(image, 30, 30, 40, 40), c.UpperLeft);
        EXPECT_EQ(AnyInk(image, 30, 100, 40, 110), c.LowerLeft);
        EXPECT_EQ(AnyInk(image, 100, 100, 110, 110), c.LowerRight);
    }
}

TEST(PrintCanvas, DashesLookTheSameOnPaperAtAnyResolution) {
    struct Case {
        int Dpi;
        PenStyle Style;
        int Width;
        int FirstGap; // first unpainted pixel along the line; 0 for a solid line
    };
    const Case cases[] = {
        {96, PenStyle::Solid, 1, 0}, {96, PenStyle::Dash, 1, 18}, {300, PenStyle::Dash, 1, 56},
        {96, PenStyle::Dot, 1, 3},   {300, PenStyle::Dot, 1, 9},  {96, PenStyle::DashDot, 1, 9},
        {96, PenStyle::Dash, 3, 0}, // styles are for one-pixel pens; wider ones draw solid
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.Dpi << " dpi, style " << static_cast<int>(c.Style) << ", width " << c.Width);
        const Bitmap image = Render(
            [&](Canvas& canvas) {
                canvas.Pen = {clBlack, c.Width, c.Style};
                canvas.MoveTo(0, 10);
                canvas.LineTo(300, 10);
            },
            Page(320, 20, c.Dpi));
        int gap = 0;
        for (int x = 0; x < 290 && gap == 0; ++x) {
            if (image.GetPixel(x, 10) == clWhite)
                gap = x;
        }
        EXPECT_NEAR(gap, c.FirstGap, 1);
    }
}

// TextOut puts the top-left of the text cell at the point; the escapement turns the text about it.
TEST(PrintCanvas, TextSitsInItsCell) {
    const std::string text = Ru("Юбка");
    int width = 0, height = 0;
    const Bitmap flat = Render([&](Canvas& canvas) {
        canvas.Font.Size = 20;
        width = canvas.TextWidth(text);
        height = canvas.TextHeight(text);
        canvas.TextOut(30, 40, text);
    });
    ASSERT_GT(width, 20);
    ASSERT_GT(height, 20);
    std::optional<InkBox> ink = Ink(flat);
    ASSERT_TRUE(ink.has_value());
    EXPECT_GE(ink->Left, 30);
    EXPECT_LE(ink->Left, 33);
    EXPECT_LE(ink->Right, 30 + width + 1);
    EXPECT_GE(ink->Right, 30 + width - 4);
    EXPECT_GE(ink->Top, 40);
    EXPECT_LE(ink->Bottom, 40 + height);

    const Bitmap turned = Render([&](Canvas& canvas) {
        canvas.Font.Size = 20;
        canvas.Font.Escapement = 900; // straight up
        canvas.TextOut(30, 140, text);
    });
    ink = Ink(turned);
    ASSERT_TRUE(ink.has_value());
    EXPECT_GE(ink->Left, 30);
    EXPECT_LE(ink->Right, 30 + height);
    EXPECT_LE(ink->Bottom, 141);
    EXPECT_GE(ink->Top, 140 - width - 1);
    EXPECT_LE(ink->Top, 140 - width + 4);
}

TEST(PrintCanvas, OpaqueTextFillsItsCell) {
    for (BkMode mode : {BkMode::Opaque, BkMode::Transparent}) {
        int width = 0, height = 0;
        const Bitmap image = Render([&](Canvas& canvas) {
            canvas.BackgroundMode = mode;
            canvas.BackgroundColor = clYellow;
            canvas.Font.Color = clBlue;
            width = canvas.TextWidth("Hem");
            height = canvas.TextHeight("Hem");
            canvas.TextOut(10, 10, "Hem");
        });
        int background = 0;
        for (int y = 0; y < image.Height(); ++y) {
            for (int x = 0; x < image.Width(); ++x)
                background += image.GetPixel(x, y) == clYellow;
        }
        if (mode == BkMode::Transparent) {
            EXPECT_EQ(background, 0);
            continue;
        }
        EXPECT_EQ(image.GetPixel(10, 10), clYellow);
        EXPECT_EQ(image.GetPixel(10 + width - 1, 10 + height - 1), clYellow);
        EXPECT_EQ(image.GetPixel(10 + width, 10 + height), clWhite);
        EXPECT_GT(background, width * height / 2);
    }
}

TEST(PrintCanvas, FontSizeIsInPointsAtThePrinterResolution) {
    auto heightAt = [](int dpi) {
        int height = 0;
        Render(
            [&](Canvas& canvas) {
                canvas.Font.Size = 10;
                height = canvas.TextHeight("x");
            },
            Page(10, 10, dpi));
        return height;
    };
    const int at96 = heightAt(96);
    const int at300 = heightAt(300);
    EXPECT_NEAR(static_cast<double>(at300) / at96, 300.0 / 96.0, 0.15);
    // A 10-point font is 10/72 inch high in its em; its cell is a little taller.
    EXPECT_GE(at300, 42);
    EXPECT_LE(at300, 42 * 13 / 10);
}

Bitmap TwoColours(TColor left, TColor right) {
    Bitmap bitmap(2, 1);
    bitmap.SetPixel(0, 0, left);
    bitmap.SetPixel(1, 0, right);
    return bitmap;
}

// Pictures are placed pixel for pixel, and stretched colour on colour without blending.
TEST(PrintCanvas, PicturesAreCopiedAndStretchedWithoutBlending) {
    Bitmap checker(4, 4);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x)
            checker.SetPixel(x, y, (x + y) % 2 ? clRed : clBlue);
    }
    const Bitmap image = Render([&](Canvas& canvas) {
        canvas.Draw(10, 10, checker);
        canvas.StretchDraw(Rect(50, 50, 90, 90), checker);
    });
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(image.GetPixel(10 + x, 10 + y), checker.GetPixel(x, y)) << x << "," << y;
    }
    EXPECT_EQ(image.GetPixel(14, 10), clWhite);
    for (int y = 50; y < 90; ++y) {
        for (int x = 50; x < 90; ++x)
            ASSERT_EQ(image.GetPixel(x, y), checker.GetPixel((x - 50) / 10, (y - 50) / 10)) << x << "," << y;
    }
    EXPECT_EQ(image.GetPixel(90, 89), clWhite);
}

// On paper the raster operations act as on pixels for black and white sources: a grey page under
// a white and a black source pixel.
TEST(PrintCanvas, RasterOperationsOnPaper) {
    constexpr TColor grey = 0x808080;
    struct Case {
        const char* Name;
        RasterOp Op;
        TColor UnderWhite, UnderBlack;
    };
    const Case cases[] = {
        {"SrcCopy", RasterOp::SrcCopy, clWhite, clBlack},
        {"SrcAnd", RasterOp::SrcAnd, grey, clBlack},
        {"SrcPaint", RasterOp::SrcPaint, clWhite, grey},
        {"MergePaint", RasterOp::MergePaint, grey, clWhite},
        {"NotSrcCopy", RasterOp::NotSrcCopy, clBlack, clWhite},
        {"Blackness", RasterOp::Blackness, clBlack, clBlack},
        {"Whiteness", RasterOp::Whiteness, clWhite, clWhite},
    };
    const Bitmap source = TwoColours(clWhite, clBlack);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const Bitmap image = Render([&](Canvas& canvas) {
            canvas.Brush.Color = grey;
            canvas.FillRect(Rect(0, 0, 100, 100));
            canvas.CopyRect(Rect(10, 10, 50, 30), source, Rect(0, 0, 2, 1), c.Op);
        });
        EXPECT_EQ(image.GetPixel(20, 20), c.UnderWhite);
        EXPECT_EQ(image.GetPixel(40, 20), c.UnderBlack);
        EXPECT_EQ(image.GetPixel(60, 20), grey) << "outside the destination";
    }
}

// The classic transparent picture: a mask ANDed in, then the picture on black ORed over it.
TEST(PrintCanvas, MaskThenPictureGivesATransparentPicture) {
    const Bitmap mask = TwoColours(clWhite, clBlack);    // white: transparent
    const Bitmap picture = TwoColours(clBlack, clGreen); // black where transparent
    const Bitmap image = Render([&](Canvas& canvas) {
        canvas.Brush.Color = clRed;
        canvas.FillRect(Rect(0, 0, 100, 100));
        canvas.CopyMode = RasterOp::SrcAnd;
        canvas.StretchDraw(Rect(10, 10, 50, 30), mask);
        canvas.CopyMode = RasterOp::SrcPaint;
        canvas.StretchDraw(Rect(10, 10, 50, 30), picture);
    });
    EXPECT_EQ(image.GetPixel(20, 20), clRed);
    EXPECT_EQ(image.GetPixel(40, 20), clGreen);
}

TEST(PrintCanvas, CopyRectMirrorsAndClipsItsSource) {
    const Bitmap source = TwoColours(clRed, clBlue);
    Bitmap image = Render([&](Canvas& canvas) {
        canvas.CopyRect(Rect(50, 10, 10, 30), source, Rect(0, 0, 2, 1), RasterOp::SrcCopy);
    });
    EXPECT_EQ(image.GetPixel(20, 20), clBlue) << "reversed destination mirrors";
    EXPECT_EQ(image.GetPixel(40, 20), clRed);

    // The source rectangle reaches one pixel past the bitmap's left edge: that quarter stays blank.
    image = Render([&](Canvas& canvas) {
        canvas.CopyRect(Rect(0, 0, 40, 10), source, Rect(-1, 0, 3, 1), RasterOp::SrcCopy);
    });
    EXPECT_EQ(image.GetPixel(5, 5), clWhite);
    EXPECT_EQ(image.GetPixel(15, 5), clRed);
    EXPECT_EQ(image.GetPixel(25, 5), clBlue);
    EXPECT_EQ(image.GetPixel(35, 5), clWhite);

    image = Render([&](Canvas& canvas) {
        canvas.Draw(10, 10, Bitmap());
        canvas.CopyRect(Rect(0, 0, 40, 10), source, Rect(5, 5, 9, 9), RasterOp::SrcCopy);
    });
    EXPECT_FALSE(Ink(image).has_value()) << "empty bitmaps and sources outside the bitmap draw nothing";
}

} // namespace
} // namespace plat
