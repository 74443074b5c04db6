// The rich-text view's behaviour as a plain class: it holds the document, lays the loaded topic
// out into lines, paints them into its back buffer, scrolls through an external scroll bar, hit-
// tests jumps, keeps the topic history, copies the topic and prints it. The on-screen control is
// a thin widget that forwards size, paint and mouse events here and copies BackBuffer to itself.
#pragma once

#include "designer/richtext/RtfDocument.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/RasterCanvas.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace plat {
class Printer;
}

// The external vertical scroll bar the view drives.
class IRtfScrollBar {
public:
    virtual ~IRtfScrollBar() = default;
    virtual void SetLargeChange(int step) = 0;
    virtual void SetMin(int value) = 0;
    virtual void SetMax(int value) = 0;
    virtual void SetPosition(int value) = 0;
    virtual int Position() const = 0;
    // The handler the bar calls when its position changes.
    virtual void SetOnChange(std::function<void()> handler) = 0;
};

// One laid-out line; it refers to elements owned by the document.
struct TRTFLine {
    std::vector<TRTFElement*> Elements;
    int Ascent = 0;
    int Descent = 0;
    int OriginX = 0;
    bool KeepNext = false;
    int Height() const { return Ascent + Descent; }
};

// The two clipboard formats of a topic.
struct TRtfClipboardData {
    std::string RichText;
    std::string PlainText;
};

class TrtfView {
public:
    using TEraseEvent = std::function<void(plat::Canvas& canvas)>;
    using TJumpEvent =
        std::function<void(const std::string& hotText, const std::string& target, bool& accept)>;
    using TJumpedEvent = std::function<void(const std::string& topic)>;
    using TPrintEvent = std::function<void(int& posX, int& posY)>;
    using TNotifyEvent = std::function<void()>;

    explicit TrtfView(int pixelsPerInch = 96);
    ~TrtfView();

    TRtfDocument Document;
    std::vector<std::unique_ptr<TRTFLine>> Lines;
    int FixedLineCount = 0;
    int ScrollLineCount = 0;
    plat::Bitmap BackBuffer;
    std::vector<std::string> History;
    int PrintMarginLeft = 20;
    int PrintMarginRight = 20;
    int PrintMarginTop = 20;
    int PrintMarginBottom = 20;

    plat::TFont Font;
    plat::TColor Color = plat::clWhite;
    plat::TColor HotColor = 0x008000;
    bool ClearIfNone = false;
    IRtfScrollBar* ScrollBar = nullptr;

    TEraseEvent OnBackground;
    TJumpEvent OnJump;
    TJumpedEvent OnJumped;
    TPrintEvent OnPrint;
    TPrintEvent OnPrinted;
    TLoadEvent OnBeforeLoad;
    TLoadEvent OnAfterLoad;
    TNotifyEvent OnNewPage;
    // Asks the widget to repaint (painting happens in Paint).
    TNotifyEvent OnInvalidate;

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Line() const { return line_; }
    plat::Canvas& ViewCanvas() { return *canvas_; }

    // False (and nothing changes) when the ".rtf" does not exist.
    bool LoadFile(const std::string& rtfName, const std::string& rtcName);
    bool LoadTopic(const std::string& topic);

    void MeasureAll(plat::Canvas& canvas);
    void LayoutLines(plat::Canvas& canvas, int width);
    void UpdateScrollBar();
    void SetLine(int n);

    // Prepares the background and draws the lines into BackBuffer.
    void Paint();
    void Resize(int width, int height);
    // True when the mouse is over a jump (the widget shows HotCursor then).
    bool MouseMove(int x, int y);
    void LeftButtonDown(int x, int y);

    bool ShowTopic(const std::string& topic);
    bool CanGoBack() const { return History.size() > 1; }
    void GoBack();
    void ShowContents();
    bool OverflowsView() const;

    // The two formats of the topic shown; empty texts when History is empty.
    TRtfClipboardData CopyToClipboard();

    void Print(plat::Printer& printer);
    int PrintAt(plat::Printer& printer, int startY);

    void ReplaceFontName(const std::string& oldName, const std::string& newName);

private:
    TRTFElement* HotElementAt(int x, int y) const;
    void DrawLine(const TRTFLine& line, int x, int y, plat::Canvas& canvas);
    void Invalidate();
    void Relayout();

    int width_ = 2;
    int height_ = 2;
    int line_ = 0;
    int pixelsPerInch_;
    std::unique_ptr<plat::RasterCanvas> canvas_;
};
