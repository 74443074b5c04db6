// The wizard's controls: the notebook's nine pages, the line and the three buttons, named as the
// window's designer named them.
#include "setup_art/SetupArt.h"
#include "platform/ui/ChooserDialogs.h"
#include "platform/ui/StdControl.h"
#include "setup/wizard/DialogForm.h"

namespace setup {

namespace {

template <class T, class... Args> T& Named(plat::TControl& parent, const char* name, int left, int top, int width,
                                           int height, Args&&... args) {
    T& control = parent.Make<T>(std::forward<Args>(args)...);
    plat::SetName(control, name);
    control.SetBounds(left, top, width, height);
    return control;
}

plat::TLabel& Text(plat::TControl& parent, const char* name, int left, int top, int width, int height) {
    auto& label = Named<plat::TLabel>(parent, name, left, top, width, height);
    label.SetWordWrap(true);
    return label;
}

} // namespace

PictureBox& TDialogForm::SidePicture(plat::TTabSheet& page) {
    auto& picture = Named<PictureBox>(page, "Image1", 0, 0, 120, 260);
    picture.SetPicture(side_);
    return picture;
}

void TDialogForm::BuildPages() {
    side_ = BuiltInPicture(kWizardSidePicture, kWizardSidePictureSize);
    notebook_ = &Named<plat::TPageControl>(*this, "Notebook", 0, 6, 435, 273, /*tabs=*/false);
    for (int i = 0; i < kWizardPages; ++i) {
        plat::TTabSheet& page = notebook_->AddPage(PageName(static_cast<WizardPage>(i)));
        plat::SetName(page, PageName(static_cast<WizardPage>(i)));
    }
    BuildWelcome(notebook_->Page(0));
    BuildLicense(notebook_->Page(1));
    BuildUser(notebook_->Page(2));
    BuildCustom(notebook_->Page(3));
    BuildWord(notebook_->Page(4));
    BuildDirectory(notebook_->Page(5));
    BuildGroup(notebook_->Page(6));
    BuildCopying(notebook_->Page(7));
    BuildFinish(notebook_->Page(8));

    Named<EtchedLine>(*this, "Bevel1", 0, 282, 436, 2);
    prevBtn_ = &Named<plat::TButton>(*this, "PrevBtn", 185, 290, 75, 25);
    nextBtn_ = &Named<plat::TButton>(*this, "NextBtn", 260, 290, 75, 25);
    exitBtn_ = &Named<plat::TButton>(*this, "ExitBtn", 348, 290, 75, 25);
    prevBtn_->OnClick = [this](plat::TControl&) { PrevBtnClick(); };
    nextBtn_->OnClick = [this](plat::TControl&) { NextBtnClick(); };
    exitBtn_->OnClick = [this](plat::TControl&) { ExitBtnClick(); };
    nextBtn_->SetDefault(true);
}

void TDialogForm::BuildWelcome(plat::TTabSheet& page) {
    SidePicture(page);
    memo1_ = &Named<plat::TMemo>(page, "Memo1", 136, 8, 292, 256);
    memo1_->SetReadOnly(true);
    memo1_->SetFlat(true);
}

void TDialogForm::BuildLicense(plat::TTabSheet& page) {
    auto& icon = Named<PictureBox>(page, "Image2", 8, 8, 32, 32);
    icon.SetPicture(BuiltInPicture(kLicenseIcon, kLicenseIconSize));
    label2_ = &Text(page, "Label2", 48, 8, 380, 40);
    license_ = &Named<plat::TMemo>(page, "License", 8, 52, 420, 160);
    license_->SetReadOnly(true);
    license_->SetScrollBars(plat::TScrollStyle::Vertical);
    label3_ = &Text(page, "Label3", 8, 218, 420, 50);
}

void TDialogForm::BuildUser(plat::TTabSheet& page) {
    SidePicture(page);
    label4_ = &Text(page, "Label4", 136, 8, 292, 100);
    label5_ = &Text(page, "Label5", 136, 118, 292, 18);
    userName_ = &Named<plat::TEdit>(page, "UserName", 136, 138, 290, 24);
    label8_ = &Text(page, "Label8", 136, 172, 292, 18);
    orgName_ = &Named<plat::TEdit>(page, "OrgName", 136, 192, 290, 24);
    userName_->OnChange = [this](plat::TEdit& edit) {
        flow_.SetUserNameEmpty(edit.Text().empty());
        nextBtn_->SetEnabled(flow_.Buttons().NextEnabled);
    };
}

void TDialogForm::BuildCustom(plat::TTabSheet& page) {
    SidePicture(page);
    customLabel_ = &Text(page, "CustomLabel", 136, 8, 292, 56);
    for (size_t i = 0; i < customBoxes_.size(); ++i) {
        const std::string name = "CustomBox" + std::to_string(i + 1);
        const int column = i < 5 ? 0 : 1;
        const int row = static_cast<int>(i % 5);
        auto& box = Named<plat::TCheckBox>(page, name.c_str(), 136 + column * 148, 68 + row * 22, 144, 20);
        box.OnClick = [this, i](plat::TControl& control) {
            auto& scripts = context_.Scripts();
            if (i + 1 < scripts.size())
                scripts[i + 1].Selected = static_cast<plat::TCheckBox&>(control).Checked();
        };
        customBoxes_[i] = &box;
    }
    for (int i = 0; i < 3; ++i) {
        const std::string name = "Flag" + std::to_string(i + 1);
        auto& flag = Named<plat::TRadioButton>(page, name.c_str(), 136, 186 + i * 24, 290, 22);
        flag.OnClick = [this, i](plat::TControl&) { context_.ChosenOption = i + 1; };
        flags_[i] = &flag;
    }
}

void TDialogForm::BuildWord(plat::TTabSheet& page) {
    memo2Word_ = &Named<plat::TMemo>(page, "Memo2", 8, 8, 420, 96);
    memo2Word_->SetReadOnly(true);
    label17_ = &Text(page, "Label17", 8, 114, 240, 18);
    wordVersions_ = &Named<plat::TComboBox>(page, "WordVerCB", 8, 134, 240, 26, plat::TComboStyle::DropDownList);
    wordVersions_->SetDropDownCount(4);
    wordVersions_->OnChange = [this](plat::TComboBox& combo) { context_.Word.ChooseVersion(combo.ItemIndex()); };
    langGroup_ = &Named<GroupFrame>(page, "LangRG", 262, 110, 166, 84);
    for (int i = 0; i < 2; ++i) {
        auto& language = Named<plat::TRadioButton>(*langGroup_, i == 0 ? "Lang1" : "Lang2", 10, 24 + i * 26, 150, 22);
        language.OnClick = [this, i](plat::TControl&) { context_.Word.ChooseLanguage(i); };
        languages_[i] = &language;
    }
}

void TDialogForm::BuildDirectory(plat::TTabSheet& page) {
    SidePicture(page);
    label9_ = &Text(page, "Label9", 136, 8, 292, 160);
    groupBox1_ = &Named<GroupFrame>(page, "GroupBox1", 136, 184, 292, 66);
    defaultDir_ = &Named<plat::TEdit>(*groupBox1_, "DefaultDir", 10, 26, 192, 25);
    browseBtn_ = &Named<plat::TButton>(*groupBox1_, "BrowseBtn", 208, 26, 75, 25);
    defaultDir_->OnChange = [this](plat::TEdit& edit) { context_.Destination = edit.Text(); };
    browseBtn_->OnClick = [this](plat::TControl&) {
        if (auto folder = plat::BrowseForFolder(groupBox1_->Caption, context_.Destination)) {
            defaultDir_->SetText(*folder);
            context_.Destination = *folder;
        }
    };
}

void TDialogForm::BuildGroup(plat::TTabSheet& page) {
    SidePicture(page);
    label16_ = &Text(page, "Label16", 136, 8, 292, 56);
    groupEdit_ = &Named<plat::TEdit>(page, "GroupEdit", 136, 68, 290, 24);
    groupList_ = &Named<plat::TListBox>(page, "GroupList", 136, 98, 290, 164);
    groupEdit_->OnChange = [this](plat::TEdit& edit) { context_.GroupFolder = edit.Text(); };
    groupList_->OnClick = [this](plat::TControl&) {
        if (groupList_->ItemIndex() < 0)
            return;
        context_.GroupFolder = groupList_->Item(groupList_->ItemIndex());
        groupEdit_->SetText(context_.GroupFolder);
    };
}

void TDialogForm::BuildCopying(plat::TTabSheet& page) {
    SidePicture(page);
    label10_ = &Text(page, "Label10", 136, 8, 292, 80);
    for (int i = 0; i < 4; ++i) {
        const std::string name = "Label" + std::to_string(11 + i);
        phases_[i] = &Named<plat::TLabel>(page, name.c_str(), 152, 96 + i * 22, 276, 20);
        // One font for the four lines, so the current one differs only in weight.
        phases_[i]->SetFont(plat::TFont{});
        phases_[i]->ApplyFont();
    }
    fileCaption_ = &Named<plat::TLabel>(page, "FileCaption", 136, 190, 292, 20);
    fileCaption_->Hide();
    gauge_ = &Named<plat::TProgressBar>(page, "GaugeAll", 136, 214, 290, 20);
}

void TDialogForm::BuildFinish(plat::TTabSheet& page) {
    SidePicture(page);
    label15_ = &Text(page, "Label15", 136, 8, 292, 200);
    restart_ = &Named<plat::TCheckBox>(page, "Restart", 136, 230, 292, 22);
}

} // namespace setup
