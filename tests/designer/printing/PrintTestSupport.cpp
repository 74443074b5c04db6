#include "tests/designer/printing/PrintTestSupport.h"

#include "designer/geometry/ModelReader.h"
#include "platform/ui/Application.h"
#include "tests/support/Scratch.h"

#include <algorithm>
#include <filesystem>

namespace print_test {

std::unique_ptr<geom::TModel> BoxModel(const std::string& name, const std::vector<Box>& pieces,
                                       const std::string& path) {
    int sheetW = 1, sheetH = 1;
    std::string body;
    for (const Box& b : pieces) {
        sheetW = std::max(sheetW, b.Width);
        sheetH = std::max(sheetH, b.Height);
        const std::string w = std::to_string(b.Width), h = std::to_string(b.Height);
        body += b.Name + "(0,0," + w + "," + h + ")\n";
        body += "LINE(0,0) (" + w + ",0)\nLINE(" + w + ",0) (" + w + "," + h + ")\n";
        body += "LINE(" + w + "," + h + ") (0," + h + ")\nLINE(0," + h + ") (0,0)\n}\n";
    }
    const std::string text =
        name + "(" + std::to_string(sheetW) + "," + std::to_string(sheetH) + ")\n" + body;
    geom::TModelFile file(name + ".mdl", text);
    return std::make_unique<geom::TModel>(file, path, nullptr, 100, 100, geom::TTypeShow::tsUnVisible);
}

std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

plat::Bitmap FakeMainWindow::DollView(bool back) const {
    plat::Bitmap view;
    view.SetSize(W, H);
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x)
            view.SetPixel(x, y, back ? 0x00FF0000 : 0x000000FF);
    }
    return view;
}

void UseWidgets() {
    plat::EnsureUiApplication();
}

PdfPrinterFixture::PdfPrinterFixture()
    : widgets_((UseWidgets(), true)), documents_(testing_support::MakeScratchDir("printing") + "/Docs"),
      platform_(documents_), platformGuard_(platform_), pdf_(list_.Add<plat::PdfPrinter>()),
      providerGuard_(list_) {
    pdf_.SetResolution(300);
}

} // namespace print_test
