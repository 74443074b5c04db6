// Fuzz target for model files. Any input must either raise the conversion error (with the file
// and line) or give a model whose sheet renders in every mode; every primitive read must write a
// line that reads back to the same line.
#include "designer/geometry/Model.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

void CheckRoundTrip(const geom::TModel& model) {
    for (const auto& piece : model.Pieces)
        for (const auto& prim : piece->Primitives) {
            const std::string text = prim->GetText();
            auto again = geom::PrimitiveFromLine(text);
            if (!again || again->GetText() != text) {
                std::fprintf(stderr, "primitive line does not read back: %s\n", text.c_str());
                std::abort();
            }
        }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::unique_ptr<geom::TModel> model;
    try {
        geom::TModelFile file("fuzz.mdl", bytes);
        // A small area keeps each run fast; the scale still reaches every primitive.
        model = std::make_unique<geom::TModel>(file, "models\\fuzz", nullptr, 64, 48, geom::TTypeShow::tsFill);
    } catch (const plat::EConvertError&) {
        return 0;
    }
    CheckRoundTrip(*model);
    model->SetTypeShow(geom::TTypeShow::tsEdit);
    model->SetTypeShow(geom::TTypeShow::tsContur);
    for (int y = -1; y <= model->SheetHeight; y += 7)
        for (int x = -1; x <= model->SheetWidth; x += 7)
            model->PieceAt(x, y);
    return 0;
}
