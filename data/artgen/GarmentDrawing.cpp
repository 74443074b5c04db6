// Laying a garment out on the doll: which piece covers which area from the front and from the
// back. Areas are placed from the largest to the smallest, so collars, pockets, belts and sleeves
// lie over the body they are sewn to.
#include "data/artgen/GarmentDrawing.h"

#include "data/artgen/DollFigure.h"
#include "data/artgen/GarmentShapes.h"

#include <algorithm>

namespace art::garment {
namespace {

using namespace art::doll;
constexpr double kCx = kCentreX;

bool NameHas(const GarmentPiece& piece, const char* word) {
    return piece.Name.find(word) != std::string::npos;
}

// Places areas for the pieces of one view.
class ViewBuilder {
  public:
    ViewBuilder(const Garment& garment, bool back, GarmentView& out) : garment_(garment), back_(back), out_(out) {}

    bool Back() const { return back_; }

    // Pieces of the role that show in this view; when none do, those that show in the other.
    std::vector<int> PiecesOf(Role role) const {
        std::vector<int> here, other;
        for (int i = 0; i < garment_.PieceCount(); ++i) {
            const GarmentPiece& p = garment_.Pieces[size_t(i)];
            if (p.PieceRole != role || p.Shows == Face::None)
                continue;
            bool shows = p.Shows == Face::Both || p.Shows == (back_ ? Face::Back : Face::Front);
            (shows ? here : other).push_back(i);
        }
        // A described garment says exactly where each piece shows; a guessed one borrows.
        return here.empty() && !garment_.Described ? other : here;
    }

    bool Has(Role role) const { return !PiecesOf(role).empty(); }

    // The area goes to the first role with pieces; a left and a right piece share it at the centre.
    bool Place(const QPainterPath& area, std::initializer_list<Role> roles, Shade shade) {
        for (Role role : roles) {
            std::vector<int> pieces = PiecesOf(role);
            if (pieces.empty())
                continue;
            auto [viewerLeft, viewerRight] = Sides(pieces);
            if (viewerLeft != viewerRight) {
                Add(viewerLeft, HalfOf(area, true), shade);
                Add(viewerRight, HalfOf(area, false), shade);
            } else {
                Add(pieces.front(), area, shade);
            }
            return true;
        }
        return false;
    }

    // Two areas, one on each side of the doll (sleeves, pockets, shoes), for the first role
    // that has pieces.
    bool PlacePair(const QPainterPath& left, const QPainterPath& right, std::initializer_list<Role> roles,
                   Shade shade) {
        for (Role role : roles) {
            std::vector<int> pieces = PiecesOf(role);
            if (pieces.empty())
                continue;
            auto [viewerLeft, viewerRight] = Sides(pieces);
            Add(viewerLeft, left, shade);
            Add(viewerRight, right, shade);
            return true;
        }
        return false;
    }
    bool PlacePair(const QPainterPath& left, const QPainterPath& right, Role role, Shade shade) {
        return PlacePair(left, right, {role}, shade);
    }

    void Add(int piece, const QPainterPath& path, Shade shade) {
        if (piece >= 0 && !path.isEmpty())
            out_.Zones.push_back({piece, path, shade});
    }

  private:
    // Which piece the viewer sees on the left and on the right: the doll's right side is on the
    // viewer's left from the front, its left side from the back.
    std::pair<int, int> Sides(const std::vector<int>& pieces) const {
        int dollLeft = -1, dollRight = -1;
        for (int i : pieces) {
            Side s = garment_.Pieces[size_t(i)].OnSide;
            if (s == Side::DollLeft && dollLeft < 0)
                dollLeft = i;
            if (s == Side::DollRight && dollRight < 0)
                dollRight = i;
        }
        if (dollLeft < 0 || dollRight < 0)
            return {pieces.front(), pieces.front()};
        return back_ ? std::pair{dollLeft, dollRight} : std::pair{dollRight, dollLeft};
    }

