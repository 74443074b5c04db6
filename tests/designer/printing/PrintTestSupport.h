// What the printing tests share: a documents folder of their own, the PDF printer at 300 dpi as
// the only printer, models written from a few boxes, and a printer that fails in the middle of a
// job the way a full disk or a queue going away does.
#pragma once

#include "designer/geometry/Model.h"
#include "designer/printing/PatternSource.h"
#include "platform/core/Platform.h"
#include "platform/print/PdfPrinter.h"
#include "platform/print/Printer.h"
#include "platform/print/PrinterProvider.h"
#include "tests/platform/print/FailingPrinter.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace print_test {

class DocumentsPlatform : public plat::Platform {
public:
    explicit DocumentsPlatform(std::string folder) : folder_(std::move(folder)) {}
    std::string DocumentsFolder() const override { return folder_; }

private:
    std::string folder_;
};

struct Box {
    std::string Name; // may carry a scaling prefix
    int Width = 0;    // model units
    int Height = 0;
};

// A model of rectangular pieces outlined by four lines each.
std::unique_ptr<geom::TModel> BoxModel(const std::string& name, const std::vector<Box>& pieces,
                                       const std::string& path = "models\\box");

// The files in a folder, by name; empty when it does not exist.
std::vector<std::string> FilesIn(const std::string& folder);

// The main window as the pattern and doll printing see it.
class FakeMainWindow : public printing::IPatternSource, public printing::IDollSource {
public:
    std::array<const geom::TModel*, printing::kLayerCount> Layers{};
    const geom::TModel* Current = nullptr;
    bool PanelOpen = false;
    int W = 200, H = 360;

    const geom::TModel* Worn(printing::TLayer layer) const override {
        return Layers[static_cast<int>(layer)];
    }
    bool PatternPanelVisible() const override { return PanelOpen; }
    const geom::TModel* CurrentModel() const override { return Current; }
    int DollWidth() const override { return W; }
    int DollHeight() const override { return H; }
    plat::Bitmap DollView(bool back) const override;
};

// The windows of these tests need the widget application; printing alone would start a plainer
// one first, so every fixture starts the widget one.
void UseWidgets();

// One PDF printer at 300 dpi as the only printer, writing into a scratch documents folder.
class PdfPrinterFixture {
public:
    PdfPrinterFixture();
    const std::string& Documents() const { return documents_; }

    bool widgets_;
    std::string documents_;
    DocumentsPlatform platform_;
    plat::PlatformGuard platformGuard_;
    plat::PrinterList list_;
    plat::PdfPrinter& pdf_;
    plat::PrinterProviderGuard providerGuard_;
    plat::Printer printer_;
};

} // namespace print_test
