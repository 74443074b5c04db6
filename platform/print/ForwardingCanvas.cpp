#include "platform/print/ForwardingCanvas.h"

namespace plat {

using Kind = CanvasCall::Kind;

int ForwardingCanvas::Width() const {
    return target_ ? target_->Width() : 0;
}
int ForwardingCanvas::Height() const {
    return target_ ? target_->Height() : 0;
}
int ForwardingCanvas::PixelsPerInchX() const {
    return target_ ? target_->PixelsPerInchX() : 0;
}
int ForwardingCanvas::PixelsPerInchY() const {
    return target_ ? target_->PixelsPerInchY() : 0;
}
int ForwardingCanvas::BitsPerPixel() const {
    return target_ ? target_->BitsPerPixel() : 0;
}

Canvas* ForwardingCanvas::Synced() {
    if (!target_)
        return nullptr;
    target_->Pen = Pen;
    target_->Brush = Brush;
    target_->Font = Font;
    target_->BackgroundMode = BackgroundMode;
    target_->BackgroundColor = BackgroundColor;
    target_->CopyMode = CopyMode;
    target_->MoveTo(penPos_.X, penPos_.Y);
    return target_;
}

CanvasCall ForwardingCanvas::Call(Kind what, std::vector<int> args) const {
    CanvasCall call;
    call.What = what;
    call.Args = std::move(args);
    call.Op = CopyMode;
    call.Pen = Pen;
    call.Brush = Brush;
    call.Font = Font;
    call.BackgroundMode = BackgroundMode;
    call.BackgroundColor = BackgroundColor;
    return call;
}

void ForwardingCanvas::LineTo(int x, int y) {
    Forwarded(Call(Kind::LineTo, {penPos_.X, penPos_.Y, x, y}));
    Canvas* target = Synced(); // hands over the start point
    penPos_ = {x, y};
    if (target)
        target->LineTo(x, y);
}

void ForwardingCanvas::SetPixel(int x, int y, TColor color) {
    CanvasCall call = Call(Kind::SetPixel, {x, y});
    call.Color = color;
    Forwarded(call);
    if (Canvas* target = Synced())
        target->SetPixel(x, y, color);
}

TColor ForwardingCanvas::GetPixel(int x, int y) const {
    return target_ ? target_->GetPixel(x, y) : clWhite;
}

void ForwardingCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    Forwarded(Call(Kind::Rectangle, {x1, y1, x2, y2}));
    if (Canvas* target = Synced())
        target->Rectangle(x1, y1, x2, y2);
}

void ForwardingCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    Forwarded(Call(Kind::Ellipse, {x1, y1, x2, y2}));
    if (Canvas* target = Synced())
        target->Ellipse(x1, y1, x2, y2);
}

void ForwardingCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    Forwarded(Call(Kind::Arc, {x1, y1, x2, y2, x3, y3, x4, y4}));
    if (Canvas* target = Synced())
        target->Arc(x1, y1, x2, y2, x3, y3, x4, y4);
}

void ForwardingCanvas::FillRect(const TRect& rect) {
    Forwarded(Call(Kind::FillRect, {rect.Left, rect.Top, rect.Right, rect.Bottom}));
    if (Canvas* target = Synced())
        target->FillRect(rect);
}

void ForwardingCanvas::FloodFill(int x, int y, TColor color, FillStyle style) {
    CanvasCall call = Call(Kind::FloodFill, {x, y});
    call.Color = color;
    Forwarded(call);
    if (Canvas* target = Synced())
        target->FloodFill(x, y, color, style);
}

void ForwardingCanvas::TextOut(int x, int y, std::string_view text) {
    CanvasCall call = Call(Kind::TextOut, {x, y});
    call.Text = std::string(text);
    Forwarded(call);
    if (Canvas* target = Synced())
        target->TextOut(x, y, text);
}

int ForwardingCanvas::TextWidth(std::string_view text) {
    Canvas* target = Synced();
    return target ? target->TextWidth(text) : 0;
}

int ForwardingCanvas::TextHeight(std::string_view text) {
    Canvas* target = Synced();
    return target ? target->TextHeight(text) : 0;
}

void ForwardingCanvas::Draw(int x, int y, const Bitmap& bitmap) {
    CanvasCall call = Call(Kind::Draw, {x, y});
    call.BitmapWidth = bitmap.Width();
    call.BitmapHeight = bitmap.Height();
    Forwarded(call);
    if (Canvas* target = Synced())
        target->Draw(x, y, bitmap);
}

void ForwardingCanvas::StretchDraw(const TRect& dest, const Bitmap& bitmap) {
    CanvasCall call = Call(Kind::StretchDraw, {dest.Left, dest.Top, dest.Right, dest.Bottom});
    call.BitmapWidth = bitmap.Width();
    call.BitmapHeight = bitmap.Height();
    Forwarded(call);
    if (Canvas* target = Synced())
        target->StretchDraw(dest, bitmap);
}

void ForwardingCanvas::CopyRect(const TRect& dest, const Bitmap& source, const TRect& sourceRect,
                                RasterOp op) {
    CanvasCall call = Call(Kind::CopyRect, {dest.Left, dest.Top, dest.Right, dest.Bottom, sourceRect.Left,
                                            sourceRect.Top, sourceRect.Right, sourceRect.Bottom});
    call.BitmapWidth = source.Width();
    call.BitmapHeight = source.Height();
    call.Op = op;
    Forwarded(call);
    if (Canvas* target = Synced())
        target->CopyRect(dest, source, sourceRect, op);
}

} // namespace plat
