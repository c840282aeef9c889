#pragma once
// The tab strip of the templates (SysTabControl32). Tabs that together are wider than the strip
// give up their padding evenly, down to their text and a small margin, so that a strip of four
// timers fits a 240-pixel screen and every tab can be touched; only tabs whose texts alone do
// not fit fall back to the strip's small scroll arrows.

#include <QTabBar>

class CFittingTabBar : public QTabBar {
public:
    using QTabBar::QTabBar;

    static constexpr int kMinTextMargin = 6; // pixels kept on each side of a tab's text

protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override;

private:
    int TextWidth(int index) const;
};
