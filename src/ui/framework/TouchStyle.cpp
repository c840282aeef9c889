#include "ui/framework/TouchStyle.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QStyleOptionMenuItem>

#include <algorithm>

namespace {

// A list shown as a pop-up: the drop-down of a combo box.
bool IsPopupList(const QWidget* widget) {
    return widget && qobject_cast<const QAbstractItemView*>(widget) &&
           widget->window()->windowType() == Qt::Popup;
}

} // namespace

int CTouchStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                             const QWidget* widget) const {
    const int base = QProxyStyle::pixelMetric(metric, option, widget);
    if (metric == PM_ScrollBarExtent)
        return std::max(base, kMinScrollBarWidth);
    return base;
}

QSize CTouchStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                    const QSize& size, const QWidget* widget) const {
    QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
    if (type == CT_MenuItem) {
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (item && item->menuItemType != QStyleOptionMenuItem::Separator)
            result.setHeight(std::max(result.height(), kMinRowHeight));
    } else if (type == CT_ItemViewItem && IsPopupList(widget)) {
        result.setHeight(std::max(result.height(), kMinRowHeight));
    }
    return result;
}

int CTouchStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                           QStyleHintReturn* returnData) const {
    // The square screen's Calc menu is taller than the screen: in columns its second one ran
    // off the right edge.
    if (hint == SH_Menu_Scrollable)
        return 1;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void InstallTouchStyle(QApplication& application) {
    if (dynamic_cast<CTouchStyle*>(QApplication::style()))
        return;
    application.setStyle(new CTouchStyle(QApplication::style()->name()));
}
