// One garment model: the pieces of its model file, the pattern sheet fitted into the area the
// caller offers and drawn in the display modes, the piece under a point, the stored materials
// and the compatibility of two models.
#pragma once

#include "designer/geometry/Detal.h"
#include "designer/geometry/ModelPictures.h"

#include <memory>
#include <string>
#include <vector>

namespace plat {
class TRegIniFile;
}

namespace geom {

class TModel {
  public:
    // Reads `modelPath`.mdl (install folder, then data folder), then the stored materials of
    // `section` when a registry is given, then ComputeScale.
    TModel(std::string modelPath, const TMaterialSource* materials, int availWidth, int availHeight,
           TTypeShow typeShow, plat::TRegIniFile* registry, std::string_view section);
    // The same from an open model file (tests, the tool).
    TModel(TModelFile& file, std::string modelPath, const TMaterialSource* materials, int availWidth,
           int availHeight, TTypeShow typeShow);

    std::string Name;
    std::string ModelPath;
    std::vector<std::string> Conflicts;
    bool HatFlag = false;
    std::vector<std::unique_ptr<TDetal>> Pieces;
    int32_t AvailWidth = 0, AvailHeight = 0;
    double SheetScaleX = 0.0001, SheetScaleY = 0.0001;
    int32_t SheetLeft = 0, SheetTop = 0;
    int32_t SheetWidth = 0, SheetHeight = 0;
    TTypeShow TypeShow = TTypeShow::tsUnVisible;
    plat::Bitmap Sheet;
    const TMaterialSource* Materials = nullptr;
    const plat::Bitmap* Skin = nullptr; // source of the glue-label glyph; none = no glyph
    TModelPictures Pictures;            // filled and released by the wardrobe

    void SetTypeShow(TTypeShow mode);
    void ComputeScale();
    void RenderSheet();
    int PieceAt(int32_t x, int32_t y) const;
    TDetal* PieceByIndex(int i) const;
    int32_t ToModelX(int px) const;
    int32_t ToModelY(int py) const;
    // The registry value name: ModelPath without a leading "models\".
    std::string MaterialsName() const;
    void ReadMaterials(plat::TRegIniFile& registry, std::string_view section);
    void SaveMaterials(plat::TRegIniFile& registry, std::string_view section) const;
    // The name part of ModelPath, as conflict lists name models.
    std::string FileName() const;

  private:
    void Read(TModelFile& file);
};

bool Compatible(const TModel& a, const TModel& b);

} // namespace geom
