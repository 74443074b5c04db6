// The wizard's set-up when shown, its page changes and the actions of its buttons.
#include "setup/wizard/DialogForm.h"

#include "platform/files/Files.h"
#include "platform/text/Cp1251.h"
#include "platform/ui/ChooserDialogs.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Screen.h"
#include "platform/ui/StdControl.h"
#include "platform/ui/WindowFrame.h"
#include "setup/install/DiskSpace.h"
#include "setup/script/Macros.h"

namespace setup {

TDialogForm::TDialogForm(SetupContext& context, std::vector<std::string> args)
    : context_(context), args_(std::move(args)), installer_(context, *this),
      flow_(context.HasPackages(), WizardHooks{[this](WizardPage page) { EnterPage(page); },
                                               [this] { return context_.Word.UsesWord(); },
                                               [this] { return LeaveDirectory(); }}) {
    plat::SetName(*this, "DialogForm");
    SetClientSize(436, 321);
    plat::SetDialogFrame(*this, /*minimizeBox=*/true);
    plat::MinimizeWithApplication(*this);
    BuildPages();
}

TDialogForm::~TDialogForm() = default;

void TDialogForm::CloseQuery(bool& canClose) {
    canClose = FormCloseQuery();
}

void TDialogForm::Paint(plat::Canvas& canvas) {
    canvas.Brush.Color = plat::ButtonFaceColor();
    canvas.FillRect(plat::Rect(0, 0, Width(), Height()));
}

std::string TDialogForm::Shown(const char* name, bool expand) {
    std::string text = context_.Main().JoinedLines(name);
    if (expand)
        text = context_.ExpandMacros(text);
    std::string shown;
    for (size_t i = 0; i < text.size(); ++i)
        if (text[i] != '\r')
            shown += text[i];
    return shown;
}

void TDialogForm::SetEnabledAll(bool enabled) {
    prevBtn_->SetEnabled(enabled);
    nextBtn_->SetEnabled(enabled);
    exitBtn_->SetEnabled(enabled);
}

void TDialogForm::FormShow() {
    Show();
    if (shown_)
        return;
    shown_ = true;
    SetBounds((plat::ScreenWidth() - Width()) / 2, (plat::ScreenHeight() - Height()) / 2, Width(), Height());
    // BeforeRun may take a while; nothing may be pressed until the pages are ready.
    SetEnabledAll(false);
    installer_.RunCommands(context_.Main().Text("BeforeRun"));
    SetEnabledAll(true);
    FillTexts();
    FillUser();
    FillGroups();
    FillCustom();
    flow_.Start();
    ApplyButtons();
}

void TDialogForm::FillTexts() {
    SetupParams& main = context_.Main();
    memo1_->SetText(Shown("Memo1", true));
    memo1_->SetScrollBars(main.Lines("Memo1").size() < 20 ? plat::TScrollStyle::None : plat::TScrollStyle::Vertical);
    label2_->SetCaption(Shown("Memo2", true));
    license_->SetText(Shown("License", true));
    label3_->SetCaption(Shown("Memo4", true));
    label4_->SetCaption(Shown("Memo5", false));
    label5_->SetCaption(main.Text("UserNameLabel"));
    label8_->SetCaption(main.Text("OrganizationLabel"));
    customLabel_->SetCaption(Shown("CustomMemo", false));
    memo2Word_->SetText(Shown("Memo11", false));
    label17_->SetCaption(main.Text("Edit2"));
    langGroup_->Caption = main.Text("Edit1");
    languages_[0]->SetCaption(main.Text("Edit3"));
    languages_[1]->SetCaption(main.Text("Edit4"));
    languages_[context_.Word.Language() == 0 ? 0 : 1]->SetChecked(true);
    label9_->SetCaption(Shown("Memo7", true));
    groupBox1_->Caption = " " + main.Text("InstallDirLabel") + " ";
    defaultDir_->SetText(context_.Destination);
    browseBtn_->SetCaption(main.Text("NameBrowse"));
    label16_->SetCaption(Shown("Memo9", true));
    label10_->SetCaption(Shown("Memo3", true));
    restart_->SetCaption(main.Text("RestartText"));
}

void TDialogForm::FillUser() {
    const std::string key = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\";
    userName_->SetText(ReadRegString(plat::RootKey::LocalMachine, key, "RegisteredOwner", ""));
    orgName_->SetText(ReadRegString(plat::RootKey::LocalMachine, key, "RegisteredOrganization", ""));
}

void TDialogForm::FillGroups() {
    std::vector<std::string> groups;
    const std::string programs = GetProgramsDir(context_.WindowsDir);
    for (const plat::SearchRec& rec : plat::FindFiles(JoinPath(programs, "*.*"), plat::faDirectory))
        if ((rec.Attr & plat::faDirectory) && !rec.Name.empty() && rec.Name[0] != '.')
            groups.push_back(rec.Name);
    groupList_->SetItems(groups);
    context_.GroupFolder = context_.ExpandMacros(context_.Main().Text("GroupName"));
    groupEdit_->SetText(context_.GroupFolder);
    groupList_->SetItemIndex(-1);
    for (size_t i = 0; i < groups.size(); ++i)
        if (plat::SameText(groups[i], context_.GroupFolder))
            groupList_->SetItemIndex(static_cast<int>(i));
}

void TDialogForm::FillCustom() {
    auto& scripts = context_.Scripts();
    // Up to five packages get the page's whole width; more go into two columns.
    const bool twoColumns = scripts.size() > 6;
    for (size_t i = 0; i < customBoxes_.size(); ++i) {
        plat::TCheckBox& box = *customBoxes_[i];
        const size_t script = i + 1;
        const int column = twoColumns && i >= 5 ? 1 : 0;
        box.SetBounds(136 + column * 148, 68 + static_cast<int>(i % 5) * 22, twoColumns ? 144 : 290, 20);
        box.SetVisible(script < scripts.size());
        if (script >= scripts.size())
            continue;
        scripts[script].Selected = true;
        box.SetChecked(true);
        box.SetCaption(scripts[script].Params.Text("ProductName"));
    }
    for (int i = 0; i < 3; ++i) {
        const std::string caption = context_.Main().Text("FlagText" + std::to_string(i + 1));
        flags_[i]->SetCaption(caption);
        flags_[i]->SetVisible(!caption.empty());
    }
    flags_[0]->SetChecked(true);
    context_.ChosenOption = 1;
}

void TDialogForm::EnterPage(WizardPage page) {
    SetupParams& main = context_.Main();
    notebook_->SetActivePageIndex(static_cast<int>(page));
    SetCaption(plat::Cp1251ToUtf8(" " + main.Text(std::string(PageName(page)) + "Caption")));
    switch (page) {
    case WizardPage::Word:
        if (context_.Word.NeedsWord(context_.Scripts())) {
            context_.Word.DetectWordVersions(context_.WindowsDir);
            wordVersions_->SetItems(context_.Word.VersionList());
            wordVersions_->SetItemIndex(context_.Word.ChosenVersion());
        }
        break;
    case WizardPage::Copying:
        // The texts may show the destination and the option, which the user chose since the start.
        label10_->SetCaption(Shown("Memo3", true));
        for (int i = 0; i < 4; ++i)
            phases_[i]->SetCaption(context_.ExpandMacros(main.Text("Process" + std::to_string(i + 1))));
        break;
    case WizardPage::Finish: {
        label15_->SetCaption(Shown("Memo8", true));
        bool restart = main.Flag("Restart");
        for (size_t i = 1; i < context_.Scripts().size(); ++i)
            restart = restart || (context_.Scripts()[i].Selected && context_.Scripts()[i].Params.Flag("Restart"));
        restart_->SetChecked(restart);
        restart_->SetVisible(restart);
        break;
    }
    default:
        break;
    }
}

void TDialogForm::ApplyButtons() {
    const SetupParams& main = context_.Main();
    const WizardButtons b = flow_.Buttons();
    prevBtn_->SetCaption(main.Text(b.BackCaption));
    nextBtn_->SetCaption(main.Text(b.NextCaption));
    exitBtn_->SetCaption(main.Text(b.CancelCaption));
    prevBtn_->SetVisible(b.BackVisible);
    nextBtn_->SetVisible(b.NextVisible);
    prevBtn_->SetEnabled(b.BackEnabled);
    nextBtn_->SetEnabled(b.NextEnabled);
    nextBtn_->SetDefault(!b.CancelDefault);
    exitBtn_->SetDefault(b.CancelDefault);
    switch (flow_.Current()) {
    case WizardPage::License:
        license_->SetFocus();
        break;
    case WizardPage::Finish:
    case WizardPage::Copying:
        exitBtn_->SetFocus();
        break;
    default:
        nextBtn_->SetFocus();
        break;
    }
}

bool TDialogForm::LeaveDirectory() {
    context_.Destination = defaultDir_->Text();
    const int64_t required = installer_.ComputeRequiredSpace();
    if (auto error = DiskSpaceError(context_.Destination, required, context_.Main().Text("ErrorDiskSpace"), DiskFree)) {
        plat::ShowError(*error);
        return false;
    }
    return true;
}

void TDialogForm::NextBtnClick() {
    if (ended_)
        return;
    flow_.SetUserNameEmpty(userName_->Text().empty());
    flow_.Next();
    ApplyButtons();
    if (flow_.Current() == WizardPage::Copying && !flow_.Installing())
        RunInstall();
}

void TDialogForm::PrevBtnClick() {
    flow_.Back();
    ApplyButtons();
}

void TDialogForm::RunInstall() {
    flow_.SetInstalling(true);
    ApplyButtons();
    try {
        installer_.Install();
    } catch (const std::exception& error) {
        flow_.SetInstalling(false);
        plat::MessageDlgCaptioned(context_.Main().Text("SetupText"), error.what(), plat::TMsgDlgType::Error,
                                  plat::TMsgDlgButtons::Ok);
        End(1);
        return;
    }
    flow_.InstallDone();
    ApplyButtons();
}

void TDialogForm::ExitBtnClick() {
    switch (flow_.CancelAction()) {
    case WizardExit::AbortRequest:
        installer_.RequestCancel();
        break;
    case WizardExit::FinishActions:
        installer_.Finish(args_, Installer::FolderAction::OpenUnlessNoGroup, restart_->Checked());
        End(0);
        break;
    default:
        End(1);
        break;
    }
}

bool TDialogForm::FormCloseQuery() {
    if (ended_)
        return true;
    if (flow_.CloseAction() == WizardExit::AbortRequest) {
        installer_.RequestCancel();
        return false;
    }
    // On the Finish page the product is installed, even though the Finish actions do not run.
    End(flow_.Current() == WizardPage::Finish ? 0 : 1);
    return true;
}

void TDialogForm::End(int status) {
    if (ended_)
        return;
    ended_ = true;
    exitStatus_ = status;
    Close();
    if (OnEnded)
        OnEnded(*this);
}

} // namespace setup
