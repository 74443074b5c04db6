// A canvas that passes every call on to another canvas, handing it this canvas's pen, brush, font,
// modes and pen position first. The Printer object gives callers one such canvas for its whole
// life while the canvas behind it changes (a measuring canvas between documents, the job's page
// canvas during one), so pen, brush and font set before BeginDoc carry into the document. The
// recording printer uses the Forwarded hook to log what was drawn.
#pragma once

#include "platform/graphics/Canvas.h"

#include <string>
#include <vector>

namespace plat {

// One drawing call as a canvas received it, with the state it was drawn with.
struct CanvasCall {
    enum class Kind {
        LineTo,
        SetPixel,
        Rectangle,
        Ellipse,
        Arc,
        FillRect,
        FloodFill,
        TextOut,
        Draw,
        StretchDraw,
        CopyRect
    };
    Kind What = Kind::LineTo;
    // Coordinates in call order: LineTo x0 y0 x y (from the pen position); SetPixel x y;
    // Rectangle/Ellipse x1 y1 x2 y2; Arc the eight points; FillRect l t r b; FloodFill x y;
    // TextOut x y; Draw x y; StretchDraw l t r b; CopyRect dest l t r b, source l t r b.
    std::vector<int> Args;
    std::string Text;       // TextOut's text (cp1251)
    TColor Color = clBlack; // SetPixel and FloodFill colour
    int BitmapWidth = 0;    // size of the bitmap of Draw, StretchDraw and CopyRect
    int BitmapHeight = 0;
    RasterOp Op = RasterOp::SrcCopy; // CopyRect's operation, CopyMode for Draw and StretchDraw
    TPen Pen;
    TBrush Brush;
    TFont Font;
    BkMode BackgroundMode = BkMode::Opaque;
    TColor BackgroundColor = clWhite;
};

class ForwardingCanvas : public Canvas {
  public:
    explicit ForwardingCanvas(Canvas* target = nullptr) : target_(target) {}

    // Without a target the canvas measures nothing (0) and draws nothing.
    void SetTarget(Canvas* target) { target_ = target; }
    Canvas* Target() const { return target_; }

    int Width() const override;
    int Height() const override;
    int PixelsPerInchX() const override;
    int PixelsPerInchY() const override;
    int BitsPerPixel() const override;

    void LineTo(int x, int y) override;
    void SetPixel(int x, int y, TColor color) override;
    TColor GetPixel(int x, int y) const override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
    void FillRect(const TRect& rect) override;
    void FloodFill(int x, int y, TColor color, FillStyle style) override;

    void TextOut(int x, int y, std::string_view text) override;
    int TextWidth(std::string_view text) override;
    int TextHeight(std::string_view text) override;

    void Draw(int x, int y, const Bitmap& bitmap) override;
    void StretchDraw(const TRect& dest, const Bitmap& bitmap) override;
    void CopyRect(const TRect& dest, const Bitmap& source, const TRect& sourceRect, RasterOp op) override;

  protected:
    // Called for every drawing call before it is passed on (also without a target).
    virtual void Forwarded(const CanvasCall& call) {}

  private:
    // The target with this canvas's state copied into it; null without a target.
    Canvas* Synced();
    CanvasCall Call(CanvasCall::Kind what, std::vector<int> args) const;

    Canvas* target_;
};

} // namespace plat
