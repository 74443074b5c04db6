// Moving a top-level window by hand with the mouse, where the platform has no move of its own
// (offscreen, or X without a window manager). Private to the windowing layer.
//
// While the button is held the pressed widget keeps the mouse (Qt's implicit grab), so the events
// go to whichever control was pressed, a caption bar rather than the form, and their local
// positions are relative to a widget that moves with the window. The mover therefore watches every
// mouse event of the application and places the window from global positions only: the window's
// place at the press plus how far the pointer has gone since. However fast the drag, the window
// lands under the pointer again at the next event.
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QWidget>

namespace plat {

class WindowMover : public QObject {
public:
    static WindowMover& Instance();

    // Starts moving `window` with the pointer, which is at `pointer` (global) now.
    void Start(QWidget& window, QPoint pointer);
    bool Moving() const { return !window_.isNull(); }
    void Stop() { window_.clear(); }

    // Global position of the press being dispatched, so that a move started by a press handler is
    // anchored where the button went down (synthetic presses do not move the real pointer).
    static void SetPressPosition(const QPoint* global);
    static QPoint PointerNow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> window_;
    QPoint windowAtPress_;
    QPoint pointerAtPress_;
    bool installed_ = false;
};

} // namespace plat
