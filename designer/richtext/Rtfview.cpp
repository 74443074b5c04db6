// The view: loading, painting, scrolling, jumps, history, the clipboard copy and fonts. Layout is
// in Rtfview_Layout.cpp, printing in Rtfview_Print.cpp.
#include "designer/richtext/Rtfview.h"

#include "platform/text/Cp1251.h"

#include <algorithm>

TrtfView::TrtfView(int pixelsPerInch) : BackBuffer(2, 2), pixelsPerInch_(pixelsPerInch) {
    canvas_ = std::make_unique<plat::RasterCanvas>(BackBuffer, pixelsPerInch_);
}

TrtfView::~TrtfView() = default;

void TrtfView::Invalidate() {
    if (OnInvalidate)
        OnInvalidate();
}

bool TrtfView::LoadFile(const std::string& rtfName, const std::string& rtcName) {
    Document.ControlFont = Font;
    if (!Document.LoadFile(rtfName, rtcName))
        return false;
    Lines.clear();
    FixedLineCount = ScrollLineCount = 0;
    History.clear();
    return true;
}

bool TrtfView::LoadTopic(const std::string& topic) {
    TTopicLoadOptions options;
    options.ClearIfNone = ClearIfNone;
    options.HotColor = HotColor;
    options.PixelsPerInchX = canvas_->PixelsPerInchX();
    options.PixelsPerInchY = canvas_->PixelsPerInchY();
    options.OnBeforeLoad = OnBeforeLoad;
    options.OnAfterLoad = OnAfterLoad;
    // The lines refer to the elements the loader is about to replace.
    const bool found = std::any_of(Document.Topics.begin(), Document.Topics.end(),
                                   [&](const TTopic& t) { return t.ContextId == topic; });
    if (found || ClearIfNone) {
        Lines.clear();
        FixedLineCount = ScrollLineCount = 0;
    }
    if (!Document.LoadTopic(topic, options))
        return false;
    MeasureAll(*canvas_);
    LayoutLines(*canvas_, width_);
    UpdateScrollBar();
    Invalidate();
    return true;
}

void TrtfView::SetLine(int n) {
    if (n == line_)
        return;
    n = ScrollLineCount > 0 ? std::clamp(n, 0, ScrollLineCount - 1) : 0;
    line_ = n;
    if (ScrollBar != nullptr)
        ScrollBar->SetPosition(n);
    Invalidate();
}

void TrtfView::UpdateScrollBar() {
    if (ScrollBar == nullptr)
        return;
    ScrollBar->SetLargeChange(1);
    ScrollBar->SetMin(0);
    ScrollBar->SetMax(0);
    ScrollBar->SetOnChange([this] { SetLine(ScrollBar->Position()); });
    ScrollBar->SetPosition(0);
    int sum = 0;
    int n = 0;
    for (int i = static_cast<int>(Lines.size()) - 1; i >= FixedLineCount && sum <= height_; --i) {
        sum += Lines[i]->Height();
        ++n;
    }
    if (sum > height_)
        --n;
    if (n > 0)
        --n;
    if (ScrollLineCount <= 0)
        return;
    ScrollBar->SetMax(ScrollLineCount - 1 - n);
    int total = 0;
    for (size_t i = FixedLineCount; i < Lines.size(); ++i)
        total += Lines[i]->Height();
    ScrollBar->SetLargeChange(total / ScrollLineCount);
}

void TrtfView::DrawLine(const TRTFLine& line, int x, int y, plat::Canvas& canvas) {
    x += line.OriginX;
    for (TRTFElement* e : line.Elements) {
        e->DrawAt(x, y + line.Ascent, canvas);
        x += e->LayoutWidth;
    }
}

