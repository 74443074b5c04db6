// velmora-pattern: renders a model's pattern sheet to PNG, or prints the pieces of models at true
// size for a doll's measurements, one print job per model, the way the designer prints them.
#include "designer/geometry/ModelPrint.h"
#include "designer/shell/Settings.h"
#include "platform/graphics/PictureWriter.h"
#include "platform/print/PdfPrinter.h"
#include "platform/print/Printer.h"
#include "platform/core/Numeric.h"
#include "platform/print/PrinterProvider.h"
#include "platform/text/Cp1251.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr double kStandardHeight = 30.0;
constexpr double kStandardBackWidth = 6.5;
constexpr int kMaxRenderSide = 4000;

const char* kHelp =
    "usage:\n"
    "  velmora-pattern render MODEL --mode fill|contur|edit --size WxH -o sheet.png\n"
    "  velmora-pattern print MODEL... --height CM --back-width CM [--printer NAME | -o out.pdf]\n"
    "MODEL is a model file (.mdl). Printing scales the pieces from the standard doll\n"
    "(height 30.0 cm, back width 6.5 cm) to the given measurements; with -o the PDF printer writes\n"
    "out.pdf for the first model, out-2.pdf for the second and so on.\n";

struct Options {
    std::string command, mode = "contur", output, printer;
    std::vector<std::string> models;
    int width = 239, height = 212;
    double dollHeight = kStandardHeight, backWidth = kStandardBackWidth;
};

[[noreturn]] void Fail(const std::string& message) {
    std::cerr << "velmora-pattern: " << message << "\n";
    std::exit(2);
}

double Number(const std::string& text, const char* what) {
    double v = 0;
    if (!plat::TryStrToFloat(text, v) || !(v > 0) || v > 1000)
        Fail(std::string("bad ") + what + " '" + text + "'");
    return v;
}

Options Parse(int argc, char** argv) {
    Options o;
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        std::cout << kHelp;
        std::exit(args.empty() ? 2 : 0);
    }
    o.command = args[0];
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= args.size())
                Fail(a + " needs a value");
            return args[++i];
        };
        if (a == "--mode")
            o.mode = value();
        else if (a == "--size") {
            const std::string s = value();
            if (std::sscanf(s.c_str(), "%dx%d", &o.width, &o.height) != 2 || o.width <= 0 || o.height <= 0 ||
                o.width > kMaxRenderSide || o.height > kMaxRenderSide)
                Fail("bad size '" + s + "'");
        } else if (a == "-o")
            o.output = value();
        else if (a == "--printer")
            o.printer = value();
        else if (a == "--height")
            o.dollHeight = Number(value(), "height");
        else if (a == "--back-width")
            o.backWidth = Number(value(), "back width");
        else if (a == "--help")
            std::cout << kHelp, std::exit(0);
        else if (!a.empty() && a[0] == '-')
            Fail("unknown option " + a);
        else
            o.models.push_back(a);
    }
    if (o.models.empty())
        Fail("no model file given");
    return o;
}

std::unique_ptr<geom::TModel> Load(const std::string& path, int w, int h) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        Fail(path + ": cannot open");
    std::stringstream bytes;
    bytes << in.rdbuf();
    try {
        geom::TModelFile file(path, bytes.str());
        return std::make_unique<geom::TModel>(file, path, nullptr, w, h, geom::TTypeShow::tsUnVisible);
    } catch (const geom::EModelFileError& e) {
        Fail(e.Where());
    } catch (const std::exception& e) {
        Fail(path + ": " + e.what());
    }
}

int Render(const Options& o) {
    if (o.output.empty())
        Fail("render needs -o sheet.png");
    geom::TTypeShow mode = geom::TTypeShow::tsContur;
    if (o.mode == "fill")
        mode = geom::TTypeShow::tsFill;
    else if (o.mode == "edit")
        mode = geom::TTypeShow::tsEdit;
    else if (o.mode != "contur")
        Fail("unknown mode '" + o.mode + "'");
    auto model = Load(o.models.front(), o.width, o.height);
    model->SetTypeShow(mode);
    if (!plat::SavePng(model->Sheet, o.output))
        Fail(o.output + ": cannot write");
    return 0;
}

std::string NumberedOutput(const std::string& output, size_t index) {
    if (index == 0)
        return output;
    const size_t dot = output.rfind('.');
    const std::string suffix = "-" + std::to_string(index + 1);
    return dot == std::string::npos ? output + suffix : output.substr(0, dot) + suffix + output.substr(dot);
}

int Print(const Options& o) {
    plat::PrinterList list;
    plat::PdfPrinter& pdf = list.Add<plat::PdfPrinter>();
    std::unique_ptr<plat::PrinterProviderGuard> guard;
    if (!o.output.empty())
        guard = std::make_unique<plat::PrinterProviderGuard>(list);
    plat::Printer printer;
    if (!o.printer.empty() && !printer.SelectPrinter(o.printer))
        Fail("no printer named '" + o.printer + "'");
    for (size_t i = 0; i < o.models.size(); ++i) {
        auto model = Load(o.models[i], 100, 100);
        if (!o.output.empty())
            pdf.SetNextOutputFile(NumberedOutput(o.output, i));
        try {
            geom::PrintModel(
                *model, printer, nullptr,
                [](const std::string& s) {
                    if (!s.empty())
                        std::cerr << plat::Cp1251ToUtf8(s) << "\n";
                },
                o.dollHeight / kStandardHeight, o.backWidth / kStandardBackWidth);
        } catch (const std::exception& e) {
            Fail(o.models[i] + ": " + e.what());
        }
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const Options o = Parse(argc, argv);
    if (Settings().PatternFontName.empty())
        Settings().PatternFontName = "Sans";
    if (o.command == "render")
        return Render(o);
    if (o.command == "print")
        return Print(o);
    Fail("unknown command '" + o.command + "' (see --help)");
}
