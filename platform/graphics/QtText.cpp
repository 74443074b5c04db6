#include "platform/graphics/QtText.h"

#include "platform/graphics/Fonts.h"
#include "platform/graphics/GuiApplication.h"
#include "platform/text/Cp1251.h"

#include <QColor>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QString>
#include <cstdint>

namespace plat {

namespace {

QString ToQString(std::string_view text) {
    return QString::fromStdString(Cp1251ToUtf8(text));
}

QColor ToQColor(TColor color) {
    return QColor(GetRValue(color), GetGValue(color), GetBValue(color));
}

bool Antialiased(const TFont& font) {
    return font.Quality == FontQuality::Antialiased;
}

// Metrics are taken on the same kind of device the text is drawn on, so that measured widths and
// drawn glyphs agree.
const QImage& MeasuringDevice() {
    static const QImage device(1, 1, QImage::Format_RGB32);
    return device;
}

} // namespace

QFont MakeQFont(const TFont& font, int pixelHeight) {
    EnsureGuiApplication();
    QFont result(QString::fromStdString(ResolveFontFamily(font.Name)));
    result.setPixelSize(pixelHeight > 0 ? pixelHeight : 1);
    result.setBold(font.Bold);
    result.setItalic(font.Italic);
    result.setUnderline(font.Underline);
    result.setKerning(false);
    result.setStyleStrategy(Antialiased(font) ? QFont::PreferAntialias : QFont::NoAntialias);
    return result;
}

int QtTextWidth(const TFont& font, int pixelHeight, std::string_view text) {
    const QFontMetrics metrics(MakeQFont(font, pixelHeight), &MeasuringDevice());
    return metrics.horizontalAdvance(ToQString(text));
}

int QtTextHeight(const TFont& font, int pixelHeight) {
    const QFontMetrics metrics(MakeQFont(font, pixelHeight), &MeasuringDevice());
    return metrics.ascent() + metrics.descent();
}

void QtDrawText(Bitmap& target, int x, int y, std::string_view text, const TFont& font, int pixelHeight,
                const TextBackground& background) {
    if (target.Empty() || text.empty())
        return;
    const QFont qfont = MakeQFont(font, pixelHeight);
    const QString string = ToQString(text);
    const QFontMetrics metrics(qfont, &MeasuringDevice());
    const int width = metrics.horizontalAdvance(string);
    const int height = metrics.ascent() + metrics.descent();
    // However it turns, the cell (and an italic overhang) stays within this reach of (x, y); text
    // that cannot touch the bitmap is skipped, which also keeps far coordinates away from Qt.
    const int64_t reach = int64_t(width) + 2 * int64_t(height);
    if (x + reach < 0 || y + reach < 0 || x - reach > target.Width() || y - reach > target.Height())
        return;

    QImage image(reinterpret_cast<uchar*>(target.Bits()), target.Width(), target.Height(),
                 static_cast<qsizetype>(target.Width()) * 4, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, Antialiased(font));
    painter.setRenderHint(QPainter::TextAntialiasing, Antialiased(font));
    painter.translate(x, y);
    if (font.Escapement % 3600 != 0)
        painter.rotate(-font.Escapement / 10.0); // Qt turns clockwise on screen for positive angles
    if (background.Mode == BkMode::Opaque)
        painter.fillRect(QRect(0, 0, width, height), ToQColor(background.Color));
    painter.setFont(qfont);
    painter.setPen(ToQColor(font.Color));
    painter.drawText(QPoint(0, metrics.ascent()), string);
}

} // namespace plat
