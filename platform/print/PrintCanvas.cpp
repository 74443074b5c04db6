#include "platform/print/PrintCanvas.h"

#include "platform/graphics/GuiApplication.h"
#include "platform/graphics/QtText.h"
#include "platform/print/PrintQt.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainterPath>
#include <QtMath>
#include <algorithm>
#include <array>
#include <cmath>
#include <span>

namespace plat {

namespace {

// Dash patterns in screen pixels at this resolution (on, off, ...), scaled by the printer's.
constexpr int kScreenPixelsPerInch = 96;
constexpr std::array<double, 2> kDash = {18, 6};
constexpr std::array<double, 2> kDot = {3, 3};
constexpr std::array<double, 4> kDashDot = {9, 6, 3, 6};
constexpr std::array<double, 6> kDashDotDot = {9, 3, 3, 3, 3, 3};

std::span<const double> DashPattern(PenStyle style) {
    switch (style) {
    case PenStyle::Dash:
        return kDash;
    case PenStyle::Dot:
        return kDot;
    case PenStyle::DashDot:
        return kDashDot;
    case PenStyle::DashDotDot:
        return kDashDotDot;
    case PenStyle::Solid:
    case PenStyle::Clear:
        return {};
    }
    return {};
}

QColor QtColor(TColor color) {
    return QColor(GetRValue(color), GetGValue(color), GetBValue(color));
}

// Styles apply to one-pixel pens only; a wider styled pen draws solid, as the system's drawing
// calls always had it.
QPen QtPen(const TPen& pen, int pixelsPerInch) {
    if (pen.Style == PenStyle::Clear)
        return QPen(Qt::NoPen);
    const int width = std::max(1, pen.Width);
    QPen qtPen(QtColor(pen.Color), width);
    qtPen.setCapStyle(width > 1 ? Qt::RoundCap : Qt::FlatCap);
    qtPen.setJoinStyle(width > 1 ? Qt::RoundJoin : Qt::MiterJoin);
    const std::span<const double> dashes = DashPattern(pen.Style);
    if (width > 1 || dashes.empty())
        return qtPen;
    // Qt measures dashes in pen widths; the pen is one pixel wide here.
    const double scale =
        static_cast<double>(std::max(pixelsPerInch, kScreenPixelsPerInch)) / kScreenPixelsPerInch;
    QList<qreal> pattern;
    for (double length : dashes)
        pattern.append(length * scale);
    qtPen.setDashPattern(pattern);
    return qtPen;
}

QBrush QtBrush(const TBrush& brush) {
    if (brush.Style == BrushStyle::Clear)
        return QBrush(Qt::NoBrush);
    return QBrush(QtColor(brush.Color));
}

// The font as the screen canvases make it (face through the font registry, no kerning), kept as
// outlines (printed text must stay text) and unhinted, so that widths measured between documents
// equal the ones measured and drawn during one on any device.
QFont PrintFont(const TFont& font, int pixelHeight) {
    QFont qtFont = MakeQFont(font, pixelHeight);
    qtFont.setStyleStrategy(static_cast<QFont::StyleStrategy>(qtFont.styleStrategy() | QFont::ForceOutline));
    qtFont.setHintingPreference(QFont::PreferNoHinting);
    return qtFont;
}

// The box of a shape, corners in any order; right and bottom edges excluded.
QRectF Box(int x1, int y1, int x2, int y2) {
    return QRectF(QPointF(std::min(x1, x2), std::min(y1, y2)), QPointF(std::max(x1, x2), std::max(y1, y2)));
}

// The outline path of a box: through the centres of its edge pixels.
QRectF Outline(const QRectF& box) {
    return box.adjusted(0.5, 0.5, -0.5, -0.5);
}

QPointF PixelCentre(int x, int y) {
    return QPointF(x + 0.5, y + 0.5);
}

// Parametric angle (degrees, counter-clockwise on screen) of the point where the radial from the
// box's centre towards (x, y) meets the ellipse of radii rx, ry.
double RadialAngle(const QPointF& centre, double rx, double ry, int x, int y) {
    return qRadiansToDegrees(std::atan2(-(y - centre.y()) * rx, (x - centre.x()) * ry));
}

// Which source pixels leave the page unchanged under a raster operation (see PrintCanvas.h).
enum class Unchanged { None, White, Black };

QImage WithTransparent(const QImage& source, QRgb key) {
    QImage image = source.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((row[x] & 0xFFFFFF) == key)
                row[x] = 0;
        }
    }
    return image;
}

