// A PNG picture in a document ("\pngblip" picture data) is decoded through the picture loader and
// painted by the view, instead of being left empty. The PNG is encoded here through Qt.
#include "designer/richtext/Rtfview.h"
#include "platform/graphics/GuiApplication.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace {

// 8 x 8 pixels: the left half red, the right half blue, so that a mirrored picture shows.
QImage Source() {
    QImage image(8, 8, QImage::Format_RGB32);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            image.setPixel(x, y, x < 4 ? qRgb(255, 0, 0) : qRgb(0, 0, 255));
    return image;
}

// The picture as the hexadecimal digits a picture group holds, 64 to a line as word processors
// write them.
std::string PngHex(bool blankInLines = false) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(QImageWriter(&buffer, "png").write(Source()));
    const std::string hex = bytes.toHex().toStdString();
    std::string out;
    for (size_t i = 0; i < hex.size(); i += 64) {
        const std::string line = hex.substr(i, 64);
        out += (blankInLines && line.size() > 10 ? line.substr(0, 10) + " " + line.substr(10) : line) + "\r\n";
    }
    return out;
}

struct Box {
    int Left = 1 << 30, Top = 1 << 30, Right = -1, Bottom = -1; // inclusive
    void Add(int x, int y) {
        Left = std::min(Left, x), Top = std::min(Top, y);
        Right = std::max(Right, x), Bottom = std::max(Bottom, y);
    }
    bool Empty() const { return Right < 0; }
};

class RtfPicturePngTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        setenv("QT_QPA_PLATFORM", "offscreen", /*overwrite=*/0);
        plat::EnsureGuiApplication();
    }
};

TEST_F(RtfPicturePngTest, APngPictureIsDecodedAndPainted) {
    TrtfView view;
    view.Resize(300, 200);
    // The space ends "\pichgoal720": line ends are skipped, so the digits would run on into the data.
    view.Document.LoadInput(
        std::make_unique<TRtfMemoryInput>("{\\rtf1{\\fonttbl{\\f0 Sans;}}#{\\footnote t}\\plain "
                                          "{\\pict\\pngblip\\picw8\\pich8\\picwgoal1440\\pichgoal720 \r\n" +
                                          PngHex() + "}\\par}"),
        "C:\\x.rtf");
    ASSERT_TRUE(view.ShowTopic("t"));

    const TRTFBitmap* picture = nullptr;
    for (const auto& e : view.Document.Elements) {
        if (e->Kind() == ElementKind::Bitmap)
            picture = static_cast<const TRTFBitmap*>(e.get());
    }
    ASSERT_NE(picture, nullptr);
    ASSERT_NE(picture->Picture, nullptr);
    ASSERT_EQ(picture->Picture->Width(), 8);
    ASSERT_EQ(picture->Picture->Height(), 8);
    EXPECT_EQ(picture->Picture->GetPixel(0, 7), plat::clRed);
    EXPECT_EQ(picture->Picture->GetPixel(7, 0), plat::clBlue);

    view.Paint();
    Box red, blue;
    for (int y = 0; y < view.BackBuffer.Height(); ++y) {
        for (int x = 0; x < view.BackBuffer.Width(); ++x) {
            const plat::TColor c = view.BackBuffer.GetPixel(x, y);
            if (c == plat::clRed)
                red.Add(x, y);
            if (c == plat::clBlue)
                blue.Add(x, y);
        }
    }
    ASSERT_FALSE(red.Empty());
    ASSERT_FALSE(blue.Empty());
    // Stretched to the goal size (an inch by half an inch), red on the left and blue on the right.
    EXPECT_EQ(red.Top, blue.Top);
    EXPECT_EQ(red.Bottom, blue.Bottom);
    EXPECT_EQ(blue.Left, red.Right + 1);
    EXPECT_EQ(blue.Right - red.Left + 1, picture->NaturalWidth);
    EXPECT_EQ(red.Bottom - red.Top + 1, picture->Ascent);
    EXPECT_EQ(picture->NaturalWidth, 2 * picture->Ascent);
}

// Blanks between the bytes of the data, as some writers put them, leave every byte in its place.
TEST_F(RtfPicturePngTest, BlanksInsideThePictureDataShiftNoBytes) {
    TrtfView view;
    view.Resize(300, 200);
    view.Document.LoadInput(
        std::make_unique<TRtfMemoryInput>("{\\rtf1{\\fonttbl{\\f0 Sans;}}#{\\footnote t}\\plain "
                                          "{\\pict\\pngblip\\picw8\\pich8\\picwgoal1440\\pichgoal720 \r\n" +
                                          PngHex(/*blankInLines=*/true) + "}\\par}"),
        "C:\\x.rtf");
    ASSERT_TRUE(view.ShowTopic("t"));
    const TRTFBitmap* picture = nullptr;
    for (const auto& e : view.Document.Elements) {
        if (e->Kind() == ElementKind::Bitmap)
            picture = static_cast<const TRTFBitmap*>(e.get());
    }
    ASSERT_NE(picture, nullptr);
    ASSERT_NE(picture->Picture, nullptr);
    ASSERT_EQ(picture->Picture->Width(), 8);
    EXPECT_EQ(picture->Picture->GetPixel(0, 7), plat::clRed);
    EXPECT_EQ(picture->Picture->GetPixel(7, 0), plat::clBlue);
}

} // namespace
