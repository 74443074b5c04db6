// A garment's pictures: reading the card and rack pictures of a model, composing its front, back
// and rack images from them and the pieces' fabrics (region maps, then shading), the colour key,
// and which piece a point of a picture lies on. Images are cached in the model
// (geom::TModelPictures); with BigMemory off a source picture is dropped once an image has been
// composed from it, and everything is read again on demand.
#pragma once

#include "designer/geometry/Model.h"

namespace wardrobe {

enum class TSide { Front, Back };

// The shading rule: channel v darkened (d < 0) or lifted (d >= 0); d = -128 gives black.
int Shade(int v, int d);
// d of a shading pixel's green: 0 ... 254 give -127 ... 127, 255 gives -128.
int ShadeDelta(int green);

// Composes one image of `model`: `source` is the card picture (front: offset 0, back: offset 2P)
// or the rack picture (offset 0), P its panel width; the region colours come from the model's
// colour key. White is transparent in the result.
plat::Bitmap ComposeGarment(const geom::TModel& model, const geom::TModelPictures& key,
                            const plat::Bitmap& source, int panelWidth, int panelOffset);

// The two picture files ("<base>.bmp", "<base>v.bmp"), read once until released.
const plat::Bitmap& CardPicture(geom::TModel& model);
const plat::Bitmap& RackPicture(geom::TModel& model);
// The colour key; read from the card picture the first time it is needed.
const geom::TModelPictures& ColourKey(geom::TModel& model);

// The composed images, made on first use.
const plat::Bitmap& FrontImage(geom::TModel& model);
const plat::Bitmap& BackImage(geom::TModel& model);
const plat::Bitmap& SideImage(geom::TModel& model, TSide side);
const plat::Bitmap& RackImage(geom::TModel& model);
// Forget composed images so they are made again with the pieces' current fabrics.
void DropSideImages(geom::TModel& model);
void DropRackImage(geom::TModel& model);
void RecomposeSide(geom::TModel& model, TSide side);
// Changes whenever a side image of the model is made or dropped.
uint64_t SideStamp(const geom::TModel& model);

// The piece under (x, y) of a doll layer (layer coordinates) on the given side, or -1: outside the
// card panel, on an empty card, or on no piece's region colour.
int HitCardPiece(geom::TModel& model, int x, int y, TSide side);
// The piece under (x, y) of the rack image (image coordinates), or -1.
int HitRackPiece(geom::TModel& model, int x, int y);

} // namespace wardrobe
