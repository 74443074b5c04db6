// Painting pieces and groups of a garment.
#include "designer/wardrobe/PaintPiece.h"

namespace wardrobe {

bool PaintPiece(geom::TModel& model, int piece, int material, bool all, TPaintPlace place) {
    geom::TDetal* hit = model.PieceByIndex(piece);
    if (!hit)
        return false;
    hit->SetMaterial(material);
    const geom::TModelPictures& key = ColourKey(model);
    if (all) {
        for (auto& p : model.Pieces)
            p->SetMaterial(material);
    } else if (size_t(piece) < key.Groups.size() && key.Groups[size_t(piece)] != key.None) {
        const uint32_t group = key.Groups[size_t(piece)];
        for (size_t i = 0; i < model.Pieces.size() && i < key.Groups.size(); ++i)
            if (key.Groups[i] == group)
                model.Pieces[i]->SetMaterial(material);
    }
    if (model.TypeShow != geom::TTypeShow::tsUnVisible)
        model.RenderSheet();
    DropRackImage(model);
    RackImage(model);
    switch (place) {
    case TPaintPlace::DollFront:
    case TPaintPlace::DollBack: {
        const TSide shown = place == TPaintPlace::DollFront ? TSide::Front : TSide::Back;
        DropSideImages(model);
        SideImage(model, shown);
        break;
    }
    case TPaintPlace::Rack:
        DropSideImages(model);
        FrontImage(model);
        BackImage(model);
        break;
    case TPaintPlace::Panel:
        DropSideImages(model);
        break;
    }
    return true;
}

} // namespace wardrobe
