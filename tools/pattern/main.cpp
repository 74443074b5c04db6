// velmora-pattern: renders a model's pattern sheet to PNG, or prints models at true size for a
// doll's measurements through the pattern-print window's own flow: one job per model with its
// title, its description scaled to the doll, the test square, the pieces and the tiles of pieces
// larger than the page.
#include "designer/geometry/ModelPrint.h"
#include "designer/printing/PatternPrint.h"
#include "designer/shell/Settings.h"
#include "platform/files/WinPath.h"
#include "platform/graphics/Fonts.h"
#include "platform/graphics/PictureWriter.h"
#include "platform/print/PdfPrinter.h"
#include "platform/print/Printer.h"
#include "platform/core/Numeric.h"
#include "platform/print/PrinterProvider.h"
#include "platform/text/Cp1251.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kMaxRenderSide = 4000;

const char* kHelp =
    "usage:\n"
    "  velmora-pattern render MODEL --mode fill|contur|edit --size WxH -o sheet.png\n"
    "  velmora-pattern print MODEL... [--height CM] [--back-width CM | --waist CM | --hips CM]\n"
    "                  [--no-description] [--no-test-square] [--printer NAME | -o out.pdf]\n"
    "MODEL is a model file (.mdl) in the models folder of a CD image. Printing does what the\n"
    "designer's pattern-print window does: the pieces scaled from the standard doll (height 30.0,\n"
    "back width 6.5, waist 7.7, hips 13.8 cm) to the given measurements (a waist or hip girth sets\n"
    "the back width in the standard proportions), under the model's name and its description, with\n"
    "a 5 cm test square; pieces larger than the page are printed as tiles. Without -o or --printer\n"
    "the job goes to the default printer; with -o the PDF printer writes out.pdf for the first\n"
    "model, out-2.pdf for the second and so on.\n";

struct Options {
    std::string command, mode = "contur", output, printer;
    std::vector<std::string> models;
    int width = 239, height = 212;
    printing::TMeasureTexts measures = {printing::kStandardTexts[0], printing::kStandardTexts[1],
                                        printing::kStandardTexts[2], printing::kStandardTexts[3]};
    printing::TPatternJobOptions job;
};

[[noreturn]] void Fail(const std::string& message) {
    std::cerr << "velmora-pattern: " << message << "\n";
    std::exit(2);
}

// A measurement given on the command line, as if typed into its field and left.
void SetMeasure(Options& o, printing::TMeasure field, const std::string& text) {
    o.measures[static_cast<int>(field)] = text;
    printing::FollowWidths(o.measures, field);
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
            SetMeasure(o, printing::TMeasure::Height, value());
        else if (a == "--back-width")
            SetMeasure(o, printing::TMeasure::BackWidth, value());
        else if (a == "--waist")
            SetMeasure(o, printing::TMeasure::WaistGirth, value());
        else if (a == "--hips")
            SetMeasure(o, printing::TMeasure::HipGirth, value());
        else if (a == "--no-description")
            o.job.Description = printing::TDescription::Left;
        else if (a == "--no-test-square")
            o.job.TestSquare = geom::TTestSquare::Off;
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

// The model path the designer would give this file: its Windows name without ".mdl", so that the
// description beside it (".rtf", ".rtc") is found the way the window finds it.
std::string ModelPathOf(const std::string& hostPath) {
    std::string win = plat::WinPathOf(std::filesystem::absolute(hostPath).string());
    if (win.size() > 4 && plat::LowerCase(win.substr(win.size() - 4)) == ".mdl")
        win.resize(win.size() - 4);
    return win;
}

// The data folder of the CD image holding the model (the folder above "models"): the fallback
// description and the print font are found there.
void UseCdOf(const std::string& modelHostPath) {
    const std::filesystem::path cd = std::filesystem::absolute(modelHostPath).parent_path().parent_path();
    Settings().CDPath = plat::IncludeTrailingBackslash(plat::WinPathOf(cd.string()));
    Settings().PatternFontName = printing::kPrintFace;
    const std::filesystem::path font = cd / "metip___.ttf";
    if (std::filesystem::exists(font))
        plat::RegisterFontFile(font.string(), printing::kPrintFace);
}

std::unique_ptr<geom::TModel> Load(const std::string& path, int w, int h) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        Fail(path + ": cannot open");
    std::stringstream bytes;
    bytes << in.rdbuf();
    try {
        geom::TModelFile file(path, bytes.str());
        return std::make_unique<geom::TModel>(file, ModelPathOf(path), nullptr, w, h,
                                              geom::TTypeShow::tsUnVisible);
    } catch (const geom::EModelFileError& e) {
        Fail(e.Where());
    } catch (const std::exception& e) {
        Fail(path + ": " + e.what());
    }
}

int Render(const Options& o) {
    if (Settings().PatternFontName.empty())
        Settings().PatternFontName = "Sans";
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
    const printing::TMeasureCheck check = printing::CheckMeasures(o.measures);
    if (check.Error)
        Fail(plat::Cp1251ToUtf8(*check.Error));
    UseCdOf(o.models.front());
    plat::PrinterList list;
    plat::PdfPrinter& pdf = list.Add<plat::PdfPrinter>();
    std::unique_ptr<plat::PrinterProviderGuard> guard;
    if (!o.output.empty())
        guard = std::make_unique<plat::PrinterProviderGuard>(list);
    plat::Printer printer;
    if (!o.printer.empty() && !printer.SelectPrinter(o.printer))
        Fail("no printer named '" + o.printer + "'");
    std::vector<std::unique_ptr<geom::TModel>> models;
    for (const std::string& path : o.models)
        models.push_back(Load(path, 100, 100));
    const geom::TStatus status = [](const std::string& s) {
        if (!s.empty())
            std::cerr << plat::Cp1251ToUtf8(s) << "\n";
    };
    // One model at a time, so that each PDF gets its own numbered name.
    for (size_t i = 0; i < models.size(); ++i) {
        if (!o.output.empty())
            pdf.SetNextOutputFile(NumberedOutput(o.output, i));
        const printing::TPrintOutcome outcome =
            printing::PrintPatterns({models[i].get()}, printer, check.Factors, o.job, status);
        if (!outcome.AllPrinted())
            Fail(o.models[i] + ": " + plat::Cp1251ToUtf8(outcome.Error));
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const Options o = Parse(argc, argv);
    if (o.command == "render")
        return Render(o);
    if (o.command == "print")
        return Print(o);
    Fail("unknown command '" + o.command + "' (see --help)");
}
