#include "platform/ui/PageControl.h"

#include "platform/ui/Application.h"
#include "platform/ui/StdWidget.h"

#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>

namespace plat {

TTabSheet::TTabSheet(TControl* parent, const std::string& caption) : TControl(parent), Caption(caption) {}

void TTabSheet::Paint(Canvas& canvas) {
    canvas.Brush.Color = ButtonFaceColor();
    canvas.FillRect(Rect(0, 0, Width(), Height()));
}

TPageControl::TPageControl(TControl* parent, bool tabs) : TStdControl(parent) {
    auto* widget = new QTabWidget;
    widget->setDocumentMode(!tabs);
    widget->tabBar()->setVisible(tabs);
    widget->setUsesScrollButtons(true);
    QObject::connect(widget, &QTabWidget::currentChanged, widget, [this] {
        if (OnChange)
            RunGuarded([this] { OnChange(*this); });
    });
    HostWidget(*this, widget);
}

TTabSheet& TPageControl::AddPage(const std::string& caption) {
    auto& widget = InnerOf<QTabWidget>(*this);
    // The page is ours (owned by this control); Qt only holds it in its stack. Adding the first
    // page makes it current, which is no change the program asked about.
    TTabSheet& page = Make<TTabSheet>(caption);
    const QSignalBlocker quiet(widget);
    widget.addTab(&page.Widget(), QtText(caption));
    pages_.push_back(&page);
    return page;
}

int TPageControl::ActivePageIndex() const {
    return InnerOf<QTabWidget>(*this).currentIndex();
}

void TPageControl::SetActivePageIndex(int index) {
    InnerOf<QTabWidget>(*this).setCurrentIndex(index);
}

void TPageControl::SetMultiLine(bool multiLine) {
    // Qt's tab bar keeps one row; tabs that do not fit are reached by its scroll buttons, never cut.
    auto& widget = InnerOf<QTabWidget>(*this);
    widget.setUsesScrollButtons(true);
    widget.tabBar()->setExpanding(!multiLine);
}

} // namespace plat
