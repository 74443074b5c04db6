// The Qt widget under every TControl: forwards events to the control under the error guard and
// puts its back buffer on screen. Private to the windowing layer.
#pragma once

#include "platform/ui/Control.h"

#include <QWidget>

namespace plat {

class ControlWidget : public QWidget {
public:
    ControlWidget(TControl& control, QWidget* parent);
    TControl& Control() { return control_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    TControl& control_;
};

QImage ImageOf(const Bitmap& bitmap);
Bitmap BitmapOf(const QImage& image);

} // namespace plat
