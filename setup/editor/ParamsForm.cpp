// The editor's pages made from the parameter table, and its buttons.
#include "setup/editor/ParamsForm.h"

#include "platform/core/Exceptions.h"
#include "platform/files/Files.h"
#include "platform/files/WinPath.h"
#include "platform/text/Cp1251.h"
#include "platform/ui/ChooserDialogs.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/Screen.h"
#include "platform/ui/StdControl.h"
#include "platform/ui/WindowFrame.h"
#include "setup/editor/RegExport.h"
#include "setup/script/ScriptFile.h"
#include "setup/wizard/Backdrop.h"

#include <cstring>
#include <filesystem>

namespace setup {

namespace {

constexpr int kWidth = 720, kHeight = 560;
constexpr int kPageWidth = 704, kPageHeight = 420;
constexpr int kRow = 24;

struct PageEntry {
    const char* Name;
    const char* Caption;
};
constexpr PageEntry kPages[] = {
    {"MainWindow", "General"},       {"TextInfo", "Texts"},       {"Files", "Files and icons"},
    {"Registry", "Registry"},        {"WelcomeDialog", "Welcome"}, {"LicenseDialog", "License"},
    {"UserDialog", "User information"}, {"CustomDialog", "Custom"}, {"ChooseDir", "Destination"},
    {"SelectFolder", "Folder"},      {"CopyingDialog", "Process"}, {"ExitDialog", "Exit"},
    {"Word", "Word"}};

// The fixed labels the window shows; other fields are labelled with their parameter's name.
const char* LabelOf(const char* name) {
    static const std::map<std::string, const char*> kLabels = {
        {"SetupText", "Left-top text:"},   {"ProductName", "Product Name:"},
        {"ProductVersion", "Version:"},    {"FirmName", "Firm Name:"},
        {"InternalName", "Internal Name:"}, {"TopColor", "Top Color:"},
        {"BottomColor", "Bottom Color:"},  {"BeforeRun", "Before Run"},
        {"AfterRun", "After Run"},         {"AutoUninstall", "Auto Uninstall in 'Add/Remove program'"},
        {"ListFiles", "File list to copy:"}, {"GroupName", "Group Name:"},
        {"ListIcons", "Icons list:"},      {"Memo10", "Uninstall string"},
        {"CaptionUninstall", "Uninstall caption"}, {"Restart", "Restart required"},
        {"RegList", "Registry list:"}};
    auto it = kLabels.find(name);
    return it == kLabels.end() ? name : it->second;
}

// The gradient preview of the two colour buttons.
class Preview : public plat::TControl {
public:
    Preview(plat::TControl* parent, const plat::TButton& top, const plat::TButton& bottom)
        : TControl(parent), top_(top), bottom_(bottom) {}
    void Paint(plat::Canvas& canvas) override {
        PaintGradient(canvas, plat::Rect(0, 0, Width(), Height()), ColorOfButton(top_), ColorOfButton(bottom_));
    }
    static plat::TColor ColorOfButton(const plat::TButton& button) {
        return static_cast<plat::TColor>(std::strtoul(button.Hint().c_str(), nullptr, 10));
    }

private:
    const plat::TButton& top_;
    const plat::TButton& bottom_;
};

} // namespace

TParamsForm::TParamsForm() {
    plat::SetName(*this, "ParamsForm");
    SetClientSize(kWidth, kHeight);
    plat::SetDialogFrame(*this, /*minimizeBox=*/true);
    SetBounds((plat::ScreenWidth() - kWidth) / 2, (plat::ScreenHeight() - kHeight) / 2, kWidth, kHeight);
    SetFormCaption("Setup.inf");

    pages_ = &Make<plat::TPageControl>();
    pages_->SetBounds(0, 0, kWidth, kHeight - 36);
    pages_->SetMultiLine(true);
    for (const PageEntry& entry : kPages) {
        plat::TTabSheet& page = pages_->AddPage(entry.Caption);
        plat::SetName(page, entry.Name);
        BuildPage(page, entry.Name);
    }
    auto button = [this](const char* name, const char* caption, int x, int width) -> plat::TButton& {
        auto& b = Make<plat::TButton>(caption);
        plat::SetName(b, name);
        b.SetBounds(x, kHeight - 31, width, 25);
        return b;
    };
    button("LoadBtn", "Load setup.inf", 4, 121).OnClick = [this](plat::TControl&) { LoadBtnClick(); };
    button("SaveBtn", "Save setup.inf", 130, 109).OnClick = [this](plat::TControl&) { SaveBtnClick(); };
    button("ExitBtn", "Exit", kWidth - 83, 75).OnClick = [this](plat::TControl&) { ExitBtnClick(); };
    Fill(SetupParams());
}

TParamsForm::~TParamsForm() = default;

void TParamsForm::CloseQuery(bool& canClose) {
    canClose = QueryClose();
}

void TParamsForm::Paint(plat::Canvas& canvas) {
    canvas.Brush.Color = plat::ButtonFaceColor();
    canvas.FillRect(plat::Rect(0, 0, Width(), Height()));
}

void TParamsForm::SetFormCaption(const std::string& caption) {
    caption_ = caption;
    SetCaption(plat::Cp1251ToUtf8(caption));
}

plat::TControl& TParamsForm::AddField(plat::TControl& page, const ParamDef& def, int x, int y, int width, int height) {
    plat::TControl* field = nullptr;
    switch (def.Kind) {
    case ParamKind::Flag:
        field = &page.Make<plat::TCheckBox>(LabelOf(def.Name));
        field->SetBounds(x, y, width, kRow - 2);
        break;
    case ParamKind::Color: {
        page.Make<plat::TLabel>(LabelOf(def.Name)).SetBounds(x, y + 4, 130, kRow - 4);
        auto& button = page.Make<plat::TButton>(def.Name);
        button.SetBounds(x + 134, y, 100, kRow - 2);
        button.SetShowHint(true);
        button.OnClick = [this](plat::TControl& b) { ColorBtnClick(static_cast<plat::TButton&>(b)); };
        field = &button;
        break;
    }
    case ParamKind::Text: {
        page.Make<plat::TLabel>(LabelOf(def.Name)).SetBounds(x, y + 4, 130, kRow - 4);
        field = &page.Make<plat::TEdit>();
        field->SetBounds(x + 134, y, width - 134, kRow - 2);
        break;
    }
    case ParamKind::Lines: {
        page.Make<plat::TLabel>(LabelOf(def.Name)).SetBounds(x, y, width, 18);
        auto& memo = page.Make<plat::TMemo>();
        memo.SetBounds(x, y + 18, width, height - 20);
        memo.SetWordWrap(false);
        memo.SetScrollBars(plat::TScrollStyle::Both);
        field = &memo;
        break;
    }
    }
    plat::SetName(*field, def.Name);
    fields_[def.Name] = field;
    return *field;
}

void TParamsForm::BuildPage(plat::TTabSheet& page, const char* pageName) {
    std::vector<const ParamDef*> defs;
    for (const ParamDef& def : ParamTable())
        if (std::strcmp(def.Page, pageName) == 0)
            defs.push_back(&def);
    int top = 8;
    if (std::strcmp(pageName, "Registry") == 0) {
        // What the installer writes itself, above the list.
        for (const char* line : {"[HKEY_CURRENT_USER\\Software\\%FirmName%\\%InternalName%]", "\"Version\"=%Version%",
                                 "\"CDPath\"=%CDPATH%", "\"HDPath\"=%HDPATH%"}) {
            page.Make<plat::TLabel>(line).SetBounds(8, top, kPageWidth - 16, 18);
            top += 18;
        }
        auto& import = page.Make<plat::TButton>("Import *.reg");
        plat::SetName(import, "Import");
        import.SetBounds(kPageWidth - 120, kPageHeight - 34, 110, 25);
        import.OnClick = [this](plat::TControl&) { ImportClick(); };
    }
    // Short fields in rows, in two columns when they do not fit one; the lists share the rest.
    int fixed = 0, lists = 0;
    for (const ParamDef* def : defs)
        def->Kind == ParamKind::Lines ? ++lists : ++fixed;
    const int bottom = kPageHeight - (std::strcmp(pageName, "Registry") == 0 ? 40 : 8);
    const int columns = top + fixed * kRow + lists * 60 > bottom ? 2 : 1;
    const int columnWidth = (kPageWidth - 16 - (columns - 1) * 12) / columns;
    const int perColumn = (static_cast<int>(defs.size()) + columns - 1) / columns;
    for (int c = 0; c < columns; ++c) {
        const size_t from = static_cast<size_t>(c * perColumn);
        const size_t to = std::min(defs.size(), from + static_cast<size_t>(perColumn));
        int rowsHere = 0, listsHere = 0;
        for (size_t i = from; i < to; ++i)
            defs[i]->Kind == ParamKind::Lines ? ++listsHere : ++rowsHere;
        const int listHeight = listsHere ? std::max(44, (bottom - top - rowsHere * kRow) / listsHere) : 0;
        int y = top;
        const int x = 8 + c * (columnWidth + 12);
        for (size_t i = from; i < to; ++i) {
            const int height = defs[i]->Kind == ParamKind::Lines ? listHeight : kRow;
            AddField(page, *defs[i], x, y, columnWidth, height);
            y += height;
        }
    }
    if (std::strcmp(pageName, "Registry") == 0)
        regList_ = static_cast<plat::TMemo*>(fields_.at("RegList"));
    if (std::strcmp(pageName, "MainWindow") == 0) {
        auto& topColor = static_cast<plat::TButton&>(*fields_.at("TopColor"));
        auto& bottomColor = static_cast<plat::TButton&>(*fields_.at("BottomColor"));
        auto& preview = page.Make<Preview>(topColor, bottomColor);
        plat::SetName(preview, "PaintBox");
        preview.SetBounds(topColor.Left() + topColor.Width() + 12, topColor.Top(), 81, 53);
        preview_ = &preview;
    }
}

void TParamsForm::SetColorButton(plat::TButton& button, plat::TColor color) {
    plat::TFont font = button.HasFont() ? button.Font() : plat::TFont{};
    font.Color = color;
    font.Bold = true;
    button.SetFont(font);
    button.ApplyFont();
    button.SetHint(std::to_string(color));
    if (preview_)
        preview_->Invalidate();
}

SetupParams TParamsForm::Collect() const {
    SetupParams params;
    for (size_t i = 0; i < ParamTable().size(); ++i) {
        const ParamDef& def = ParamTable()[i];
        plat::TControl* field = fields_.at(def.Name);
        SetupParams::Value& value = params.At(i);
        switch (def.Kind) {
        case ParamKind::Text:
            value.Text = static_cast<plat::TEdit*>(field)->Text();
            break;
        case ParamKind::Lines:
            value.Lines = static_cast<plat::TMemo*>(field)->Lines();
            break;
        case ParamKind::Flag:
            value.Flag = static_cast<plat::TCheckBox*>(field)->Checked();
            break;
        case ParamKind::Color:
            value.Text = field->Hint();
            break;
        }
    }
    return params;
}

void TParamsForm::Fill(const SetupParams& params) {
    for (size_t i = 0; i < ParamTable().size(); ++i) {
        const ParamDef& def = ParamTable()[i];
        plat::TControl* field = fields_.at(def.Name);
        const SetupParams::Value& value = params.At(i);
        switch (def.Kind) {
        case ParamKind::Text:
            static_cast<plat::TEdit*>(field)->SetText(value.Text);
            break;
        case ParamKind::Lines:
            static_cast<plat::TMemo*>(field)->SetLines(value.Lines);
            break;
        case ParamKind::Flag:
            static_cast<plat::TCheckBox*>(field)->SetChecked(value.Flag);
            break;
        case ParamKind::Color:
            SetColorButton(*static_cast<plat::TButton*>(field), params.Color(def.Name));
            break;
        }
    }
}

bool TParamsForm::Load(const std::string& path) {
    SetupParams params = Collect();
    try {
        LoadScript(params, path);
    } catch (const plat::Exception& error) {
        plat::ShowError(error.Message());
        return false;
    }
    Fill(params);
    SetFormCaption(path);
    return true;
}

bool TParamsForm::SaveTo(const std::string& path) {
    const std::string temporary = path + ".tmp";
    try {
        SaveScript(Collect(), temporary);
        std::error_code error;
        std::filesystem::rename(plat::HostPath(temporary), plat::HostPath(path), error);
        if (error) {
            plat::DeleteFile(temporary);
            throw plat::EFileError("Cannot create file \"" + path + "\"");
        }
    } catch (const plat::Exception& error) {
        plat::ShowError(error.Message());
        return false;
    }
    SetFormCaption(path);
    return true;
}

void TParamsForm::LoadBtnClick() {
    plat::FileDialogOptions options;
    options.Title = "Open .inf from";
    options.Filter = "Setup inf|setup*.inf|All files|*.*";
    options.DefaultExt = "inf";
    options.FileName = "setup.inf";
    options.MustExist = true;
    if (auto path = plat::OpenFileDialog(options))
        Load(*path);
}

bool TParamsForm::SaveBtnClick() {
    auto path = plat::SaveFileDialog({});
    return path && SaveTo(*path);
}

bool TParamsForm::QueryClose() {
    if (closed_)
        return true;
    switch (plat::MessageDlg("Save setup parameters to setup.inf ?", plat::TMsgDlgType::Confirmation,
                             plat::TMsgDlgButtons::YesNoCancel)) {
    case plat::TModalResult::Yes:
        // Closing throws away what is not saved, so only a save that succeeded closes.
        if (!SaveBtnClick())
            return false;
        break;
    case plat::TModalResult::No:
        break;
    default:
        return false;
    }
    closed_ = true;
    return true;
}

void TParamsForm::ExitBtnClick() {
    Close(); // through the close query's question
}

void TParamsForm::ColorBtnClick(plat::TButton& button) {
    if (auto color = plat::ChooseColor(Preview::ColorOfButton(button)))
        SetColorButton(button, *color);
}

void TParamsForm::ImportClick() {
    plat::FileDialogOptions options;
    options.Title = "Registry file import";
    options.Filter = "*.reg|*.reg";
    options.DefaultExt = "*.reg";
    options.MustExist = true;
    auto path = plat::OpenFileDialog(options);
    if (!path)
        return;
    try {
        const int64_t size = plat::FileSize(*path);
        if (size < 0)
            throw plat::EFileError("Cannot open file \"" + *path + "\"");
        if (static_cast<uint64_t>(size) > kMaxRegExportBytes)
            throw plat::EFileError("File \"" + *path + "\" is too large to import");
        regList_->AppendLines(RegExportLines(plat::ReadFileBytes(*path)));
    } catch (const plat::Exception& error) {
        plat::ShowError(error.Message());
    }
}

int RunParamsEditor(const std::string& path) {
    TParamsForm editor;
    editor.Show();
    if (!path.empty())
        editor.Load(path);
    plat::RunUntil([&] { return editor.Closed() || !editor.Visible(); });
    return 0;
}

} // namespace setup