// The part of the bitmap to place, prepared for the raster operation.
QImage SourceImage(const Bitmap& bitmap, const QRect& part, RasterOp op) {
    const QImage whole(reinterpret_cast<const uchar*>(bitmap.Bits()), bitmap.Width(), bitmap.Height(),
                       static_cast<qsizetype>(bitmap.Width()) * 4, QImage::Format_RGB32);
    QImage image = whole.copy(part);
    bool inverted = false;
    Unchanged unchanged = Unchanged::None;
    switch (op) {
    case RasterOp::SrcCopy:
    case RasterOp::Blackness:
    case RasterOp::Whiteness:
        break;
    case RasterOp::NotSrcCopy:
        inverted = true;
        break;
    case RasterOp::SrcAnd:
        unchanged = Unchanged::White;
        break;
    case RasterOp::SrcPaint:
    case RasterOp::SrcInvert:
        unchanged = Unchanged::Black;
        break;
    case RasterOp::MergePaint:
        inverted = true;
        unchanged = Unchanged::Black; // black after inversion: white in the source
        break;
    }
    if (inverted)
        image.invertPixels();
    if (unchanged == Unchanged::None)
        return image;
    return WithTransparent(image, unchanged == Unchanged::White ? 0xFFFFFF : 0x000000);
}

// Offsets of `inside` from the edges of `outer` along one axis: before and after.
std::pair<int, int> Margins(int outerStart, int outerSize, int insideStart, int insideSize) {
    return {insideStart - outerStart, outerStart + outerSize - (insideStart + insideSize)};
}

} // namespace

PrintCanvas::PrintCanvas(const PageFormat& format, PagePainter* painter)
    : format_(format), painter_(painter) {
    EnsureGuiApplication();
}

void PrintCanvas::LineTo(int x, int y) {
    const TPoint from = penPos_;
    penPos_ = {x, y};
    if (!painter_ || Pen.Style == PenStyle::Clear || (from.X == x && from.Y == y))
        return;
    QPointF start = PixelCentre(from.X, from.Y);
    QPointF end = PixelCentre(x, y);
    const QPen pen = QtPen(Pen, format_.PixelsPerInchX);
    if (pen.capStyle() == Qt::FlatCap) {
        // Half a pixel back along the line: the flat ends then fall on the edges of the first and
        // the last pixel, so the line covers its start pixel and stops before its end pixel.
        const QPointF direction = end - start;
        const QPointF half = direction * (0.5 / std::hypot(direction.x(), direction.y()));
        start -= half;
        end -= half;
    }
    QPainter& painter = painter_->Painter;
    painter.setPen(pen);
    painter.drawLine(start, end);
}

void PrintCanvas::SetPixel(int x, int y, TColor color) {
    if (painter_)
        painter_->Painter.fillRect(QRectF(x, y, 1, 1), QtColor(color));
}

void PrintCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    const QRectF box = Box(x1, y1, x2, y2);
    if (!painter_ || box.isEmpty())
        return;
    QPainter& painter = painter_->Painter;
    if (Pen.Style == PenStyle::Clear) {
        if (Brush.Style != BrushStyle::Clear)
            painter.fillRect(box, QtColor(Brush.Color));
        return;
    }
    painter.setPen(QtPen(Pen, format_.PixelsPerInchX));
    painter.setBrush(QtBrush(Brush));
    painter.drawRect(Outline(box));
}

void PrintCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    const QRectF box = Box(x1, y1, x2, y2);
    if (!painter_ || box.isEmpty())
        return;
    QPainter& painter = painter_->Painter;
    painter.setBrush(QtBrush(Brush));
    painter.setPen(QtPen(Pen, format_.PixelsPerInchX));
    painter.drawEllipse(Pen.Style == PenStyle::Clear ? box : Outline(box));
}

void PrintCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    const QRectF box = Box(x1, y1, x2, y2);
    if (!painter_ || box.isEmpty() || Pen.Style == PenStyle::Clear)
        return;
    const QRectF outline = Outline(box);
    const QPointF centre = box.center();
    const double rx = outline.width() / 2;
    const double ry = outline.height() / 2;
    const double start = RadialAngle(centre, rx, ry, x3, y3);
    double sweep = std::fmod(RadialAngle(centre, rx, ry, x4, y4) - start, 360.0);
    if (sweep <= 0) // equal radials draw the whole ellipse
        sweep += 360.0;
    QPainterPath path;
    path.arcMoveTo(outline, start);
    path.arcTo(outline, start, sweep);
    QPainter& painter = painter_->Painter;
    painter.setPen(QtPen(Pen, format_.PixelsPerInchX));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

