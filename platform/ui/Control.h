// Controls and windows of the windowing layer. A TControl is a Qt widget underneath (hidden from
// this header); it owns the controls made on it and frees them with itself. It paints through our
// Canvas into a back buffer that goes on screen in one copy; a transparent control starts from the
// pixels its parent painted under it. Mouse and keyboard handlers run under the error guard. A
// TForm is a top-level window without a system frame, of fixed size, moved by dragging its surface;
// every way of closing it (Close, the window manager's close, Alt+F4) asks its close query first.
#pragma once

#include "platform/core/ScreenCursor.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Geometry.h"
#include "platform/ui/Keys.h"

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace plat {

enum class TMouseButton { Left, Right, Middle };
// Modifier and button state of a mouse event.
struct TShiftState {
    bool Shift = false;
    bool Ctrl = false;
    bool Alt = false;
    bool Left = false;
    bool Right = false;
};

class ControlWidget;
class TPopupMenu;

class TControl {
public:
    // A control on `parent` (null for a top-level window). Make controls with Make<T>() so that
    // their parent owns them.
    explicit TControl(TControl* parent);
    virtual ~TControl();
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;

    template <class T, class... Args> T& Make(Args&&... args) {
        auto child = std::make_unique<T>(this, std::forward<Args>(args)...);
        T& ref = *child;
        owned_.push_back(std::move(child));
        return ref;
    }
    // Frees an owned control now (it disappears from the screen).
    void Free(TControl& child);
    TControl* Parent() const { return parent_; }
    const std::vector<std::unique_ptr<TControl>>& Controls() const { return owned_; }

    TRect BoundsRect() const;
    void SetBounds(int left, int top, int width, int height);
    int Left() const { return BoundsRect().Left; }
    int Top() const { return BoundsRect().Top; }
    int Width() const { return BoundsRect().Width(); }
    int Height() const { return BoundsRect().Height(); }

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    const std::string& Hint() const { return hint_; }
    void SetHint(std::string hint) { hint_ = std::move(hint); }
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool show) { showHint_ = show; }

    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor);

    // When set, the back buffer starts with the parent's pixels under this control.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent) { transparent_ = transparent; }

    // The control's font; controls without text have none.
    bool HasFont() const { return hasFont_; }
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& font);

    // Pop-up menu shown on a right click (not owned; must outlive the control).
    TPopupMenu* PopupMenu = nullptr;

    void BringToFront();
    void SendToBack();
    // Asks for a repaint after the current event; Repaint() paints now.
    void Invalidate();
    void Repaint();

    // What the control shows right now (its own paint over its parent's where transparent), with
    // its children; for tests and screenshots.
    Bitmap Snapshot();
    // The control's own back buffer after its last paint.
    const Bitmap& BackBuffer() const { return buffer_; }

    // Screen position of a point of this control.
    TPoint ClientToScreen(TPoint point) const;
    // Whether the top-level window holding this control is the active one.
    bool WindowActive() const;

    // Handlers a control overrides; the On* callbacks run after them.
    virtual void Paint(Canvas& canvas);
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseEnter() {}
    virtual void MouseLeave() {}
    virtual void Resized() {}
    // The second press of a double click, after its MouseDown.
    virtual void DblClick();
    // Raises OnClick, as a left release over the control does: the program's own click. Not
    // virtual: controls with a click of their own meaning keep their own Click.
    void Click();

    // Keyboard: the control with the focus gets the keys (a window without a focused control gets
    // them itself; a window with KeyPreview sees them before its control). A handler that sets
    // `key` to 0 consumes it: no KeyPress follows a consumed KeyDown. KeyPress gets the typed
    // character in cp1251.
    virtual void KeyDown(TKey& key, TShiftState shift);
    virtual void KeyUp(TKey& key, TShiftState shift);
    virtual void KeyPress(char& key);
    void SetFocus();
    bool Focused() const;

    std::function<void(TControl&, TMouseButton, TShiftState, int, int)> OnMouseDown;
    std::function<void(TControl&, TShiftState, int, int)> OnMouseMove;
    std::function<void(TControl&, TMouseButton, TShiftState, int, int)> OnMouseUp;
    std::function<void(TControl&)> OnClick;
    std::function<void(TControl&)> OnDblClick;
    std::function<void(TControl&, TKey&, TShiftState)> OnKeyDown;
    std::function<void(TControl&, TKey&, TShiftState)> OnKeyUp;
    std::function<void(TControl&, char&)> OnKeyPress;
    // Where this control's hint appears: called with the mouse in control coordinates and
    // `screen` set to the mouse's screen position, which the handler may move.
    std::function<void(TControl&, int x, int y, TPoint& screen)> OnHintPosition;

    ControlWidget& Widget() const { return *widget_; }

private:
    friend class ControlWidget;
    class TPopupMenu;
    void PaintBuffer();
    void PaintBufferIfStale();

    TControl* parent_;
    std::vector<std::unique_ptr<TControl>> owned_;
    ControlWidget* widget_; // deleted by our destructor, after the owned controls
    Bitmap buffer_;
    std::string hint_;
    TCursor cursor_ = crDefault;
    bool visible_ = true;
    bool enabled_ = true;
    bool showHint_ = false;
    bool transparent_ = false;
    bool hasFont_ = false;
    TFont font_;
};

// A top-level window: no system frame, fixed size, moved by dragging its surface.
class TForm : public TControl {
public:
    TForm();
    ~TForm() override;

    void SetCaption(const std::string& caption);
    // Sets the fixed client size.
    void SetClientSize(int width, int height);

    // Brings the window to the front and makes it the active one.
    void Activate();
    // Shows the window and runs the event loop until ModalResult becomes non-zero; returns it.
    int ShowModal();
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result);
    // Closes the window unless its close query refuses; returns whether it closed.
    bool Close();
    // Whether the window is minimised (MinimizeApplication).
    bool Minimized() const;

    // Events of the window. OnShow and OnHide follow the program's showing and hiding (not a
    // minimise); OnActivate and OnDeactivate follow the window manager's active window. Every
    // close asks OnCloseQuery first; OnClose follows a close that went through.
    virtual void DoShow();
    virtual void DoHide();
    virtual void Activated();
    virtual void Deactivated();
    virtual void CloseQuery(bool& canClose);
    virtual void DoClose();
    std::function<void(TForm&)> OnShow;
    std::function<void(TForm&)> OnHide;
    std::function<void(TForm&)> OnActivate;
    std::function<void(TForm&)> OnDeactivate;
    std::function<void(TForm&, bool& canClose)> OnCloseQuery;
    std::function<void(TForm&)> OnClose;
    // Keys go to the window's own KeyDown/KeyPress before the focused control's.
    bool KeyPreview = false;

    // Hints of this window's controls; turning them off hides the hint on screen.
    bool HintsEnabled() const { return hintsEnabled_; }
    void SetHintsEnabled(bool enabled);

    // Starts moving the window with the mouse while the left button stays down (the platform's
    // own move where it has one). Call it from a press handler of the window or of any control on
    // it: the window then follows the pointer wherever it goes, not only over the window.
    void StartWindowMove();
    // Whether a press on the surface (not on a child) moves the window; on by default.
    bool DragMovesWindow = true;

    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    int modalResult_ = 0;
    bool hintsEnabled_ = true;
};

// The window that holds `control` (itself for a window); null when it is not on a TForm.
TForm* FormOf(TControl& control);

// Sets the face of `window`'s font and of every control under it that has a font.
void SetFontFace(TControl& window, const std::string& face);

} // namespace plat
