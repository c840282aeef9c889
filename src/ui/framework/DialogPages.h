#pragma once
// Tab pages of a dialog laid out as one template: a page is the controls after its marker frame
// up to the next marker (the last page: up to the tab strip). The pages are moved as blocks onto
// the page area frame, and one page is shown at a time; the controls of the other pages are
// hidden and disabled. The tab strip's pages are added here; the dialog connects its changes.

#include <QList>
#include <QStringList>

class CTemplateWindow;
class QTabBar;
class QWidget;

class CDialogPages {
public:
    // The ids of the page area frame, the page markers in page order and the tab strip.
    CDialogPages(const CTemplateWindow& window, int areaId, QList<int> markerIds, int tabsId);

    QTabBar* Tabs() const;
    int Count() const { return static_cast<int>(markers_.size()); }
    int Current() const;
    // Adds the page titles to the tab strip in a compact style and selects `initial`.
    void AddTabs(const QStringList& titles, int initial);
    // Shows one page and hides the others.
    void Show(int page);
    // Moves every page onto the page area (after creation and after each re-layout).
    void MoveOntoArea();
    QList<QWidget*> Controls(int page) const;

private:
    int IndexOf(int id) const;

    const CTemplateWindow& window_;
    int areaId_;
    QList<int> markers_;
    int tabsId_;
};
