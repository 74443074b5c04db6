// The wardrobe's list of garments for the painter (garments.txt, written with the model files):
// one section per model, "[pl01]", with the look ("length=knee", "sleeves=short", "neck=round",
// "silhouette=a-line", "closure=back-velcro", ...) and one line per piece in model-file order,
// "pieceN=name|view|part|group|cut|mirrored". Where a model has a section, it decides what each
// piece is and how the garment looks; the painter's guesses from piece names are the fallback.
#pragma once

#include "data/artgen/Garment.h"

#include <map>
#include <string>
#include <string_view>

namespace art::garment {

using GarmentSection = std::map<std::string, std::string>;
using GarmentList = std::map<std::string, GarmentSection>; // by model file base name

GarmentList ParseGarmentList(std::string_view text);

// Applies a model's section to a garment whose pieces were read from the model file. A section that
// does not list exactly the model's pieces is not applied (returns false).
bool ApplyDescription(const GarmentSection& section, Garment& garment);

// A part word of the list ("body", "sleeve", "band", ...) as a role for the class; a word the
// painter does not know falls back to the guess from the piece's name.
Role RoleOfPartWord(GarmentClass garmentClass, const std::string& part, const std::string& pieceName);

} // namespace art::garment