void TrtfView::Paint() {
    plat::Canvas& canvas = *canvas_;
    if (OnBackground) {
        OnBackground(canvas);
    } else {
        canvas.Brush.Color = Color;
        canvas.Brush.Style = plat::BrushStyle::Solid;
        canvas.FillRect(plat::Rect(0, 0, width_, height_));
        canvas.Brush.Color = plat::clWhite;
    }
    int y = 0;
    for (int i = 0; i < FixedLineCount && i < static_cast<int>(Lines.size()); ++i) {
        DrawLine(*Lines[i], 0, y, canvas);
        y += Lines[i]->Height();
    }
    if (FixedLineCount > 0) {
        canvas.MoveTo(0, y);
        canvas.LineTo(width_, y);
    }
    for (size_t i = static_cast<size_t>(line_) + FixedLineCount; i < Lines.size() && y < height_; ++i) {
        if (y + Lines[i]->Height() < height_)
            DrawLine(*Lines[i], 0, y, canvas);
        y += Lines[i]->Height();
    }
}

void TrtfView::Relayout() {
    LayoutLines(*canvas_, width_);
    UpdateScrollBar();
    Invalidate();
}

void TrtfView::Resize(int width, int height) {
    width_ = std::max(0, width);
    height_ = std::max(0, height);
    BackBuffer.SetSize(width_, height_);
    Relayout();
}

TRTFElement* TrtfView::HotElementAt(int x, int y) const {
    const auto search = [&](const TRTFLine& line) -> TRTFElement* {
        for (TRTFElement* e : line.Elements) {
            if (e->HitTest(x, y))
                return e;
        }
        return nullptr;
    };
    for (int i = 0; i < FixedLineCount && i < static_cast<int>(Lines.size()); ++i) {
        if (TRTFElement* e = search(*Lines[i]))
            return e;
    }
    int sum = 0;
    for (size_t i = static_cast<size_t>(line_) + FixedLineCount; i < Lines.size() && sum < height_; ++i) {
        if (TRTFElement* e = search(*Lines[i]))
            return e;
        sum += Lines[i]->Height();
    }
    return nullptr;
}

bool TrtfView::MouseMove(int x, int y) {
    return HotElementAt(x, y) != nullptr;
}

void TrtfView::LeftButtonDown(int x, int y) {
    TRTFElement* hot = HotElementAt(x, y);
    if (hot == nullptr)
        return;
    bool accept = true;
    const std::string target = hot->GetTopic();
    if (OnJump) {
        const std::string text = hot->Kind() == ElementKind::HotBitmap ? std::string("HOTBITMAP")
                                                                       : static_cast<TRTFText*>(hot)->Text;
        OnJump(text, target, accept);
    }
    if (accept)
        ShowTopic(target);
}

bool TrtfView::ShowTopic(const std::string& topic) {
    if (!LoadTopic(topic))
        return false;
    if (History.empty() || History.back() != topic)
        History.push_back(topic);
    if (OnJumped)
        OnJumped(topic);
    return true;
}

void TrtfView::GoBack() {
    if (!CanGoBack())
        return;
    const std::string target = History[History.size() - 2];
    if (!LoadTopic(target))
        return;
    History.pop_back();
    if (OnJumped)
        OnJumped(target);
}

void TrtfView::ShowContents() {
    if (Document.Topics.empty() || Document.Input() == nullptr)
        return;
    for (const TTopic& t : Document.Topics) {
        if (plat::UpperCase(t.ContextId) == "CONTENTS") {
            ShowTopic(t.ContextId);
            return;
        }
    }
    ShowTopic(Document.Topics.front().ContextId);
}

bool TrtfView::OverflowsView() const {
    int sum = 0;
    for (int i = 0; i < FixedLineCount && i < static_cast<int>(Lines.size()); ++i)
        sum += Lines[i]->Height();
    for (size_t i = static_cast<size_t>(line_) + FixedLineCount; i < Lines.size(); ++i)
        sum += Lines[i]->Height();
    return sum > height_;
}

void TrtfView::ReplaceFontName(const std::string& oldName, const std::string& newName) {
    for (auto& rec : Document.Fonts) {
        if (!oldName.empty() && rec->Font.Name != oldName)
            continue;
        rec->SavedName = rec->Font.Name;
        rec->Font.Name = newName;
    }
}
