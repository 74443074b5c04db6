// The clipboard takes the plain and the rich text at once; both are read back through Qt on the
// offscreen platform, whose clipboard lives inside the process.
#include "platform/ui/Clipboard.h"

#include "platform/text/Cp1251.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace plat {
namespace {

TEST(ClipboardTest, PlainTextAsUtf8AndRichTextUnchangedTogether) {
    setenv("QT_QPA_PLATFORM", "offscreen", /*overwrite=*/0);
    // Bytes above 0x7F in the rich text stay as they are: it names its own code page.
    const std::string rtf = "{\\rtf1\\ansi\\ansicpg1251 \\'c4\xEE\xEC\\par}";
    SetClipboardTexts(Ru("Дом и сад\r\nline two"), rtf);

    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->hasText());
    EXPECT_EQ(data->text().toStdString(), "Дом и сад\r\nline two");
    ASSERT_TRUE(data->hasFormat("text/rtf"));
    EXPECT_EQ(data->data("text/rtf").toStdString(), rtf);

    // A second copy replaces both forms, an empty one included.
    SetClipboardTexts("x", "");
    data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->text().toStdString(), "x");
    EXPECT_EQ(data->data("text/rtf").toStdString(), "");
}

} // namespace
} // namespace plat