    const Garment& garment_;
    bool back_;
    GarmentView& out_;
};

double EaseOf(const Garment& garment) {
    switch (garment.Class) {
    case GarmentClass::Wn:
        return 4;
    case GarmentClass::Hl:
        return garment.Swimsuit ? 0.5 : 3;
    case GarmentClass::Bl:
        return 2;
    case GarmentClass::Pl:
    case GarmentClass::Yu:
    case GarmentClass::Br:
    case GarmentClass::Sh:
    case GarmentClass::Tf:
        return 1.5;
    }
    return 1.5;
}

void AddFolds(GarmentView& view, double topY, double bottomY, double halfTop, double halfBottom) {
    for (double k : {-0.62, -0.22, 0.22, 0.62}) {
        QPainterPath fold;
        fold.moveTo(kCx + k * halfTop, topY);
        fold.cubicTo(kCx + k * halfTop, (2 * topY + bottomY) / 3, kCx + k * halfBottom * 0.9, (topY + 2 * bottomY) / 3,
                     kCx + k * halfBottom, bottomY);
        view.Folds.push_back(fold);
    }
}

QPainterPath Strip(double x, double width) {
    QPainterPath strip;
    strip.addRect(QRectF(x, 0, width, 400));
    return strip;
}

TorsoStyle StyleOf(const Garment& garment, bool back) {
    TorsoStyle style;
    style.TopY = kShoulderY;
    style.BottomY = garment.HemY;
    style.Ease = garment.Tight ? 0.5 : EaseOf(garment);
    style.Flare = garment.Flare;
    style.Back = back;
    style.FromWaist = garment.Class == GarmentClass::Yu;
    style.LegOpenings = garment.Swimsuit || garment.Bikini;
    if (garment.Straps || garment.Bikini) {
        style.Neck = Neckline::Straight;
        style.TopY = kArmpitY + 1;
    } else if (!back && (garment.OpenFront || garment.Neckline == Neck::Vee)) {
        style.Neck = Neckline::Vee;
    } else if (garment.Neckline == Neck::Scoop) {
        style.Neck = Neckline::Scoop;
    }
    return style;
}

// The body of a garment: one piece, a bodice above a skirt, a cape, or a top over briefs.
void PlaceBody(const Garment& garment, ViewBuilder& b, GarmentView& view, const TorsoStyle& style,
               const QPainterPath& torso) {
    if (garment.Cape) {
        b.Place(Cape(garment.HemY), {Role::Body, Role::Skirt}, Shade::Draped);
        return;
    }
    if (garment.Bikini) {
        b.Place(Slice(torso, 0, kBustY + 12), {Role::Bodice, Role::Body}, Shade::Fitted);
        b.Place(Slice(torso, kHipY - 8, 400), {Role::Briefs, Role::Body}, Shade::Fitted);
        return;
    }
    const bool separateSkirt = garment.Class != GarmentClass::Yu && b.Has(Role::Skirt) &&
                               (b.Has(Role::Bodice) || b.Has(Role::Body));
    const bool draped = garment.Class == GarmentClass::Pl || garment.Class == GarmentClass::Yu;
    if (garment.Class == GarmentClass::Yu) {
        b.Place(torso, {Role::Skirt, Role::Body, Role::Bodice}, Shade::Draped);
    } else if (separateSkirt) {
        b.Place(Slice(torso, 0, kWaistY), {Role::Bodice, Role::Body}, Shade::Fitted);
        b.Place(Slice(torso, kWaistY, 400), {Role::Skirt}, Shade::Draped);
    } else {
        b.Place(torso, {Role::Body, Role::Bodice, Role::Skirt, Role::Briefs}, draped ? Shade::Draped : Shade::Fitted);
    }
    if (draped && garment.HemY > kHipY + 20) {
        double top = garment.Class == GarmentClass::Yu || separateSkirt ? kWaistY + 6 : kHipY - 10;
        AddFolds(view, top, garment.HemY - 2, TorsoHalfWidth(top, style), TorsoHalfWidth(garment.HemY, style));
    }
}

void BuildClothing(const Garment& garment, ViewBuilder& b, GarmentView& view) {
    const bool back = b.Back();
    const TorsoStyle style = StyleOf(garment, back);
    const QPainterPath torso = Torso(style);
    PlaceBody(garment, b, view, style, torso);

    if (b.Has(Role::Yoke))
        b.Place(Slice(torso, 0, kBustY - 4), {Role::Yoke}, Shade::Fitted);
    if (b.Has(Role::Frill))
        b.Place(Frill(style, 10), {Role::Frill}, Shade::Draped);
    if (b.Has(Role::Trim)) {
        QPainterPath trim = Slice(torso, garment.HemY - 8, garment.HemY + 6);
        if (garment.OpenFront && !back)
            trim = trim.united(torso.intersected(Strip(kCx - 6, 12)));
        b.Place(trim, {Role::Trim}, Shade::Band);
    }

    // Pockets: patch pockets at the hips of coats, robes and dresses, on the chest of blouses.
    if (!back) {
        const bool chest = garment.Class == GarmentClass::Bl || garment.HemY < kHipY + 10;
        const double y = chest ? kBustY + 2 : std::min<double>(kHipY, garment.HemY - 16);
        const double dx = chest ? 13 : TorsoHalfWidth(y, style) - 11;
        const double w = chest ? 10 : 12;
        b.PlacePair(PatchPocket({kCx - dx, y}, w, chest ? 9 : 12), PatchPocket({kCx + dx, y}, w, chest ? 9 : 12),
                    Role::Pocket, Shade::Flat);
    }
    if (b.Has(Role::Placket) && !back)
        b.Place(Slice(torso, kNeckBase + 4, garment.HemY + 4).intersected(Strip(kCx - 3, 6)), {Role::Placket}, Shade::Band);

    // Belt or waistband, a little wider than the garment under it.
    if (b.Has(Role::Belt)) {
        const double top = kWaistY - 4;
        TorsoStyle wider = style;
        wider.Ease += garment.Class == GarmentClass::Yu ? 0.5 : 1;
        b.Place(Slice(garment.Cape ? Cape(garment.HemY) : Torso(wider), top, top + 7), {Role::Belt}, Shade::Band);
        if (garment.OpenFront && garment.Class == GarmentClass::Hl && !back) {
            QPainterPath tie;
            tie.addRoundedRect(QRectF(kCx + 5, kWaistY + 3, 4, 26), 1.5, 1.5);
            tie.addRoundedRect(QRectF(kCx + 10, kWaistY + 3, 4, 20), 1.5, 1.5);
            b.Place(tie, {Role::Belt}, Shade::Band);
        }
    }
    if (garment.Straps || garment.Bikini)
        b.PlacePair(ShoulderStrap(false), ShoulderStrap(true), {Role::Strap, Role::Bodice, Role::Body}, Shade::Band);

    // Sleeves over the body's sides; sleeves cut in one with the body belong to the body.
    if (garment.SleeveEnd > 0 && !garment.Cape) {
        const double sleeveEase = style.Ease / 2 + 1.5 + (b.Has(Role::Sleeve) ? 0 : 1.5);
        b.PlacePair(Sleeve(garment.SleeveEnd, sleeveEase, false), Sleeve(garment.SleeveEnd, sleeveEase, true),
                    {Role::Sleeve, Role::Body, Role::Bodice}, Shade::Tube);
        b.PlacePair(ArmBand(garment.SleeveEnd - 1, garment.SleeveEnd + 7, sleeveEase + 0.5, false),
                    ArmBand(garment.SleeveEnd - 1, garment.SleeveEnd + 7, sleeveEase + 0.5, true), Role::Cuff, Shade::Band);
    }

    // Collars and hoods.
    if (b.Has(Role::Hood))
        b.Place(HoodDown(back), {Role::Hood}, Shade::Fitted);
    if (b.Has(Role::Collar))
        b.Place(back ? RoundCollar(true) : (garment.OpenFront ? Lapels() : RoundCollar(false)), {Role::Collar}, Shade::Flat);
    if (b.Has(Role::Bow))
        b.Place(Bow({kCx, back ? double(kWaistY) : double(garment.Class == GarmentClass::Yu ? kWaistY : kNeckBase + 10)}, 8),
                {Role::Bow}, Shade::Flat);

    // Fastenings that are only shading: a front opening with buttons, a blouse's button stand.
    if (garment.OpenFront && !back && !garment.Swimsuit) {
        QPainterPath edge;
        edge.moveTo(kCx, garment.Cape ? kNeckBase + 2 : kBustY + 4);
        edge.lineTo(kCx, garment.HemY + 1);
        view.Seams.push_back(edge);
        const double last = std::min<double>(garment.HemY - 10, kHipY + 10);
        for (double y = kBustY + 10; y <= last; y += 16)
            view.Buttons.push_back({kCx + 4, y});
    }
    if (back && garment.Class != GarmentClass::Yu && !garment.Swimsuit && !garment.Bikini && !garment.OpenFront && !garment.Straps) {
        QPainterPath closure;
        closure.moveTo(kCx, kNeckBase + 3);
        closure.lineTo(kCx, std::min<double>(kWaistY + 8, garment.HemY - 6));
        view.Seams.push_back(closure);
    }
}

void BuildTrousers(const Garment& garment, ViewBuilder& b, GarmentView& view) {
    const bool back = b.Back();
    const bool leggings = garment.Tight || std::any_of(garment.Pieces.begin(), garment.Pieces.end(),
                                                    [](const GarmentPiece& p) { return NameHas(p, "осин"); });
    const double ease = leggings ? 0.5 : 2.5;
    const double flare = leggings ? 0 : (garment.HemY > kKneeY ? 3 : 1);
    const QPainterPath legs = Trousers(garment.HemY, ease, flare);
    b.Place(legs, {Role::Body, Role::Skirt, Role::Bodice}, Shade::Tube);
    if (back)
        b.PlacePair(PatchPocket({kCx - 12, kHipY - 10}, 11, 11), PatchPocket({kCx + 12, kHipY - 10}, 11, 11),
                    Role::Pocket, Shade::Flat);
    else
        b.PlacePair(PatchPocket({kCx - 19, kWaistY + 12}, 9, 12), PatchPocket({kCx + 19, kWaistY + 12}, 9, 12),
                    Role::Pocket, Shade::Flat);
    b.Place(Slice(legs, kWaistY - 5, kWaistY + 3), {Role::Belt}, Shade::Band);
    b.PlacePair(LegBand(garment.HemY - 8, garment.HemY, ease, false), LegBand(garment.HemY - 8, garment.HemY, ease, true),
                Role::Cuff, Shade::Band);
    if (leggings)
        return;
    if (!back) {
        QPainterPath fly;
        fly.moveTo(kCx + 4, kWaistY + 4);
        fly.lineTo(kCx + 4, kCrotchY - 10);
        fly.quadTo(kCx + 4, kCrotchY - 4, kCx, kCrotchY - 3);
        view.Seams.push_back(fly);
    }
    for (bool mirror : {false, true}) {
        QPainterPath crease;
        crease.moveTo(kCx - 12, kCrotchY + 6);
        crease.lineTo((kKneeOuterX + kKneeInnerX) / 2.0 - (garment.HemY - kKneeY) * 0.05, garment.HemY - 4);
        view.Folds.push_back(mirror ? Mirrored(crease) : crease);
    }
}

bool IsTopOfCrown(const GarmentPiece& piece) {
    return NameHas(piece, "онц") || NameHas(piece, "онышк");
}

void BuildHat(const Garment& garment, ViewBuilder& b) {
    const bool back = b.Back();
    // A crown may be two pieces: the sides, and the round top seen over them.
    std::vector<int> crowns = b.PiecesOf(Role::Crown);
    int top = -1, sides = -1;
    for (int i : crowns)
        (IsTopOfCrown(garment.Pieces[size_t(i)]) && top < 0 ? top : sides) = i;
    if (sides < 0 && top >= 0)
        std::swap(sides, top);
    auto placeCrown = [&](const QPainterPath& dome, const QPainterPath& topArea, Shade shade) {
        if (sides >= 0) {
            b.Add(sides, dome, shade);
            if (top >= 0)
                b.Add(top, topArea, Shade::Flat);
        } else {
            b.Place(dome, {Role::Body, Role::Band}, shade);
        }
    };
    const std::string& kind = garment.Silhouette;
    if (kind == "brimmed" || b.Has(Role::Brim)) {
        b.Place(HatBrim(40, 7), {Role::Brim}, Shade::Flat);
        QPainterPath crown = HatDome(6, kHatBrimY + 1, 21);
        placeCrown(crown, Slice(crown, 0, 11), Shade::Fitted);
        b.Place(Slice(crown, kHatBrimY - 7, kHatBrimY + 1), {Role::Band}, Shade::Band);
        if (b.Has(Role::Bow))
            b.Place(Bow({kCx + (back ? -14.0 : 14.0), kHatBrimY - 4}, 6), {Role::Bow}, Shade::Flat);
        return;
    }
    if (kind == "beret") {
        // The round top seen from above the brow, the underside below it, the band on the head.
        QPainterPath shape = Beret();
        const double middle = kHatBrimY - 10;
        placeCrown(Slice(shape, middle, 100), Slice(shape, 0, middle), Shade::Fitted);
        b.Place(Slice(shape, kHatBrimY - 7, kHatBrimY + 2), {Role::Band}, Shade::Band);
        return;
    }
    const bool pompom = b.Has(Role::Pompom);
    const bool visor = b.Has(Role::Visor);
    const double domeTop = pompom ? 13 : 9;
    QPainterPath dome = HatDome(domeTop, kHatBrimY + (visor ? 2 : 5), visor ? 26 : 27);
    b.PlacePair(EarFlap(false), EarFlap(true), Role::EarFlap, Shade::Fitted);
    placeCrown(dome, Slice(dome, 0, domeTop + 8), Shade::Fitted);
    b.Place(Slice(dome, kHatBrimY - 5, kHatBrimY + 6), {Role::Band}, Shade::Band);
    if (visor && !back)
        b.Place(Visor(), {Role::Visor}, Shade::Flat);
    b.Place(Pompom(), {Role::Pompom}, Shade::Flat);
}

void BuildShoes(const Garment& garment, ViewBuilder& b, GarmentView& view) {
    const bool back = b.Back();
    const double x = (kAnkleOuterX + kAnkleInnerX) / 2.0;
    if (garment.Silhouette == "slippers") {
        // A toe cap with a pompom: from behind only the soles show.
        if (!back) {
            QPainterPath toe = Slice(ShoeUpper(kAnkleY, false), kSoleY - 13, 400);
            b.PlacePair(toe, Mirrored(toe), {Role::Upper, Role::Bootleg}, Shade::Fitted);
            QPainterPath ball;
            ball.addEllipse(QPointF(x, kSoleY - 13), 4.5, 4);
            b.PlacePair(ball, Mirrored(ball), Role::Pompom, Shade::Flat);
        }
    } else if (b.Has(Role::Bootleg) && b.Has(Role::Upper)) {
        b.PlacePair(ShoeUpper(garment.HemY, false), ShoeUpper(garment.HemY, true), Role::Bootleg, Shade::Tube);
        b.PlacePair(ShoeUpper(kAnkleY - 4, false), ShoeUpper(kAnkleY - 4, true), Role::Upper, Shade::Fitted);
    } else {
        b.PlacePair(ShoeUpper(garment.HemY, false), ShoeUpper(garment.HemY, true), {Role::Upper, Role::Bootleg, Role::Body},
                    Shade::Fitted);
    }
    if (back)
        b.PlacePair(ShoeHeel(false), ShoeHeel(true), Role::Heel, Shade::Fitted);
    b.PlacePair(ShoeStrap(false), ShoeStrap(true), Role::Strap, Shade::Band);
    if (!b.PlacePair(ShoeSole(false), ShoeSole(true), Role::Sole, Shade::Band)) {
        view.Soles.push_back(ShoeSole(false));
        view.Soles.push_back(ShoeSole(true));
    }
    if (!back)
        b.PlacePair(Bow({x, kAnkleY + 9}, 4), Bow({2 * kCx - x, kAnkleY + 9}, 4), Role::Bow, Shade::Flat);
}

void Build(const Garment& garment, bool back, GarmentView& view) {
    ViewBuilder b(garment, back, view);
    switch (garment.Class) {
    case GarmentClass::Br:
        BuildTrousers(garment, b, view);
        return;
    case GarmentClass::Sh:
        BuildHat(garment, b);
        return;
    case GarmentClass::Tf:
        BuildShoes(garment, b, view);
        return;
    case GarmentClass::Wn:
    case GarmentClass::Pl:
    case GarmentClass::Bl:
    case GarmentClass::Hl:
    case GarmentClass::Yu:
        BuildClothing(garment, b, view);
        return;
    }
}

} // namespace

QPainterPath GarmentView::Outline() const {
    QPainterPath all;
    all.setFillRule(Qt::WindingFill);
    for (const Zone& z : Zones)
        all.addPath(z.Path);
    return all.simplified();
}

GarmentDrawing LayOut(const Garment& garment) {
    GarmentDrawing drawing;
    Build(garment, /*back=*/false, drawing.Front);
    Build(garment, /*back=*/true, drawing.Back);
    return drawing;
}

} // namespace art::garment
