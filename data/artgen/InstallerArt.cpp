// The installer's pictures: the start window's backdrops (back.bmp 640 x 480, back800.bmp,
// back1024.bmp) and logo (logo.bmp) beside setup on the CD, and the two pictures built into the
// wizard (the side picture, 120 x 260, and the licence page's icon, 32 x 32), which go to the
// generated sources as BMP files and as C++ byte arrays for the `setup_art` library.
#include "data/artgen/ArtImage.h"
#include "data/artgen/ArtRegistry.h"
#include "data/artgen/ArtStyle.h"
#include "data/artgen/SkinDraw.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>

namespace art::skin {
namespace {

using style::kInk;

// The backdrop is drawn in a 1024 x 768 frame and scaled to each screen size, so the three
// files show one picture. The top left stays a calm mid-tone for the white setup text.
void PaintBackdrop(QPainter& p) {
    QLinearGradient sky(0, 0, 0, 768);
    sky.setColorAt(0, QColor(120, 170, 236));
    sky.setColorAt(0.6, QColor(200, 170, 230));
    sky.setColorAt(1, style::kWall);
    p.fillRect(QRectF(0, 0, 1024, 768), sky);
    Dots(p, QRectF(0, 0, 1024, 768), QColor(255, 255, 255, 40), 48, 6);
    // soft hills of fabric at the bottom
    const QColor hills[] = {style::kMint, QColor(255, 170, 200), style::kSun.lighter(110)};
    for (int i = 0; i < 3; ++i) {
        QPainterPath hill;
        const qreal top = 560 + i * 60;
        hill.moveTo(0, top);
        for (int x = 0; x < 1024; x += 256)
            hill.quadTo(x + 128, top - 60 + (i % 2) * 30, x + 256, top);
        hill.lineTo(1024, 768);
        hill.lineTo(0, 768);
        hill.closeSubpath();
        p.setPen(QPen(kInk, 2));
        p.setBrush(hills[i]);
        p.drawPath(hill);
    }
    for (int i = 0; i < 9; ++i)
        Flower(p, QPointF(60 + i * 112, 660 + (i % 3) * 30), 14 + (i % 2) * 6,
               i % 2 ? style::kLilac : style::kBerry);
    // a row of little dresses hung on a line across the sky
    p.setPen(QPen(kInk, 2));
    p.setBrush(Qt::NoBrush);
    QPainterPath line;
    line.moveTo(380, 330);
    line.quadTo(700, 400, 1024, 320);
    p.drawPath(line);
    const Garment garments[] = {Garment::Dress, Garment::Blouse, Garment::Skirt, Garment::Coat, Garment::Trousers};
    const QColor colours[] = {style::kBerry, style::kSun, style::kMint, kCoral, style::kSky};
    for (int i = 0; i < 5; ++i) {
        const qreal x = 430 + i * 112;
        const qreal t = (x - 380) / 644;
        const qreal y = (1 - t) * (1 - t) * 330 + 2 * (1 - t) * t * 400 + t * t * 320;
        GarmentIcon(p, QRectF(x - 34, y - 2, 68, 90), garments[i], colours[i]);
        for (qreal pin : {x - 16, x + 12}) { // clothes pegs
            p.setPen(QPen(kInk, 1.5));
            p.setBrush(style::kWood.lighter(120));
            p.drawRect(QRectF(pin, y - 8, 5, 16));
        }
    }
    DollFigure(p, QRectF(120, 330, 170, 260), style::kBerry);
    Heart(p, QRectF(300, 300, 50, 44), style::kBerry.lighter(120));
    Star(p, QRectF(860, 120, 60, 60), kGold);
    Star(p, QRectF(780, 200, 34, 34), kGold);
}

QImage Backdrop(int width, int height) {
    QImage picture = NewOpaque(width, height, style::kWall);
    {
        QPainter p(&picture);
        Smooth(p);
        p.scale(width / 1024.0, height / 768.0);
        PaintBackdrop(p);
    }
    RemovePureWhite(picture);
    return picture;
}

// The logo: a hanger over the name, on pure white (the start window takes its lower-left pixel
// as the transparent colour, so the margin keeps that corner white).
QImage Logo() {
    QImage layer = NewLayer(280, 120);
    {
        QPainter p(&layer);
        Smooth(p);
        p.setPen(QPen(kInk, 2.5));
        p.setBrush(style::kPaper);
        p.drawPath(RoundRect(QRectF(8, 26, 264, 80), 30));
        Hanger(p, QRectF(110, 2, 60, 40), style::kBerry);
        Letters(p, QRectF(8, 36, 264, 64), QStringLiteral("Velmora"), 52, style::kBerry, kInk, Qt::AlignCenter, 5);
        Heart(p, QRectF(242, 20, 26, 22), kGold);
        Star(p, QRectF(14, 20, 26, 26), kGold);
    }
    return Flatten(layer);
}

QImage WizardSide() {
    QImage picture = NewOpaque(120, 260, style::kWall);
    {
        QPainter p(&picture);
        Smooth(p);
        QLinearGradient sky(0, 0, 0, 260);
        sky.setColorAt(0, QColor(150, 190, 240));
        sky.setColorAt(1, style::kWall);
        p.fillRect(QRectF(0, 0, 120, 260), sky);
        Dots(p, QRectF(0, 0, 120, 260), QColor(255, 255, 255, 50), 20, 3);
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(style::kMint);
        p.drawEllipse(QPointF(60, 280), 100, 60);
        DollFigure(p, QRectF(22, 60, 76, 150), style::kBerry);
        Flower(p, QPointF(18, 236), 9, style::kLilac);
        Flower(p, QPointF(102, 240), 8, style::kSun);
        Heart(p, QRectF(84, 40, 20, 18), style::kBerry.lighter(120));
        Star(p, QRectF(12, 30, 22, 22), kGold);
        Letters(p, QRectF(0, 4, 120, 24), QStringLiteral("Velmora"), 18, style::kBerry, kInk, Qt::AlignCenter, 3);
    }
    RemovePureWhite(picture);
    return picture;
}

// The licence page's icon: a scroll of terms with a heart seal.
QImage LicenceIcon() {
    QImage layer = NewLayer(32, 32);
    {
        QPainter p(&layer);
        Smooth(p);
        p.setPen(QPen(kInk, 1.4));
        p.setBrush(style::kPaper);
        p.drawPath(RoundRect(QRectF(5, 2, 21, 27), 3));
        p.setPen(QPen(style::kSky.darker(120), 1.4));
        for (qreal y : {8.0, 12.0, 16.0})
            p.drawLine(QPointF(9, y), QPointF(22, y));
        Heart(p, QRectF(15, 18, 14, 12), style::kBerry);
    }
    return Flatten(layer);
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Writes only when the text differs, so the program is not rebuilt after every painting run.
void WriteIfChanged(const std::filesystem::path& path, const std::string& text) {
    if (std::filesystem::exists(path) && ReadFile(path) == text)
        return;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

std::string ByteArray(const char* name, const std::string& bytes) {
    std::ostringstream out;
    out << "const unsigned char " << name << "[] = {";
    static const char kDigits[] = "0123456789abcdef";
    for (size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        out << (i % 16 ? "" : "\n    ") << "0x" << kDigits[byte >> 4] << kDigits[byte & 15] << ',';
    }
    out << "\n};\nconst std::size_t " << name << "Size = sizeof(" << name << ");\n";
    return out.str();
}

void MakeInstallerBackdrops(const ArtContext& context) {
    SaveBmp24(Backdrop(640, 480), context.cdDir / "back.bmp");
    SaveBmp24(Backdrop(800, 600), context.cdDir / "back800.bmp");
    SaveBmp24(Backdrop(1024, 768), context.cdDir / "back1024.bmp");
    SaveBmp24(Logo(), context.cdDir / "logo.bmp");
}

void MakeWizardPictures(const ArtContext& context) {
    const std::filesystem::path dir = context.generatedDir / "setup_art";
    std::filesystem::create_directories(dir);
    SaveBmp24(WizardSide(), context.scratchDir / "WizardSide.bmp");
    SaveBmp24(LicenceIcon(), context.scratchDir / "LicenseIcon.bmp");
    const std::string side = ReadFile(context.scratchDir / "WizardSide.bmp");
    const std::string icon = ReadFile(context.scratchDir / "LicenseIcon.bmp");
    WriteIfChanged(dir / "WizardSide.bmp", side);
    WriteIfChanged(dir / "LicenseIcon.bmp", icon);
    WriteIfChanged(dir / "SetupArt.h",
                   "// Made by velmora-artgen: the pictures built into the wizard, as 24-bit BMP files.\n"
                   "#pragma once\n\n#include <cstddef>\n\n"
                   "// The side picture of the wizard's pages, 120 x 260.\n"
                   "extern const unsigned char kWizardSidePicture[];\n"
                   "extern const std::size_t kWizardSidePictureSize;\n"
                   "// The licence page's icon, 32 x 32.\n"
                   "extern const unsigned char kLicenseIcon[];\n"
                   "extern const std::size_t kLicenseIconSize;\n");
    WriteIfChanged(dir / "SetupArt.cpp", "// Made by velmora-artgen from WizardSide.bmp and LicenseIcon.bmp.\n"
                                         "#include \"setup_art/SetupArt.h\"\n\n" +
                                             ByteArray("kWizardSidePicture", side) + "\n" +
                                             ByteArray("kLicenseIcon", icon));
}

const ArtRegistration kBackdrops("installer backdrops", &MakeInstallerBackdrops);
const ArtRegistration kWizard("wizard pictures", &MakeWizardPictures);

} // namespace
} // namespace art::skin
