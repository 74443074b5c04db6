// The model pictures: for every model file of the wardrobe, its card picture `<name>.bmp` and
// rack picture `<name>v.bmp`, written beside the model in the CD image's models folder, where the
// wardrobe looks for them.
#include "data/artgen/ArtImage.h"
#include "data/artgen/ArtRegistry.h"
#include "data/artgen/GarmentDescription.h"
#include "data/artgen/GarmentDrawing.h"
#include "data/artgen/Garment.h"
#include "data/artgen/ModelArtPainter.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>

namespace art {
namespace {

namespace fs = std::filesystem;

// The model files the wardrobe will find in the CD image, by base name.
std::map<std::string, fs::path> FindModels(const ArtContext& context) {
    std::map<std::string, fs::path> models;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(context.cdDir / "models", error)) {
        std::string ext = entry.path().extension().string();
        std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
        if (entry.is_regular_file() && ext == ".mdl" && garment::ClassOfFile(entry.path().stem().string()))
            models[entry.path().stem().string()] = entry.path();
    }
    return models;
}

// The wardrobe's garment list: the one written with the model files, else the source copy.
garment::GarmentList ReadGarmentList(const ArtContext& context) {
    std::vector<fs::path> candidates{context.generatedDir / "garments.txt"};
#ifdef VELMORA_MODELS_SOURCE_DIR
    candidates.emplace_back(fs::path(VELMORA_MODELS_SOURCE_DIR) / "garments.txt");
#endif
    for (const fs::path& path : candidates) {
        std::ifstream in(path, std::ios::binary);
        if (!in)
            continue;
        std::ostringstream text;
        text << in.rdbuf();
        return garment::ParseGarmentList(text.str());
    }
    return {};
}

void MakeModelPictures(const ArtContext& context) {
    const fs::path out = context.cdDir / "models";
    fs::create_directories(out);
    const garment::GarmentList list = ReadGarmentList(context);
    for (const auto& [base, file] : FindModels(context)) {
        garment::Garment model = garment::ReadGarment(file, list);
        garment::ModelPictures pictures = garment::PaintModel(model, garment::LayOut(model));
        SaveBmp24(pictures.Card, out / (base + ".bmp"));
        SaveBmp24(pictures.Rack, out / (base + "v.bmp"));
    }
}

static ArtRegistration reg("model pictures", &MakeModelPictures);

} // namespace
} // namespace art
