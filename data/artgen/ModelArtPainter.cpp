// Painting a model's card and rack pictures from its laid-out garment (see ModelArtPainter.h).
#include "data/artgen/ModelArtPainter.h"

#include "data/artgen/ArtImage.h"
#include "data/artgen/DollFigure.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <map>
#include <set>

namespace art::garment {
namespace {

namespace wl = layout::wardrobe;

QColor Grey(int v) {
    return QColor(v, v, v);
}

QRgb ToRgb(layout::Rgb c) {
    return qRgb(c.R, c.G, c.B);
}

// Light falls from the upper left: each area is lit across its width and darkens at its edges.
QBrush ShadeBrush(const Zone& zone) {
    const QRectF box = zone.Path.boundingRect();
    if (zone.Kind == Shade::Band) {
        QLinearGradient g(0, box.top(), 0, box.bottom());
        g.setColorAt(0, Grey(150));
        g.setColorAt(0.5, Grey(134));
        g.setColorAt(1, Grey(102));
        return g;
    }
    QLinearGradient g(box.left(), 0, box.right(), 0);
    switch (zone.Kind) {
    case Shade::Fitted:
        g.setColorAt(0, Grey(92));
        g.setColorAt(0.28, Grey(150));
        g.setColorAt(0.55, Grey(138));
        g.setColorAt(0.85, Grey(112));
        g.setColorAt(1, Grey(88));
        break;
    case Shade::Draped:
        g.setColorAt(0, Grey(98));
        g.setColorAt(0.3, Grey(146));
        g.setColorAt(0.65, Grey(128));
        g.setColorAt(1, Grey(92));
        break;
    case Shade::Tube:
        g.setColorAt(0, Grey(100));
        g.setColorAt(0.35, Grey(156));
        g.setColorAt(0.7, Grey(124));
        g.setColorAt(1, Grey(90));
        break;
    case Shade::Flat:
    case Shade::Band:
        g.setColorAt(0, Grey(146));
        g.setColorAt(1, Grey(116));
        break;
    }
    return g;
}

QPen Line(int grey, double width, Qt::PenStyle style = Qt::SolidLine) {
    QPen pen(Grey(grey), width, style, Qt::RoundCap, Qt::RoundJoin);
    pen.setCosmetic(true);
    return pen;
}

// The shading picture of one view; `underlay` (panel pixels) is painted first, e.g. a hanger.
QImage PaintShading(const GarmentView& view, QSize size, const QTransform& toPanel, const QPainterPath& underlay) {
    QImage layer = NewLayer(size.width(), size.height());
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    if (!underlay.isEmpty()) {
        p.setPen(Line(60, 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawPath(underlay);
    }
    p.setTransform(toPanel);
    p.setPen(Qt::NoPen);
    for (const QPainterPath& sole : view.Soles)
        p.fillPath(sole, Grey(58));
    for (const Zone& zone : view.Zones)
        p.fillPath(zone.Path, ShadeBrush(zone));

    QPainterPath draped;
    for (const Zone& zone : view.Zones)
        if (zone.Kind == Shade::Draped)
            draped.addPath(zone.Path);
    if (!draped.isEmpty() && !view.Folds.empty()) {
        p.save();
        p.setClipPath(draped);
        for (const QPainterPath& fold : view.Folds) {
            QPen dark(QColor(70, 70, 70, 130), 2.2);
            p.strokePath(fold, dark);
            QPen light(QColor(176, 176, 176, 120), 1.4);
            p.strokePath(fold.translated(2.2, 0), light);
        }
        p.restore();
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(Line(84, 1.0));
    for (const Zone& zone : view.Zones)
        p.drawPath(zone.Path);
    p.setPen(Line(76, 1.0, Qt::DashLine));
    for (const QPainterPath& seam : view.Seams)
        p.drawPath(seam);
    p.setPen(Qt::NoPen);
    for (QPointF b : view.Buttons) {
        p.setBrush(Grey(64));
        p.drawEllipse(b, 2.2, 2.2);
        p.setBrush(Grey(196));
        p.drawEllipse(b + QPointF(-0.6, -0.6), 0.8, 0.8);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(Line(40, 1.3));
    p.drawPath(view.Outline());
    p.end();
    return Flatten(layer);
}

QImage PaintMap(const GarmentView& view, QSize size, const QTransform& toPanel) {
    QImage map = NewOpaque(size.width(), size.height(), QColor(ToRgb(wl::kMapBackground)));
    QPainter p(&map);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setTransform(toPanel);
    for (const Zone& zone : view.Zones)
        p.fillPath(zone.Path, QColor(ToRgb(wl::RegionColour(zone.Piece))));
    return map;
}

std::set<QRgb> ColoursIn(const QImage& map) {
    std::set<QRgb> colours;
    for (int y = 0; y < map.height(); ++y) {
        auto* row = reinterpret_cast<const QRgb*>(map.constScanLine(y));
        for (int x = 0; x < map.width(); ++x)
            colours.insert(row[x] | 0xFF000000u);
    }
    return colours;
}

// Writes the colour key into the top rows of a picture, as far as the picture is wide.
void WriteKey(QImage& picture, const std::vector<QRgb>& region, const std::vector<QRgb>& group) {
    for (size_t i = 0; i < region.size() && int(i) < picture.width(); ++i) {
        picture.setPixel(int(i), wl::kKeyRegionRow, region[i]);
        picture.setPixel(int(i), wl::kKeyGroupRow, group[i]);
    }
    picture.setPixel(0, wl::kKeyNoneRow, ToRgb(wl::kNoneColour));
}

// Where a hanging garment goes in a rack panel, and the hanger it hangs on (panel pixels).
QTransform RackPlacement(const Garment& garment, const QRectF& box, QSize panel, QPainterPath& hanger) {
    const bool hangs = garment.Class != GarmentClass::Sh && garment.Class != GarmentClass::Tf;
    const double top = hangs ? 17 : 4;
    const double bottom = hangs ? wl::kRackGarmentBottom : panel.height() - 3;
    const double scale = std::min({(panel.width() - 4) / box.width(), (bottom - top) / box.height(), hangs ? 0.9 : 1.3});
    const double cx = panel.width() / 2.0;
    const double y0 = hangs ? top : top + (bottom - top - box.height() * scale) / 2;
    QTransform t(scale, 0, 0, scale, cx - box.center().x() * scale, y0 - box.top() * scale);
    if (!hangs)
        return t;
    // The hook bends over the rack's ring; the bar lies under the shoulders or clips the waistband.
    const int hookY = layout::rack::kHookY;
    hanger.moveTo(cx, top + 1);
    hanger.lineTo(cx, hookY + 1);
    hanger.cubicTo(cx, hookY - 6, cx - 6, hookY - 6, cx - 6, hookY);
    const bool bottoms = garment.Class == GarmentClass::Br || garment.Class == GarmentClass::Yu;
    const double half = (bottoms ? art::doll::kWaistHalfWidth + 2 : art::doll::kShoulderHalfWidth) * scale;
    if (bottoms) {
        hanger.moveTo(cx - half - 2, top - 1);
        hanger.lineTo(cx + half + 2, top - 1);
        for (double x : {cx - half + 1, cx + half - 1}) {
            hanger.moveTo(x, top - 1);
            hanger.lineTo(x, top + 3);
        }
    } else {
        const double shoulderY = y0 + (art::doll::kShoulderY - box.top()) * scale;
        hanger.moveTo(cx - half, shoulderY);
        hanger.quadTo(cx - half * 0.4, top, cx, top + 1);
        hanger.quadTo(cx + half * 0.4, top, cx + half, shoulderY);
    }
    return t;
}

} // namespace

ModelPictures PaintModel(const Garment& garment, const GarmentDrawing& drawing) {
    const layout::Box layer = wl::LayerBox(garment.Class);
    const QSize panel(layer.Width, layer.Height);
    const QTransform toCard = QTransform::fromTranslate(-layer.X, -layer.Y);

    const QImage frontMap = PaintMap(drawing.Front, panel, toCard);
    const QImage backMap = PaintMap(drawing.Back, panel, toCard);
    std::set<QRgb> shown = ColoursIn(frontMap);
    shown.merge(ColoursIn(backMap));

    ModelPictures out;
    std::vector<QRgb> region, group;
    std::map<int, int> groupSize;
    for (const GarmentPiece& piece : garment.Pieces)
        if (piece.Group >= 0)
            ++groupSize[piece.Group];
    for (int i = 0; i < garment.PieceCount(); ++i) {
        const QRgb colour = ToRgb(wl::RegionColour(i)) | 0xFF000000u;
        const bool visible = shown.count(colour) > 0;
        out.Visible.push_back(visible);
        region.push_back(visible ? colour : ToRgb(wl::kNoneColour));
        const int g = garment.Pieces[size_t(i)].Group;
        group.push_back(g >= 0 && groupSize[g] > 1 ? ToRgb(wl::GroupColour(g)) : ToRgb(wl::kNoneColour));
    }

    out.Card = NewOpaque(wl::kCardPanels * panel.width(), panel.height(), Qt::white);
    {
        QPainter p(&out.Card);
        p.drawImage(wl::kFrontShadingPanel * panel.width(), 0, PaintShading(drawing.Front, panel, toCard, {}));
        p.drawImage(wl::kFrontMapPanel * panel.width(), 0, frontMap);
        p.drawImage(wl::kBackShadingPanel * panel.width(), 0, PaintShading(drawing.Back, panel, toCard, {}));
        p.drawImage(wl::kBackMapPanel * panel.width(), 0, backMap);
    }
    WriteKey(out.Card, region, group);

    const QSize rackPanel(wl::RackPanelWidth(garment.Class), wl::RackPanelHeight(garment.Class));
    QPainterPath hanger;
    const QRectF box = drawing.Front.Outline().boundingRect().adjusted(-1, -1, 1, 1);
    const QTransform toRack = RackPlacement(garment, box, rackPanel, hanger);
    out.Rack = NewOpaque(wl::kRackPanels * rackPanel.width(), rackPanel.height(), Qt::white);
    {
        QPainter p(&out.Rack);
        p.drawImage(0, 0, PaintShading(drawing.Front, rackPanel, toRack, hanger));
        p.drawImage(rackPanel.width(), 0, PaintMap(drawing.Front, rackPanel, toRack));
    }
    WriteKey(out.Rack, region, group);
    return out;
}

} // namespace art::garment
