// The CD's script in the parameter editor: opened, saved unedited and opened again, it holds the
// same parameters.
#include "platform/files/WinPath.h"
#include "setup/editor/ParamsForm.h"
#include "setup/script/ScriptFile.h"
#include "tests/setup/SetupTestSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(CdImage, EditorSavesTheScriptUnchanged) {
    setup_test::FreshPrefix();
    const std::string cdScript = plat::WinPathOf(VELMORA_CD_DIR) + "\\setup.inf";
    const auto scratch = setup_test::MakeFolder("edited");
    setup::SetupParams original;
    setup::LoadScript(original, cdScript);

    setup::TParamsForm editor;
    ASSERT_TRUE(editor.Load(cdScript));
    EXPECT_TRUE(editor.Collect() == original);
    ASSERT_TRUE(editor.SaveTo(scratch.Win + "\\setup.inf"));

    setup::TParamsForm again;
    ASSERT_TRUE(again.Load(scratch.Win + "\\setup.inf"));
    EXPECT_TRUE(again.Collect() == original);
}

} // namespace
