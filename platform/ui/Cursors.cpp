// The cursor table on Qt cursors, and the screen cursor sink.
#include "platform/ui/Cursors.h"

#include "platform/ui/Application.h"

#include "platform/ui/ControlWidget.h"
#include "platform/ui/CursorsQt.h"
#include "platform/ui/DragDrop.h"

#include <QApplication>
#include <QBitmap>
#include <QPixmap>
#include <map>

namespace plat {

namespace {

std::map<TCursor, QCursor>& Table() {
    static std::map<TCursor, QCursor> table;
    return table;
}

// Shows the screen cursor as an application-wide override; the default cursor removes it, so
// that every control shows its own cursor again.
class OverrideCursorSink : public ScreenCursorSink {
public:
    void ShowCursor(TCursor cursor) override {
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
        if (cursor != crDefault)
            QApplication::setOverrideCursor(CursorOf(cursor));
    }
};

} // namespace

QCursor CursorOf(TCursor number) {
    if (number == crHourGlass)
        return QCursor(Qt::WaitCursor);
    if (number == crNoDrop)
        return QCursor(Qt::ForbiddenCursor);
    const auto found = Table().find(number);
    if (found == Table().end())
        return QCursor(Qt::ArrowCursor);
    return found->second;
}

void ApplyCursor(QWidget& widget, TCursor number) {
    if (number == crDefault) {
        widget.unsetCursor();
        return;
    }
    widget.setCursor(CursorOf(number));
}

void InstallScreenCursorSink() {
    static OverrideCursorSink sink;
    SetScreenCursorSink(&sink);
}

void RegisterCursor(TCursor number, const Bitmap& picture, TPoint hotSpot) {
    if (picture.Empty()) {
        Table().erase(number);
        return;
    }
    EnsureUiApplication(); // cursors are pixmaps, which only exist with the application object
    QImage image = ImageOf(picture).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<uint32_t*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((row[x] & 0xFFFFFFu) == 0xFFFFFFu)
                row[x] = 0;
    }
    Table()[number] = QCursor(QPixmap::fromImage(image), hotSpot.X, hotSpot.Y);
}

bool CursorRegistered(TCursor number) {
    return Table().contains(number);
}

} // namespace plat
