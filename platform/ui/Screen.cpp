// The real screen through Qt's primary screen, and the switch to a replacement source.
#include "platform/ui/Screen.h"

#include "platform/ui/Application.h"
#include "platform/ui/ControlWidget.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

namespace plat {

namespace {

class QtScreen : public ScreenSource {
public:
    int Width() const override { return Geometry().width(); }
    int Height() const override { return Geometry().height(); }
    TPoint CursorPos() const override {
        EnsureUiApplication();
        const QPoint p = QCursor::pos();
        return {p.x(), p.y()};
    }
    Bitmap Capture(const TRect& rect) const override {
        Bitmap shot(rect.Width(), rect.Height());
        if (shot.Empty())
            return shot;
        EnsureUiApplication();
        QScreen* screen = QGuiApplication::primaryScreen();
        if (!screen)
            return shot;
        // Only the part on the screen is grabbed (a negative size would mean "to the edge" to
        // Qt); it goes at its place in a black image, so that pixels off the screen read black.
        const QRect wanted(rect.Left, rect.Top, rect.Width(), rect.Height());
        const QRect part = wanted.intersected(QRect(QPoint(0, 0), screen->geometry().size()));
        QImage image(wanted.size(), QImage::Format_RGB32);
        image.fill(Qt::black);
        if (!part.isEmpty()) {
            const QPixmap grab = screen->grabWindow(0, part.x(), part.y(), part.width(), part.height());
            QPainter painter(&image);
            painter.drawPixmap(part.topLeft() - wanted.topLeft(), grab);
        }
        return BitmapOf(image);
    }

private:
    static QRect Geometry() {
        EnsureUiApplication();
        QScreen* screen = QGuiApplication::primaryScreen();
        return screen ? screen->geometry() : QRect();
    }
};

ScreenSource*& Current() {
    static ScreenSource* current = nullptr;
    return current;
}

const ScreenSource& Source() {
    static QtScreen real;
    return Current() ? *Current() : real;
}

} // namespace

int ScreenWidth() {
    return Source().Width();
}

int ScreenHeight() {
    return Source().Height();
}

TPoint CursorPos() {
    return Source().CursorPos();
}

Bitmap CaptureScreen(const TRect& rect) {
    return Source().Capture(rect);
}

ScreenSource* SetScreenSource(ScreenSource* source) {
    ScreenSource* previous = Current();
    Current() = source;
    return previous;
}

} // namespace plat
