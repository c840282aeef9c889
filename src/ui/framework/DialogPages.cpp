#include "ui/framework/DialogPages.h"

#include "ui/framework/ColourScheme.h"
#include "ui/framework/TemplateWindow.h"

#include <QTabBar>
#include <QWidget>

CDialogPages::CDialogPages(const CTemplateWindow& window, int areaId, QList<int> markerIds,
                           int tabsId)
    : window_(window), areaId_(areaId), markers_(std::move(markerIds)), tabsId_(tabsId) {}

QTabBar* CDialogPages::Tabs() const {
    return window_.Item<QTabBar>(tabsId_);
}

int CDialogPages::Current() const {
    return Tabs() ? Tabs()->currentIndex() : 0;
}

int CDialogPages::IndexOf(int id) const {
    return static_cast<int>(window_.ControlsInOrder().indexOf(window_.GetDlgItem(id)));
}

QList<QWidget*> CDialogPages::Controls(int page) const {
    const int first = IndexOf(markers_[page]) + 1;
    const int end = page + 1 < Count() ? IndexOf(markers_[page + 1]) : IndexOf(tabsId_);
    return window_.ControlsInOrder().mid(first, end - first);
}

void CDialogPages::AddTabs(const QStringList& titles, int initial) {
    QTabBar* tabs = Tabs();
    SetSchemeStyleSheet(tabs, SchemeSheet::TabBar);
    for (const QString& title : titles)
        tabs->addTab(title);
    tabs->setCurrentIndex(initial);
}

void CDialogPages::Show(int page) {
    const QList<QWidget*>& controls = window_.ControlsInOrder();
    const int end = IndexOf(tabsId_);
    for (int i = IndexOf(areaId_); i < end; ++i) {
        controls[i]->hide();
        controls[i]->setEnabled(false);
    }
    for (QWidget* control : Controls(page)) {
        control->show();
        control->setEnabled(true);
    }
}

void CDialogPages::MoveOntoArea() {
    const QPoint area = window_.GetDlgItem(areaId_)->pos();
    for (int page = 0; page < Count(); ++page) {
        QWidget* marker = window_.GetDlgItem(markers_[page]);
        const QPoint shift = area - marker->pos();
        if (shift.isNull())
            continue;
        marker->move(area);
        for (QWidget* control : Controls(page))
            control->move(control->pos() + shift);
    }
}
