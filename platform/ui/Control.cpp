// TControl and TForm over their Qt widgets.
#include "platform/ui/Control.h"

#include "platform/core/Platform.h"
#include "platform/graphics/RasterCanvas.h"
#include "platform/ui/Application.h"
#include "platform/ui/ControlWidget.h"
#include "platform/ui/CursorsQt.h"
#include "platform/ui/DragDrop.h"
#include "platform/ui/Hints.h"
#include "platform/ui/PopupMenu.h"
#include "platform/ui/WindowMover.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>
#include <algorithm>
#include <cstring>

namespace plat {

namespace {

TShiftState ShiftOf(const QMouseEvent& event) {
    const auto mods = event.modifiers();
    const auto buttons = event.buttons();
    return {mods.testFlag(Qt::ShiftModifier), mods.testFlag(Qt::ControlModifier),
            mods.testFlag(Qt::AltModifier), buttons.testFlag(Qt::LeftButton),
            buttons.testFlag(Qt::RightButton)};
}

TMouseButton ButtonOf(const QMouseEvent& event) {
    if (event.button() == Qt::RightButton)
        return TMouseButton::Right;
    if (event.button() == Qt::MiddleButton)
        return TMouseButton::Middle;
    return TMouseButton::Left;
}

int X(const QMouseEvent& e) {
    return static_cast<int>(e.position().x());
}
int Y(const QMouseEvent& e) {
    return static_cast<int>(e.position().y());
}

// The drop target under a screen point and the point in its coordinates; null when the control
// there takes no drops.
TDragTarget* TargetAt(const QPoint& global, TPoint& local, TCursor& cursor) {
    for (QWidget* widget = QApplication::widgetAt(global); widget; widget = widget->parentWidget()) {
        auto* control = dynamic_cast<ControlWidget*>(widget);
        if (!control)
            continue;
        auto* target = dynamic_cast<TDragTarget*>(&control->Control());
        if (!target)
            continue;
        const QPoint p = widget->mapFromGlobal(global);
        local = {p.x(), p.y()};
        cursor = control->Control().Cursor();
        return target;
    }
    return nullptr;
}

} // namespace

QImage ImageOf(const Bitmap& bitmap) {
    // Bitmap pixels are 0xFFRRGGBB words, exactly QImage's RGB32.
    return QImage(reinterpret_cast<const uchar*>(bitmap.Bits()), bitmap.Width(), bitmap.Height(),
                  bitmap.Width() * 4, QImage::Format_RGB32);
}

Bitmap BitmapOf(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    Bitmap bitmap(rgb.width(), rgb.height());
    if (bitmap.Empty())
        return bitmap;
    for (int y = 0; y < rgb.height(); ++y)
        std::memcpy(bitmap.Row(y), rgb.constScanLine(y), static_cast<size_t>(rgb.width()) * 4);
    return bitmap;
}

ControlWidget::ControlWidget(TControl& control, QWidget* parent) : QWidget(parent), control_(control) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void ControlWidget::paintEvent(QPaintEvent*) {
    RunGuarded([this] { control_.PaintBuffer(); });
    if (control_.buffer_.Empty())
        return;
    QPainter painter(this);
    // On a scaled screen every pixel becomes a square, never a blur.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(0, 0, ImageOf(control_.buffer_));
}

void ControlWidget::mousePressEvent(QMouseEvent* e) {
    const QPoint pressedAt = e->globalPosition().toPoint();
    WindowMover::SetPressPosition(&pressedAt);
    RunGuarded([&] { control_.MouseDown(ButtonOf(*e), ShiftOf(*e), X(*e), Y(*e)); });
    WindowMover::SetPressPosition(nullptr);
    if (e->button() == Qt::RightButton && control_.PopupMenu) {
        const QPoint global = e->globalPosition().toPoint();
        control_.PopupMenu->Popup({global.x(), global.y()});
    }
}

void ControlWidget::mouseMoveEvent(QMouseEvent* e) {
    DragManager& drag = DragManager::Instance();
    if (drag.Dragging()) {
        // The source keeps the mouse while dragging; the target is the control under it.
        TPoint local;
        TCursor cursor = crDefault;
        TDragTarget* target = TargetAt(e->globalPosition().toPoint(), local, cursor);
        RunGuarded([&] { drag.Move(target, local.X, local.Y, cursor); });
        return;
    }
    RunGuarded([&] { control_.MouseMove(ShiftOf(*e), X(*e), Y(*e)); });
    // The hint is read after the handler, which may have changed it.
    const TForm* form = FormOf(control_);
    const bool hintsOn = control_.ShowHint() && (!form || form->HintsEnabled());
    const std::string hint = hintsOn ? control_.Hint() : std::string();
    const QPoint global = e->globalPosition().toPoint();
    TPoint where{global.x(), global.y()};
    if (!hint.empty() && control_.OnHintPosition)
        RunGuarded([&] { control_.OnHintPosition(control_, X(*e), Y(*e), where); });
    ApplicationHints().MouseOver(hint.empty() ? nullptr : &control_, hint, where,
                                 Platform::Current().TickCount());
    RunGuarded(UpdateHintWindow);
}

void ControlWidget::mouseReleaseEvent(QMouseEvent* e) {
    DragManager& drag = DragManager::Instance();
    if (drag.Dragging() && e->button() == Qt::LeftButton) {
        TPoint local;
        TCursor cursor = crDefault;
        TDragTarget* target = TargetAt(e->globalPosition().toPoint(), local, cursor);
        RunGuarded([&] { drag.Drop(target, local.X, local.Y); });
        return;
    }
    const bool inside = rect().contains(e->position().toPoint());
    RunGuarded([&] {
        control_.MouseUp(ButtonOf(*e), ShiftOf(*e), X(*e), Y(*e));
        if (inside && e->button() == Qt::LeftButton)
            control_.TControl::Click();
    });
}

void ControlWidget::mouseDoubleClickEvent(QMouseEvent* e) {
    // The second press of a double click is still a press for every control that counts presses.
    mousePressEvent(e);
    if (e->button() == Qt::LeftButton)
        RunGuarded([this] { control_.DblClick(); });
}

void ControlWidget::enterEvent(QEnterEvent*) {
    RunGuarded([this] { control_.MouseEnter(); });
}

void ControlWidget::leaveEvent(QEvent*) {
    RunGuarded([this] { control_.MouseLeave(); });
    ApplicationHints().MouseLeft(Platform::Current().TickCount());
    RunGuarded(UpdateHintWindow);
}

void ControlWidget::resizeEvent(QResizeEvent*) {
    RunGuarded([this] { control_.Resized(); });
}

void ControlWidget::closeEvent(QCloseEvent* event) {
    auto* form = dynamic_cast<TForm*>(&control_);
    if (!form) {
        event->accept();
        return;
    }
    // Whoever asks (the program, the window manager, Alt+F4), the window is asked first; a
    // handler that throws keeps the window open.
    bool canClose = true;
    if (!RunGuarded([&] { form->CloseQuery(canClose); }) || !canClose) {
        event->ignore();
        return;
    }
    if (form->ModalResult() == 0)
        form->SetModalResult(2); // closing a modal window answers Cancel
    event->accept();
    control_.visible_ = false; // Qt hides the window after this
    RunGuarded([form] { form->DoClose(); });
}

bool ControlWidget::event(QEvent* e) {
    auto* form = isWindow() ? dynamic_cast<TForm*>(&control_) : nullptr;
    if (form) {
        switch (e->type()) {
        case QEvent::Show:
            if (!e->spontaneous())
                RunGuarded([form] { form->DoShow(); });
            break;
        case QEvent::Hide:
            if (!e->spontaneous())
                RunGuarded([form] { form->DoHide(); });
            break;
        case QEvent::WindowActivate:
            RunGuarded([form] { form->Activated(); });
            break;
        case QEvent::WindowDeactivate:
            RunGuarded([form] { form->Deactivated(); });
            break;
        default:
            break;
        }
    }
    return QWidget::event(e);
}

TControl::TControl(TControl* parent) : parent_(parent) {
    EnsureUiApplication();
    widget_ = new ControlWidget(*this, parent ? parent->widget_ : nullptr);
    if (parent)
        widget_->show(); // children follow their parent's visibility
}

TControl::~TControl() {
    owned_.clear();
    delete widget_;
}

void TControl::Free(TControl& child) {
    std::erase_if(owned_, [&](const std::unique_ptr<TControl>& c) { return c.get() == &child; });
}

TRect TControl::BoundsRect() const {
    const QRect r = widget_->geometry();
    return Bounds(r.x(), r.y(), r.width(), r.height());
}

void TControl::SetBounds(int left, int top, int width, int height) {
    widget_->setGeometry(left, top, std::max(0, width), std::max(0, height));
}

void TControl::SetVisible(bool visible) {
    visible_ = visible;
    widget_->setVisible(visible);
}

void TControl::SetEnabled(bool enabled) {
    enabled_ = enabled;
    widget_->setEnabled(enabled);
}

void TControl::SetCursor(TCursor cursor) {
    cursor_ = cursor;
    ApplyCursor(*widget_, cursor);
}

void TControl::SetFont(const TFont& font) {
    font_ = font;
    hasFont_ = true;
    Invalidate();
}

void SetFontFace(TControl& window, const std::string& face) {
    if (window.HasFont()) {
        TFont font = window.Font();
        font.Name = face;
        window.SetFont(font);
    }
    for (const auto& child : window.Controls())
        SetFontFace(*child, face);
}

void TControl::BringToFront() {
    widget_->raise();
}

void TControl::SendToBack() {
    widget_->lower();
}

void TControl::Invalidate() {
    widget_->update();
}

void TControl::Repaint() {
    widget_->repaint();
}

void TControl::PaintBuffer() {
    const int width = widget_->width();
    const int height = widget_->height();
    if (width <= 0 || height <= 0) {
        buffer_.Clear();
        return;
    }
    if (buffer_.Width() != width || buffer_.Height() != height)
        buffer_ = Bitmap(width, height);
    if (transparent_ && parent_) {
        // The parent painted before its children; its buffer holds what lies under us.
        parent_->PaintBufferIfStale();
        const Bitmap& under = parent_->buffer_;
        const int left = widget_->x();
        const int top = widget_->y();
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                buffer_.Row(y)[x] = PixelOf(under.GetPixel(left + x, top + y));
    }
    RasterCanvas canvas(buffer_);
    Paint(canvas);
}

void TControl::PaintBufferIfStale() {
    if (buffer_.Width() != widget_->width() || buffer_.Height() != widget_->height())
        PaintBuffer();
}

Bitmap TControl::Snapshot() {
    QImage image = widget_->grab().toImage();
    // On a scaled screen the grab holds factor x factor screen pixels per pixel of ours.
    if (image.size() != widget_->size())
        image = image.scaled(widget_->size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return BitmapOf(image);
}

TPoint TControl::ClientToScreen(TPoint point) const {
    const QPoint p = widget_->mapToGlobal(QPoint(point.X, point.Y));
    return {p.x(), p.y()};
}

bool TControl::WindowActive() const {
    return widget_->isActiveWindow();
}

void TControl::Paint(Canvas&) {}

void TControl::DblClick() {
    if (OnDblClick)
        OnDblClick(*this);
}

void TControl::Click() {
    if (OnClick)
        OnClick(*this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseDown)
        OnMouseDown(*this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
    if (OnMouseMove)
        OnMouseMove(*this, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseUp)
        OnMouseUp(*this, button, shift, x, y);
}

TForm::TForm() : TControl(nullptr) {
    Widget().setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    Widget().hide();
    SetVisible(false);
}

TForm::~TForm() = default;

void TForm::SetCaption(const std::string& caption) {
    Widget().setWindowTitle(QString::fromStdString(caption));
}

void TForm::SetClientSize(int width, int height) {
    Widget().setFixedSize(std::max(0, width), std::max(0, height));
}

int TForm::ShowModal() {
    modalResult_ = 0;
    Widget().setWindowModality(Qt::ApplicationModal);
    Show();
    // The result is set by some event's handler (a click, a timer, a posted message), after which
    // processEvents returns and the condition is checked again.
    QEventLoop loop;
    while (modalResult_ == 0 && Widget().isVisible())
        loop.processEvents(QEventLoop::WaitForMoreEvents);
    if (modalResult_ == 0)
        modalResult_ = 2;
    Hide();
    Widget().setWindowModality(Qt::NonModal);
    return modalResult_;
}

void TForm::Activate() {
    Widget().raise();
    Widget().activateWindow();
}

void TForm::SetModalResult(int result) {
    modalResult_ = result;
}

bool TForm::Close() {
    if (!Widget().close())
        return false;
    SetVisible(false);
    return true;
}

bool TForm::Minimized() const {
    return Widget().isMinimized();
}

void TForm::DoShow() {
    if (OnShow)
        OnShow(*this);
}

void TForm::DoHide() {
    if (OnHide)
        OnHide(*this);
}

void TForm::Activated() {
    if (OnActivate)
        OnActivate(*this);
}

void TForm::Deactivated() {
    if (OnDeactivate)
        OnDeactivate(*this);
}

void TForm::CloseQuery(bool& canClose) {
    if (OnCloseQuery)
        OnCloseQuery(*this, canClose);
}

void TForm::DoClose() {
    if (OnClose)
        OnClose(*this);
}

void TForm::SetHintsEnabled(bool enabled) {
    hintsEnabled_ = enabled;
    if (enabled)
        return;
    ApplicationHints().MouseLeft(Platform::Current().TickCount());
    RunGuarded(UpdateHintWindow);
}

TForm* FormOf(TControl& control) {
    TControl* top = &control;
    while (top->Parent())
        top = top->Parent();
    return dynamic_cast<TForm*>(top);
}

void TForm::StartWindowMove() {
    if (QWindow* window = Widget().windowHandle(); window && window->startSystemMove())
        return;
    WindowMover::Instance().Start(Widget(), WindowMover::PointerNow());
}

void TForm::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TControl::MouseDown(button, shift, x, y);
    if (!DragMovesWindow || button != TMouseButton::Left)
        return;
    StartWindowMove();
}

} // namespace plat