void PrintCanvas::FillRect(const TRect& rect) {
    if (!painter_ || Brush.Style == BrushStyle::Clear || rect.Width() <= 0 || rect.Height() <= 0)
        return;
    painter_->Painter.fillRect(QRectF(rect.Left, rect.Top, rect.Width(), rect.Height()),
                               QtColor(Brush.Color));
}

void PrintCanvas::TextOut(int x, int y, std::string_view text) {
    if (!painter_ || text.empty())
        return;
    const QFont font = PrintFont(Font, FontPixelHeight());
    const QFontMetrics metrics(font);
    const QString qtText = ToQt(text);
    QPainter& painter = painter_->Painter;
    painter.save();
    painter.translate(x, y);
    if (Font.Escapement != 0)
        painter.rotate(-Font.Escapement / 10.0); // Qt turns clockwise on screen for positive angles
    if (BackgroundMode == BkMode::Opaque)
        painter.fillRect(QRect(0, 0, metrics.horizontalAdvance(qtText), metrics.height()),
                         QtColor(BackgroundColor));
    painter.setFont(font);
    painter.setPen(QtColor(Font.Color));
    painter.drawText(QPoint(0, metrics.ascent()), qtText);
    painter.restore();
}

int PrintCanvas::TextWidth(std::string_view text) {
    return QFontMetrics(PrintFont(Font, FontPixelHeight())).horizontalAdvance(ToQt(text));
}

// The height of the text cell does not depend on the text (ascent plus descent of the font).
int PrintCanvas::TextHeight(std::string_view text) {
    return QFontMetrics(PrintFont(Font, FontPixelHeight())).height();
}

void PrintCanvas::Draw(int x, int y, const Bitmap& bitmap) {
    CopyRect(Bounds(x, y, bitmap.Width(), bitmap.Height()), bitmap,
             Bounds(0, 0, bitmap.Width(), bitmap.Height()), CopyMode);
}

void PrintCanvas::StretchDraw(const TRect& dest, const Bitmap& bitmap) {
    CopyRect(dest, bitmap, Bounds(0, 0, bitmap.Width(), bitmap.Height()), CopyMode);
}

// Rectangles whose extents have opposite signs mirror the picture along that axis. Only the part
// of the source rectangle inside the bitmap is drawn, at the place it has in the destination.
void PrintCanvas::CopyRect(const TRect& dest, const Bitmap& source, const TRect& sourceRect, RasterOp op) {
    if (!painter_)
        return;
    const QRectF to = Box(dest.Left, dest.Top, dest.Right, dest.Bottom);
    QPainter& painter = painter_->Painter;
    if (op == RasterOp::Blackness || op == RasterOp::Whiteness) {
        painter.fillRect(to, op == RasterOp::Blackness ? Qt::black : Qt::white);
        return;
    }
    const QRectF fromF = Box(sourceRect.Left, sourceRect.Top, sourceRect.Right, sourceRect.Bottom);
    const QRect from = fromF.toRect();
    const QRect inside = from & QRect(0, 0, source.Width(), source.Height());
    if (to.isEmpty() || inside.isEmpty())
        return;
    const bool mirrorX = (dest.Width() < 0) != (sourceRect.Width() < 0);
    const bool mirrorY = (dest.Height() < 0) != (sourceRect.Height() < 0);
    const double scaleX = to.width() / from.width();
    const double scaleY = to.height() / from.height();
    const auto [beforeX, afterX] = Margins(from.left(), from.width(), inside.left(), inside.width());
    const auto [beforeY, afterY] = Margins(from.top(), from.height(), inside.top(), inside.height());
    const QRectF target(to.left() + (mirrorX ? afterX : beforeX) * scaleX,
                        to.top() + (mirrorY ? afterY : beforeY) * scaleY, inside.width() * scaleX,
                        inside.height() * scaleY);
    QImage image = SourceImage(source, inside, op);
    if (mirrorX || mirrorY)
        image = image.mirrored(mirrorX, mirrorY);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    // Pictures keep their exact colours: a PDF would otherwise get them JPEG-compressed.
    painter.setRenderHint(QPainter::LosslessImageRendering, true);
    painter.drawImage(target, image);
    painter.restore();
}

} // namespace plat
