// The wardrobe the generator writes: every model of every class.
#pragma once

#include "GarmentModel.h"

#include <vector>

namespace gen {

std::vector<TModelDef> CoatModels();
std::vector<TModelDef> DressModels();
std::vector<TModelDef> BlouseModels();
std::vector<TModelDef> TrouserModels();
std::vector<TModelDef> RobeModels();
std::vector<TModelDef> SkirtModels();
std::vector<TModelDef> HatModels();
std::vector<TModelDef> ShoeModels();

} // namespace gen
