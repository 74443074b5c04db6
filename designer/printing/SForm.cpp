#include "designer/printing/SForm.h"

#include "platform/print/Printer.h"
#include "platform/text/Cp1251.h"
#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/StdControl.h"

namespace printing {

namespace {

namespace pp = layout::patternprint;

constexpr const char* kRowCaptions[kMeasureCount] = {"Рост", "Ширина спинки", "Объем талии", "Объем бедер"};
constexpr const char* kEditNames[kMeasureCount] = {"sH", "sW1", "sW2", "sW3"};
constexpr const char* kStandardNames[kMeasureCount] = {"bH", "bW1", "bW2", "bW3"};

} // namespace

TSForm::TSForm(const IPatternSource* source)
    : TPrintFormBase(pp::kWindow, layout::skin::kFlyPatternsPrinted) {
    Source = source;
    SetCaption(plat::Ru("Печать выкроек"));
    lCaption->SetBounds(pp::kCaption.place.x, pp::kCaption.place.y, pp::kCaption.place.width,
                        pp::kCaption.place.height);
    lCaption->Caption = plat::Ru("Печать выкроек");
    lCaption->XBkActiv = lCaption->XBkPassiv = pp::kCaption.active.x;
    lCaption->YBkActiv = lCaption->YBkPassiv = pp::kCaption.active.y;

    MakeLabel(pp::kColumnMine, plat::Ru("Моя кукла"));
    MakeLabel(pp::kColumnStandard, plat::Ru("Стандарт"));
    for (int row = 0; row < kMeasureCount; ++row) {
        plat::SetName(MakeLabel(pp::RowLabel(row), plat::Ru(kRowCaptions[row])),
                      "Label" + std::to_string(row + 1));
        auto& edit = Make<plat::TEdit>();
        edit.SetBounds(pp::RowEdit(row).x, pp::RowEdit(row).y, pp::RowEdit(row).width,
                       pp::RowEdit(row).height);
        edit.SetText(kStandardTexts[row]);
        plat::SetName(edit, kEditNames[row]);
        (row == 0 ? sH : row == 1 ? sW1 : row == 2 ? sW2 : sW3) = &edit;
        MakeLabel(pp::RowMineUnit(row), plat::Ru("см"));
        bStandard[row] = &MakeLabel(pp::RowStandard(row), kStandardTexts[row]);
        plat::SetName(*bStandard[row], kStandardNames[row]);
        MakeLabel(pp::RowStandardUnit(row), plat::Ru("см"));
    }
    sW1->OnExit = [this](plat::TEdit&) { sW1Exit(); };
    sW2->OnExit = [this](plat::TEdit&) { sW2Exit(); };
    sW3->OnExit = [this](plat::TEdit&) { sW3Exit(); };

    Label11 = &MakeLabel(pp::kPrinterLabel, plat::Ru("Принтер"));
    NamePrinter = &MakeLabel(pp::kPrinterName, "");
    Info = &MakeLabel(pp::kInfo, "");
    plat::SetName(*Info, "Info");

    bStdSize = &MakeButton(pp::kStdSize, "Стандартные размеры");
    plat::SetName(*bStdSize, "bStdSize");
    bStdSize->OnClick = [this](plat::TControl&) { SetStandardClick(); };
    bSetupPrint = &MakeButton(pp::kSetupPrint, "Установки принтера");
    bPrint = &MakeButton(pp::kPrint, "Печатать");
    bExit2 = &MakeButton(pp::kExit2, "Выход");
    bHelp = &MakeButton(pp::kHelp, "Помощь");
    bExit = &MakeButton(pp::kExit, "Выход");
    FlyBitmap->SetBounds(pp::kFlyBitmap.x, pp::kFlyBitmap.y, pp::kFlyBitmap.width, pp::kFlyBitmap.height);
    MinWindow->SetBounds(pp::kMinWindow.x, pp::kMinWindow.y, pp::kMinWindow.width, pp::kMinWindow.height);
    BindCommonButtons();
}

TMeasureTexts TSForm::Texts() const {
    TMeasureTexts texts;
    const auto edits = Edits();
    for (int i = 0; i < kMeasureCount; ++i)
        texts[i] = edits[i]->Text();
    return texts;
}

void TSForm::SetTexts(const TMeasureTexts& texts) {
    const auto edits = Edits();
    for (int i = 0; i < kMeasureCount; ++i)
        edits[i]->SetText(texts[i]);
}

void TSForm::FormShow() {
    sW1Exit();
    TPrintFormBase::FormShow();
}

void TSForm::SetStandardClick() {
    const auto edits = Edits();
    for (int i = 0; i < kMeasureCount; ++i)
        edits[i]->SetText(bStandard[i]->Caption());
}

void TSForm::WidthExit(TMeasure left) {
    TMeasureTexts texts = Texts();
    FollowWidths(texts, left);
    SetTexts(texts);
}

void TSForm::SetInfo(const std::string& text) {
    Info->SetCaption(text);
    Info->Repaint();
}

void TSForm::PrintClick() {
    // The picture buttons take no focus, so a width still being typed in has not been left yet:
    // it is committed first, or its neighbours would print from the old value.
    if (sW1->Focused())
        sW1Exit();
    else if (sW2->Focused())
        sW2Exit();
    else if (sW3->Focused())
        sW3Exit();
    if (!CheckPrinter())
        return;
    const TMeasureCheck check = CheckMeasures(Texts());
    if (check.Error) {
        plat::ShowError(*check.Error);
        return;
    }
    if (!Source)
        return;
    const std::vector<const geom::TModel*> models = ChoosePatternModels(*Source);
    const TPatternJobOptions options{TDescription::Printed, TestSquareSetting()};
    const TPrintOutcome outcome = PrintPatterns(models, CurrentPrinter(), check.Factors, options,
                                                [this](const std::string& text) { SetInfo(text); });
    if (!outcome.Error.empty()) {
        plat::ShowError(outcome.Error);
        return;
    }
    if (outcome.AllPrinted())
        PlayPrinted();
}

} // namespace printing
