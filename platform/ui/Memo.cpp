#include "platform/ui/Memo.h"

#include "platform/ui/Application.h"
#include "platform/ui/StdWidget.h"

#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScrollBar>
#include <algorithm>

namespace plat {

namespace {

std::string JoinCrLf(const std::vector<std::string>& lines) {
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i)
            text += "\r\n";
        text += lines[i];
    }
    return text;
}

} // namespace

TMemo::TMemo(TControl* parent) : TStdControl(parent) {
    auto* edit = new QPlainTextEdit;
    QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [this, edit] {
        // Only the user's edits; SetText and SetLines fill the memo while it is blocked.
        if (OnChange && !edit->signalsBlocked())
            RunGuarded([this] { OnChange(*this); });
    });
    HostWidget(*this, edit);
}

std::string TMemo::Text() const {
    return JoinCrLf(Lines());
}

void TMemo::SetText(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
        if (start == text.size())
            break;
    }
    SetLines(lines);
}

std::vector<std::string> TMemo::Lines() const {
    const QString all = InnerOf<QPlainTextEdit>(*this).toPlainText();
    std::vector<std::string> lines;
    if (all.isEmpty())
        return lines;
    for (const QString& line : all.split(QChar('\n')))
        lines.push_back(SystemText(line));
    return lines;
}

void TMemo::SetLines(const std::vector<std::string>& lines) {
    auto& edit = InnerOf<QPlainTextEdit>(*this);
    const QSignalBlocker quiet(edit);
    edit.setPlainText(QtText(JoinCrLf(lines)).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void TMemo::AppendLines(const std::vector<std::string>& lines) {
    std::vector<std::string> all = Lines();
    all.insert(all.end(), lines.begin(), lines.end());
    SetLines(all);
}

void TMemo::SetReadOnly(bool readOnly) {
    InnerOf<QPlainTextEdit>(*this).setReadOnly(readOnly);
}

void TMemo::SetWordWrap(bool wrap) {
    InnerOf<QPlainTextEdit>(*this).setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth
                                                        : QPlainTextEdit::NoWrap);
}

void TMemo::SetScrollBars(TScrollStyle style) {
    auto& edit = InnerOf<QPlainTextEdit>(*this);
    edit.setVerticalScrollBarPolicy(style == TScrollStyle::None ? Qt::ScrollBarAlwaysOff
                                                                : Qt::ScrollBarAlwaysOn);
    edit.setHorizontalScrollBarPolicy(style == TScrollStyle::Both ? Qt::ScrollBarAlwaysOn
                                                                  : Qt::ScrollBarAlwaysOff);
}

void TMemo::SetFlat(bool flat) {
    auto& edit = InnerOf<QPlainTextEdit>(*this);
    edit.setFrameShape(flat ? QFrame::NoFrame : QFrame::StyledPanel);
    QPalette palette = edit.palette();
    palette.setColor(QPalette::Base, flat ? palette.color(QPalette::Button)
                                          : QPalette().color(QPalette::Base));
    edit.setPalette(palette);
}

TProgressBar::TProgressBar(TControl* parent) : TStdControl(parent) {
    auto* bar = new QProgressBar;
    bar->setTextVisible(false);
    HostWidget(*this, bar);
    Update();
}

void TProgressBar::SetRange(int64_t min, int64_t max) {
    min_ = min;
    max_ = std::max(min, max);
    Update();
}

void TProgressBar::SetPosition(int64_t position) {
    position_ = std::clamp(position, min_, max_);
    Update();
}

void TProgressBar::Update() {
    // Qt's bar counts in int; the range is scaled to thousandths so KB totals of any size fit.
    auto& bar = InnerOf<QProgressBar>(*this);
    const int64_t span = max_ - min_;
    bar.setRange(0, 1000);
    bar.setValue(span > 0 ? static_cast<int>((position_ - min_) * 1000 / span) : 0);
}

} // namespace plat
