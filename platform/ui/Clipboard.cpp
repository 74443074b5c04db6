// The clipboard on Qt: one QMimeData carries both forms, because setting them one after the other
// would let the second replace the first.
#include "platform/ui/Clipboard.h"

#include "platform/text/Cp1251.h"
#include "platform/ui/Application.h"

#include <QByteArray>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QString>
#include <string>

namespace plat {

void SetClipboardTexts(std::string_view plainCp1251, std::string_view rtfBytes) {
    EnsureUiApplication();
    const std::string utf8 = Cp1251ToUtf8(plainCp1251);
    auto* data = new QMimeData; // the clipboard takes ownership
    data->setText(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
    data->setData(QStringLiteral("text/rtf"),
                  QByteArray(rtfBytes.data(), static_cast<qsizetype>(rtfBytes.size())));
    QGuiApplication::clipboard()->setMimeData(data);
}

} // namespace plat
