// Command-line modes of the setup program.
#include "setup/SetupCommand.h"

#include "platform/core/Exceptions.h"
#include "platform/files/Files.h"
#include "platform/text/Cp1251.h"
#include "setup/install/ConsoleUI.h"
#include "setup/install/DiskSpace.h"
#include "setup/install/Installer.h"
#include "setup/script/ObjectStream.h"
#include "setup/script/ObjectText.h"
#include "setup/script/SetupContext.h"

#include <fstream>
#include <iterator>

namespace setup {

namespace {

constexpr const char* kHelp =
    "Usage: setup [/AUTORUN] [SIPATH=<folder>\\] [SETUPDIR=<folder>\\] [/NOGROUP]\n"
    "       setup /SILENT [SIPATH=<folder>\\] [SETUPDIR=<folder>\\]\n"
    "       setup --edit [script.inf]\n"
    "       setup --dump <script.inf>\n"
    "       setup --compile <script.txt> <script.inf>\n"
    "       setup --help\n"
    "\n"
    "Installs a product from its CD as its setup script (setup.inf beside the program, and the\n"
    "package scripts setup0.inf to setup9.inf) describes, through the wizard's pages.\n"
    "\n"
    "  /AUTORUN            end at once when the product is already installed.\n"
    "  /NOGROUP            do not open the program folder after Finish.\n"
    "  --edit [file]       open the parameter editor (on the file, if given).\n"
    "  /SILENT, --silent   install without any window, with the script's defaults: destination\n"
    "                      DefaultDir, program folder GroupName, every package, the first option.\n"
    "                      Prints progress lines; exit status 0 on success, 1 with the error.\n"
    "  SIPATH=<folder>\\    read the scripts from this folder (used only if it holds setup.inf).\n"
    "  SETUPDIR=<folder>\\  copy the files from this folder instead of the program's own.\n"
    "  --dump <file>       print a script (an object stream) as text: one component a block,\n"
    "                      one property a line, lists as indented blocks, texts as UTF-8.\n"
    "  --compile <text> <file>\n"
    "                      write the object stream for such a text; dumping a script and\n"
    "                      compiling the dump gives the same bytes.\n";

// Whole host file; raises plat::EFileError naming it.
std::string ReadHost(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw plat::EFileError("Cannot open file \"" + path + "\"");
    in.seekg(0, std::ios::end);
    std::streamoff size = in.tellg();
    if (size < 0 || static_cast<uint64_t>(size) > kMaxStreamBytes * 4)
        throw plat::EFileError("File \"" + path + "\" is too large");
    in.seekg(0);
    std::string bytes(static_cast<size_t>(size), '\0');
    in.read(bytes.data(), size);
    if (!in)
        throw plat::EFileError("Cannot read file \"" + path + "\"");
    return bytes;
}

void WriteHost(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out)
        throw plat::EFileError("Cannot create file \"" + path + "\"");
}

int Dump(const std::string& path, std::FILE* out) {
    std::string bytes = ReadHost(path);
    size_t start = SkipResourceHeader(bytes);
    StreamComponent root = ReadObjectStream(std::string_view(bytes).substr(start), path);
    std::string text = DumpObjectText(root);
    std::fwrite(text.data(), 1, text.size(), out);
    return 0;
}

int Compile(const std::string& textPath, const std::string& streamPath) {
    StreamComponent root = ParseObjectText(ReadHost(textPath), textPath);
    WriteHost(streamPath, WriteObjectStream(root));
    return 0;
}

bool IsSilentSwitch(const std::string& arg) {
    return plat::SameText(arg, "/SILENT") || arg == "--silent";
}

bool IsModeSwitch(const std::string& arg) {
    return arg == "--help" || arg == "-h" || arg == "/?" || arg == "--dump" || arg == "--compile";
}

} // namespace

int RunSilentInstall(const std::vector<std::string>& args, const std::string& ownDir, std::FILE* out,
                     std::FILE* err) {
    SetupContext context;
    try {
        context.Discover(args, ownDir);
    } catch (const plat::Exception& error) {
        std::fprintf(err, "setup: %s\n", plat::Cp1251ToUtf8(error.Message()).c_str());
        return 1;
    }
    SetupParams& main = context.Main();
    std::string phases[4];
    for (int i = 0; i < 4; ++i)
        phases[i] = context.ExpandMacros(main.Text("Process" + std::to_string(i + 1)));
    ConsoleUI ui(out, err, phases);
    Installer installer(context, ui);
    std::fprintf(out, "%s: installing into %s\n", plat::Cp1251ToUtf8(main.Text("ProductName")).c_str(),
                 plat::Cp1251ToUtf8(context.Destination).c_str());
    try {
        installer.RunCommands(main.Text("BeforeRun"));
        if (context.Word.NeedsWord(context.Scripts()))
            context.Word.DetectWordVersions(context.WindowsDir);
        int64_t requiredKb = installer.ComputeRequiredSpace();
        if (auto error = DiskSpaceError(context.Destination, requiredKb, main.Text("ErrorDiskSpace")))
            throw InstallError(*error);
        installer.Install();
        installer.Finish({}, Installer::FolderAction::Never, /*restart=*/false);
    } catch (const std::exception& error) {
        std::fprintf(err, "%s: %s\n", plat::Cp1251ToUtf8(main.Text("SetupText")).c_str(),
                     plat::Cp1251ToUtf8(error.what()).c_str());
        return 1;
    }
    bool restart = false;
    for (const ScriptEntry& script : context.Scripts())
        restart = restart || (script.Selected && script.Params.Flag("Restart"));
    if (restart)
        std::fprintf(out, "%s\n", plat::Cp1251ToUtf8(main.Text("RestartText")).c_str());
    std::fprintf(out, "%s\n", plat::Cp1251ToUtf8(main.Text("FinishCaption")).c_str());
    return 0;
}

bool IsConsoleMode(const std::vector<std::string>& args) {
    if (!args.empty() && IsModeSwitch(args[0]))
        return true;
    for (const std::string& arg : args)
        if (IsSilentSwitch(arg))
            return true;
    return false;
}

int RunSetupCommand(const std::vector<std::string>& args, const std::string& ownDir, std::FILE* out,
                    std::FILE* err) {
    try {
        if (!args.empty() && (args[0] == "--help" || args[0] == "-h" || args[0] == "/?")) {
            std::fputs(kHelp, out);
            return 0;
        }
        if (!args.empty() && args[0] == "--dump") {
            if (args.size() != 2)
                throw plat::Exception("--dump takes one script file");
            return Dump(args[1], out);
        }
        if (!args.empty() && args[0] == "--compile") {
            if (args.size() != 3)
                throw plat::Exception("--compile takes a text file and a script file");
            return Compile(args[1], args[2]);
        }
    } catch (const plat::Exception& error) {
        std::fprintf(err, "setup: %s\n", error.what());
        return 1;
    }
    bool silent = false;
    std::vector<std::string> installerArgs;
    for (const std::string& arg : args) {
        if (IsSilentSwitch(arg))
            silent = true;
        else
            installerArgs.push_back(plat::Utf8ToCp1251(arg));
    }
    if (silent)
        return RunSilentInstall(installerArgs, ownDir, out, err);
    std::fputs("setup: this command line opens the windows, not a console mode.\n\n", err);
    std::fputs(kHelp, err);
    return 2;
}

} // namespace setup
