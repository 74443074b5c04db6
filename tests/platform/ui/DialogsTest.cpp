#include "platform/ui/Dialogs.h"

#include "platform/core/Exceptions.h"
#include "platform/text/Cp1251.h"
#include "platform/ui/Application.h"

#include <QCoreApplication>
#include <gtest/gtest.h>
#include <stdexcept>

namespace plat {
namespace {

struct BoxRecorder {
    BoxRecorder() {
        previous = SetMessageBoxHandler([this](TMsgDlgType t, TMsgDlgButtons b, const std::string& s) {
            type = t;
            buttons = b;
            text = s;
            ++calls;
            return answer;
        });
    }
    ~BoxRecorder() { SetMessageBoxHandler(previous); }
    MessageBoxHandler previous;
    TMsgDlgType type{};
    TMsgDlgButtons buttons{};
    std::string text;
    int calls = 0;
    TModalResult answer = TModalResult::Ok;
};

TEST(DialogsTest, ReplacedBoxGetsTheQuestionAndGivesTheAnswer) {
    BoxRecorder box;
    box.answer = TModalResult::Cancel;
    EXPECT_EQ(MessageDlg(Ru("Сохранить?"), TMsgDlgType::Confirmation, TMsgDlgButtons::YesNoCancel),
              TModalResult::Cancel);
    EXPECT_EQ(box.type, TMsgDlgType::Confirmation);
    EXPECT_EQ(box.buttons, TMsgDlgButtons::YesNoCancel);
    EXPECT_EQ(box.text, Ru("Сохранить?"));
}

TEST(DialogsTest, RussianButtonTexts) {
    EXPECT_EQ(ButtonCaption(TModalResult::Yes), Ru("Да"));
    EXPECT_EQ(ButtonCaption(TModalResult::No), Ru("Нет"));
    EXPECT_EQ(ButtonCaption(TModalResult::Cancel), Ru("Отмена"));
}

TEST(DialogsTest, TheToolkitsOwnDialogsSpeakTheProgramsLanguage) {
    plat::EnsureUiApplication();
    ASSERT_TRUE(plat::UseToolkitLanguage("ru")) << "the toolkit's translations (scripts/install-deps)";
    EXPECT_EQ(QCoreApplication::translate("QPrintDialog", "Print").toStdString(), "Печать");
    // A language without translations leaves the loaded one in place.
    EXPECT_FALSE(plat::UseToolkitLanguage("xx"));
    EXPECT_EQ(QCoreApplication::translate("QPrintDialog", "Print").toStdString(), "Печать");
}

TEST(DialogsTest, GuardShowsTheExceptionsMessageAsAnError) {
    struct Case {
        std::function<void()> Handler;
        bool Throws;
        std::string Text;
    };
    const Case cases[] = {
        {[] {}, false, ""},
        {[] { throw EFileError("no file"); }, true, "no file"},
        {[] { throw std::runtime_error("broken"); }, true, "broken"},
    };
    for (const Case& c : cases) {
        BoxRecorder box;
        EXPECT_EQ(RunGuarded(c.Handler), !c.Throws);
        EXPECT_EQ(box.calls, c.Throws ? 1 : 0);
        EXPECT_EQ(box.text, c.Text);
        if (c.Throws)
            EXPECT_EQ(box.type, TMsgDlgType::Error);
    }
}

} // namespace
} // namespace plat
