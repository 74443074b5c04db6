// A multi-line text, and a progress bar.
#pragma once

#include "platform/ui/StdControl.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace plat {

enum class TScrollStyle { None, Vertical, Both };

class TMemo : public TStdControl {
public:
    explicit TMemo(TControl* parent);
    // Lines joined with CR LF.
    std::string Text() const;
    void SetText(const std::string& text);
    std::vector<std::string> Lines() const;
    void SetLines(const std::vector<std::string>& lines);
    // Appends lines at the end, the display updated once.
    void AppendLines(const std::vector<std::string>& lines);
    void SetReadOnly(bool readOnly);
    void SetWordWrap(bool wrap);
    void SetScrollBars(TScrollStyle style);
    // No frame, the surface in the window's button colour: a memo that reads as a label.
    void SetFlat(bool flat);
    std::function<void(TMemo&)> OnChange;
};

class TProgressBar : public TStdControl {
public:
    explicit TProgressBar(TControl* parent);
    void SetRange(int64_t min, int64_t max);
    int64_t Max() const { return max_; }
    void SetPosition(int64_t position);
    int64_t Position() const { return position_; }

private:
    void Update();
    int64_t min_ = 0, max_ = 100, position_ = 0;
};

} // namespace plat
