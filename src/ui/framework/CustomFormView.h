#pragma once
// The base of the form-based full-screen views (airport directory, checklist, planning, weight
// and balance). The template is chosen when the view is created: the portrait one, the landscape
// one when the screen is exactly 320 wide, the square one on a square screen (square wins).
// The view re-lays itself out on its initial update and on every size change, paints its title
// like a dialog, and titles its message boxes with it.

#include "ui/framework/LayoutTriple.h"
#include "ui/framework/TemplateWindow.h"

#include <QWidget>

class CCustomFormView : public QWidget, public CTemplateWindow {
    Q_OBJECT
public:
    CCustomFormView(LayoutTriple templates, const QString& title, QWidget* parent = nullptr);

    const QString& ViewTitle() const { return Title(); }
    void SetViewTitle(const QString& title);

    // The main frame's one-second tick reaches the view here.
    virtual void OnTimerTick() {}
    // A dialog run from the menus has closed: what it may have changed (the preferences: the
    // local time zone, the units) is drawn again at once. The base repaints the view.
    virtual void AfterDialog() { update(); }

protected:
    // Called once the controls exist; the base re-lays the view out.
    virtual void OnInitialUpdate();
    // Re-layout after a size change; the base applies the template of the screen's shape.
    virtual void Relayout();

    bool OnControlsCreated() override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void WatchFieldsForEnter();
    // Clicks the view's default button when one is shown and enabled; false when none is.
    bool ClickDefaultButton();
};
