// TRtfPaintScrollBar lets the skinned painted scroll bar serve as the rich-text view's external
// scroll bar, the way the help window attaches it. It lives here because the rich-text library
// builds on the skinned controls, never the other way round.
#pragma once

#include "designer/controls/PaintScrollBar.h"
#include "designer/richtext/Rtfview.h"

#include <functional>
#include <utility>

class TRtfPaintScrollBar : public IRtfScrollBar {
public:
    // The bar is not owned and must outlive the adapter's use.
    explicit TRtfPaintScrollBar(TPaintScrollBar& bar) : bar_(bar) {}

    void SetLargeChange(int step) override { bar_.SetLargeChange(step); }
    void SetMin(int value) override { bar_.SetMin(value); }
    void SetMax(int value) override { bar_.SetMax(value); }
    void SetPosition(int value) override { bar_.SetPosition(value); }
    int Position() const override { return bar_.Position(); }
    void SetOnChange(std::function<void()> handler) override { bar_.SetOnChange(std::move(handler)); }

private:
    TPaintScrollBar& bar_;
};
