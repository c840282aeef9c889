#pragma once
// The checklist runner (View > Checklist): the pilot picks an aircraft, a tab, a group and a sub
// group; the sub group's items are listed and stepped through one by one with the large button
// or a stepping key (Space, Enter, Page Down, Right, Down, the media "next" key); at the end of a
// sub group the next one is offered. "Edit" opens the checklist editor and refills the view.
//
// The view borrows the document's checklists; it keeps no selection across view switches.

#include "resource.h"
#include "ui/framework/CustomFormView.h"

#include <QRect>

class ChecklistData;
class CTrevallionDoc;
class QComboBox;
class QTabBar;
class QTreeWidget;

class CCheckListView : public CCustomFormView {
    Q_OBJECT
public:
    static constexpr LayoutTriple kTemplates{IDD_CHECKLIST_P, IDD_CHECKLIST_L, IDD_CHECKLIST_S};

    CCheckListView(CTrevallionDoc& document, QWidget* parent = nullptr);

    // The large button's command: the next item, or the end of the sub group.
    void Step();
    // Opens the editor on the document's checklists, then refills the view.
    void OnEdit();
    // Refills from the aircraft list down, selecting the aircraft named `name` (or the first).
    void FillAircraft(const QString& name = QString());

protected:
    void OnInitialUpdate() override;
    void Relayout() override;
    QWidget* CreateControl(const ControlTemplate& control) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnAircraftChosen();
    void OnTabChosen();
    void OnGroupChosen();
    void OnSubGroupChosen();
    void OnItemSelected();
    void SelectItem(int row);
    void EnableLists(bool enabled);
    void FitStepButton();

    ChecklistData& Checklists() const;

    CTrevallionDoc& document_;
    QComboBox* aircraft_ = nullptr;
    QTabBar* tabs_ = nullptr;
    QComboBox* groups_ = nullptr;
    QComboBox* subGroups_ = nullptr;
    QTreeWidget* items_ = nullptr;
    QRect listRect_; // the list and the step button where the template puts them
    QRect stepRect_;
};
