// The catalogue on the CD's models and on a scratch models folder holding the awkward cases.
#include "designer/shell/Settings.h"
#include "designer/wardrobe/AllModels.h"
#include "designer/wardrobe/GarmentPictures.h"
#include "platform/files/WinPath.h"
#include "platform/registry/Registry.h"
#include "platform/text/Cp1251.h"
#include "platform/ui/Dialogs.h"
#include "tests/designer/wardrobe/WardrobeWorld.h"
#include "tests/support/Scratch.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

using namespace wardrobe;
using wardrobe_test::TWardrobeWorld;
namespace fs = std::filesystem;

struct TErrorLog {
    std::vector<std::string> Texts;
    plat::MessageBoxHandler Previous;
    TErrorLog() {
        Previous =
            plat::SetMessageBoxHandler([this](plat::TMsgDlgType, plat::TMsgDlgButtons, const std::string& t) {
                Texts.push_back(t);
                return plat::TModalResult::Ok;
            });
    }
    ~TErrorLog() { plat::SetMessageBoxHandler(Previous); }
};

TEST(CatalogueTest, EveryClassOfTheCdLoadsSortedWithItsMenu) {
    TErrorLog errors;
    TWardrobeWorld world;
    EXPECT_TRUE(errors.Texts.empty());
    EXPECT_EQ(world.All.TypeShow, geom::TTypeShow::tsFill);
    EXPECT_EQ(world.All.ClassModels(), &world.Class(kClassPl));
    for (int c = 0; c < kClassCount; ++c) {
        TClassModels& k = world.Class(c);
        SCOPED_TRACE(k.Maska);
        ASSERT_GE(k.Count(), 3);
        EXPECT_EQ(k.ItemIndex(), 0);
        for (int i = 1; i < k.Count(); ++i)
            EXPECT_FALSE(NameLess(k.ModelAt(i)->Name, k.ModelAt(i - 1)->Name));
        ASSERT_EQ(int(k.PopupMenu.Items.size()), k.Count() + 2);
        EXPECT_TRUE(k.PopupMenu.Items[0].Default);
        EXPECT_EQ(k.PopupMenu.Items[0].Caption, k.NameClassM);
        EXPECT_TRUE(k.PopupMenu.Items[1].IsSeparator());
        EXPECT_EQ(k.PopupMenu.Items[2].Caption, k.ModelAt(0)->Name);
    }
    EXPECT_EQ(world.Class(0).NameClassM, plat::Ru("Пальто, шубы, плащи"));
    EXPECT_EQ(world.Class(kClassTf).NameClass, plat::Ru("Снять туфли (сапоги)"));
    EXPECT_EQ(world.Class(kClassSh).Tag, 0);
    EXPECT_EQ(world.Class(kClassPl).Tag, 1);
}

TEST(CatalogueTest, StepsWrapAndPrevPrevFollowsItsRules) {
    TWardrobeWorld world;
    TClassModels& k = world.Class(kClassPl);
    while (k.Count() > 3)
        k.Models.pop_back();
    int changes = 0;
    k.OnChange = [&](TClassModels&) { ++changes; };
    EXPECT_EQ(k.PrevPrevModel(), k.ModelAt(1)); // index 0 of three: 1
    EXPECT_EQ(k.PrevModel(), k.ModelAt(2));
    EXPECT_EQ(k.NextModel(), k.ModelAt(1));
    k.SetItemIndex(1);
    EXPECT_EQ(k.PrevPrevModel(), k.ModelAt(2));
    k.SetItemIndex(2);
    EXPECT_EQ(k.PrevPrevModel(), k.ModelAt(0));
    k.Next();
    EXPECT_EQ(k.ItemIndex(), 0);
    EXPECT_EQ(changes, 3);
    k.SetItemIndex(0);  // no change, no notification
    k.SetItemIndex(3);  // past the end
    k.SetItemIndex(-1); // below 0: ignored as well
    EXPECT_EQ(k.ItemIndex(), 0);
    EXPECT_EQ(changes, 3);

    while (k.Count() > 1)
        k.Models.pop_back();
    EXPECT_EQ(k.PrevModel(), k.ModelAt(0));
    EXPECT_EQ(k.NextModel(), k.ModelAt(0));
    EXPECT_EQ(k.PrevPrevModel(), k.ModelAt(0));
    k.Models.clear();
    EXPECT_EQ(k.Current(), nullptr);
    EXPECT_EQ(k.PrevModel(), nullptr);
    EXPECT_EQ(k.NextModel(), nullptr);
    EXPECT_EQ(k.PrevPrevModel(), nullptr);
    k.Next();
    EXPECT_EQ(k.Current(), nullptr);
}

