// The wizard's texts on the CD: every memo wraps its own lines, so a paragraph must be one line of
// the script. A line that ends in a blank is a paragraph broken by hand, which the page would show
// with a ragged short line in the middle.
#include "platform/files/WinPath.h"
#include "setup/script/ScriptFile.h"
#include "setup/script/SetupParams.h"
#include "tests/setup/SetupTestSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(CdImage, WizardParagraphsAreWholeLines) {
    setup_test::FreshPrefix();
    setup::SetupParams params;
    setup::LoadScript(params, plat::WinPathOf(VELMORA_CD_DIR) + "\\setup.inf");
    int memos = 0;
    for (const setup::ParamDef& def : setup::ParamTable()) {
        const std::string name = def.Name;
        if (def.Kind != setup::ParamKind::Lines || (name.rfind("Memo", 0) != 0 && name != "License"))
            continue;
        ++memos;
        for (const std::string& line : params.Lines(name))
            EXPECT_TRUE(line.empty() || line.back() != ' ') << name << ": a paragraph broken after \"" << line << "\"";
    }
    EXPECT_GE(memos, 10);
}

} // namespace
