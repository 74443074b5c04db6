// Registry work of the run: the product key, the registry lists and the uninstall registration.
#include "platform/core/Exceptions.h"
#include "platform/files/WinPath.h"
#include "platform/registry/Registry.h"
#include "setup/install/Installer.h"
#include "setup/script/ListParsers.h"

namespace setup {

namespace {

constexpr std::string_view kUninstallKey = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

} // namespace

void Installer::WriteRegistry() {
    const SetupParams& main = context_.Main();
    std::string firmKey = "SOFTWARE\\" + main.Text("FirmName");
    if (!context_.HasPackages()) {
        std::string productKey = firmKey + "\\" + main.Text("InternalName");
        plat::TRegistry product(plat::RootKey::CurrentUser);
        if (product.OpenKey("\\" + productKey, true)) {
            product.WriteString("Version", main.Text("ProductVersion"));
            product.WriteString("CDPath", context_.CdPath);
            product.WriteString("HDPath", context_.Destination);
        }
        LogKey(productKey);
    }

    // One registry object for every list: root and key carry over from line to line and script to
    // script. Values need an open key, so the starting key is opened only when a value comes first.
    plat::TRegistry reg(plat::RootKey::CurrentUser);
    keyState_ = KeyState::Initial;
    initialKey_ = "\\" + firmKey;
    for (const ScriptEntry& script : context_.Scripts()) {
        if (!script.Selected)
            continue;
        for (const std::string& line : script.Params.Lines("RegList"))
            ProcessRegLine(reg, line);
    }
}

void Installer::ProcessRegLine(plat::TRegistry& reg, const std::string& line) {
    RegLine parsed = ParseRegLine(context_.ExpandMacros(line));
    switch (parsed.Kind) {
    case RegLineKind::Skip:
    case RegLineKind::Ignored:
        return;
    case RegLineKind::Section: {
        if (parsed.Root)
            reg.SetRootKey(*parsed.Root);
        std::string path = context_.ExpandMacros(parsed.KeyPath);
        // A key that cannot be opened takes the values below it nowhere rather than into the
        // key of an earlier section.
        keyState_ = reg.OpenKey(path, true) ? KeyState::Open : KeyState::Failed;
        if (keyState_ == KeyState::Open)
            LogKey(path);
        return;
    }
    case RegLineKind::StringValue:
    case RegLineKind::BinaryValue:
        break;
    }
    if (keyState_ == KeyState::Initial)
        keyState_ = reg.OpenKey(initialKey_, true) ? KeyState::Open : KeyState::Failed;
    if (keyState_ != KeyState::Open)
        return;
    if (parsed.Kind == RegLineKind::StringValue)
        reg.WriteString(parsed.Name, context_.ExpandMacros(parsed.Text));
    else
        reg.WriteBinaryData(parsed.Name, parsed.Bytes.data(), static_cast<int>(parsed.Bytes.size()));
}

void Installer::WriteUninstallKeys() {
    const SetupParams& main = context_.Main();
    std::string key = std::string(kUninstallKey) + main.Text("InternalName");
    plat::TRegistry reg(plat::RootKey::LocalMachine);
    if (!reg.OpenKey(key, true))
        return;
    reg.WriteString("DisplayName", main.Text("ProductName"));
    reg.WriteString("UninstallString", context_.WindowsDir + "\\vtuninst.exe " + main.Text("InternalName"));
    if (!reg.OpenKey(key + "\\Info", true))
        return;
    reg.WriteString("Text", context_.ExpandMacros(main.JoinedLines("Memo10")));
    reg.WriteString("TextYes", main.Text("NameYes"));
    reg.WriteString("TextNo", main.Text("NameNo"));
    reg.WriteString("TextCaption", main.Text("CaptionUninstall"));
    reg.WriteString("UninstallString", LogPath());
}

} // namespace setup