TEST(CatalogueTest, MenuPicksSwitchingClassesAndReleasingPictures) {
    TWardrobeWorld world;
    TClassModels& dresses = world.Class(kClassPl);
    int selected = 0, changed = 0;
    dresses.OnSelect = [&](TClassModels&) { ++selected; };
    world.All.OnChangeModel = [&] { ++changed; };
    const plat::PopupChooser previous =
        plat::SetPopupChooser([](const std::vector<plat::TMenuItem>&, plat::TPoint) { return 3; });
    EXPECT_EQ(dresses.PopupMenu.Popup({0, 0}), 3);
    plat::SetPopupChooser(previous);
    EXPECT_EQ(dresses.ItemIndex(), 1);
    EXPECT_EQ(selected, 1);
    EXPECT_EQ(changed, 1);
    world.Class(kClassBr).SetItemIndex(1); // not current: no notification
    EXPECT_EQ(changed, 1);

    geom::TModel& shown = *dresses.Current();
    ASSERT_FALSE(RackImage(shown).Empty());
    world.All.SetClassModels(&world.Class(kClassBr));
    EXPECT_EQ(changed, 2);
    EXPECT_TRUE(shown.Pictures.RackImage.Empty()); // released with its class
    world.All.SetClassModels(&world.Class(kClassBr));
    EXPECT_EQ(changed, 2);

    Settings().BigMemory = true;
    geom::TModel& kept = *world.Class(kClassBr).Current();
    RackImage(kept);
    world.All.SetClassModels(&dresses);
    EXPECT_FALSE(kept.Pictures.RackImage.Empty());
    Settings().BigMemory = false;

    plat::TPopupMenu menu;
    world.All.cm[3] = nullptr;
    world.All.BuildTakeOffMenu(menu, [](int) {});
    ASSERT_EQ(menu.Items.size(), 8u);
    EXPECT_EQ(menu.Items[3].Caption, plat::Ru("Отсутствует"));
    EXPECT_EQ(menu.Items[1].Caption, plat::Ru("Снять платье"));
}

// An outfit written to a section comes back: the pieces' fabrics and what the doll wears.
TEST(CatalogueTest, SavedFabricsLoadAgain) {
    TWardrobeWorld world;
    geom::TModel& coat = *world.Class(0).ModelAt(1);
    for (size_t i = 0; i < coat.Pieces.size(); ++i)
        coat.Pieces[i]->SetMaterial(int(i) + 3);
    {
        plat::TRegIniFile reg(kProductKey);
        world.All.SaveState(reg, "States2");
    }
    plat::TRegIniFile reg(kProductKey);
    world.All.Load(239, 212, "States2", &reg);
    geom::TModel& again = *world.Class(0).ModelAt(1);
    ASSERT_NE(&again, &coat);
    for (size_t i = 0; i < again.Pieces.size(); ++i)
        EXPECT_EQ(again.Pieces[i]->Material, int(i) + 3);
    EXPECT_EQ(world.Class(0).ModelAt(0)->Pieces[0]->Material, -1);
}

// A models folder with a backup, a damaged file, two equal names and a refused stored value.
TEST(CatalogueTest, AwkwardFilesNeverEmptyTheClass) {
    const std::string cd = testing_support::MakeScratchDir("cd");
    fs::create_directories(cd + "/models");
    const fs::path from = fs::path(VELMORA_CD_DIR) / "models";
    fs::copy_file(from / "pl01.mdl", cd + "/models/pl01.mdl");
    fs::copy_file(from / "pl01.mdl", cd + "/models/pl05.mdl"); // same Name, found later
    fs::copy_file(from / "pl02.mdl", cd + "/models/pl03.mdl~");
    testing_support::WriteHostFile(cd + "/models/pl04.mdl", "not a model\r\n");
    wardrobe_test::UseCd(cd);
    {
        plat::TRegIniFile reg(kProductKey);
        reg.WriteString("States1", "pl01", "text, not bytes");
    }
    TErrorLog errors;
    plat::TRegIniFile reg(kProductKey);
    TClassModels k(kClassPl);
    k.LoadModels("models\\", &reg, "States1", nullptr, 239, 212);
    ASSERT_EQ(k.Count(), 2);
    EXPECT_EQ(k.ModelAt(0)->ModelPath, "models\\pl05");
    EXPECT_EQ(k.ModelAt(1)->ModelPath, "models\\pl01");
    for (auto& piece : k.ModelAt(1)->Pieces)
        EXPECT_EQ(piece->Material, -1);
    ASSERT_EQ(errors.Texts.size(), 2u);
    EXPECT_NE(errors.Texts[0].find("pl01"), std::string::npos) << errors.Texts[0];
    EXPECT_NE(errors.Texts[1].find("pl04"), std::string::npos) << errors.Texts[1];
    EXPECT_EQ(PictureBase("models\\pl01.MDL"), "models\\pl01");
    EXPECT_EQ(PictureBase("models\\pl01"), "models\\pl01");

    TClassModels none(kClassSh);
    none.LoadModels("models\\", &reg, "States1", nullptr, 239, 212);
    EXPECT_EQ(none.Count(), 0);
    EXPECT_EQ(none.PopupMenu.Items.size(), 2u);
    EXPECT_EQ(none.Current(), nullptr);
}

} // namespace
