// The parameter editor TParamsForm: every parameter of a setup script as a field on one of
// thirteen pages, made from the parameter table; loads and saves scripts, imports registry
// exports into the registry list and previews the backdrop's gradient.
#pragma once

#include "platform/ui/Button.h"
#include "platform/ui/Control.h"
#include "platform/ui/Memo.h"
#include "platform/ui/PageControl.h"
#include "setup/script/SetupParams.h"

#include <map>
#include <string>

namespace setup {

class TParamsForm : public plat::TForm {
public:
    TParamsForm();
    ~TParamsForm() override;
    void Paint(plat::Canvas& canvas) override;
    // Every close (Exit, the close box) asks whether to save first.
    void CloseQuery(bool& canClose) override;

    // Reads a script (a Windows path) into the fields: what the script does not store keeps its
    // value, after the resets every load makes. False, with the error shown, when it cannot be read.
    bool Load(const std::string& path);
    // Writes the fields as a script: into a temporary file first, renamed over the old one.
    // False, with the error shown, when it could not be written.
    bool SaveTo(const std::string& path);

    void LoadBtnClick();
    bool SaveBtnClick();
    void ExitBtnClick();
    void ColorBtnClick(plat::TButton& button);
    void ImportClick();

    // The fields as a parameter set.
    SetupParams Collect() const;
    void Fill(const SetupParams& params);
    bool Closed() const { return closed_; }
    const std::string& Caption() const { return caption_; }

private:
    void BuildPage(plat::TTabSheet& page, const char* pageName);
    plat::TControl& AddField(plat::TControl& page, const ParamDef& def, int x, int y, int width, int height);
    void SetColorButton(plat::TButton& button, plat::TColor color);
    void SetFormCaption(const std::string& caption);
    bool QueryClose();
    void CloseEditor();

    plat::TPageControl* pages_ = nullptr;
    std::map<std::string, plat::TControl*> fields_;
    plat::TMemo* regList_ = nullptr;
    plat::TControl* preview_ = nullptr;
    std::string caption_;
    bool closed_ = false;
};

// Opens the editor (on `path`, a Windows path, when not empty) and returns when it is closed.
int RunParamsEditor(const std::string& path);

} // namespace setup
