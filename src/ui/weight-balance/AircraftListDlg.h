#pragma once
// "Aircraft List": the fleet as a tree, each type with its aircraft below it, all expanded, and
// the commands "New Type", "New Aircraft", "Edit" (or a double tap), "Delete" and "Copy" on the
// selected node. Each change is stored at once through the fleet's store (which saves the
// file) and is not undone by closing; a failed save is shown and the fleet stays as it was.
// After each change the tree is rebuilt with the changed node selected and shown.

#include "resource.h"
#include "ui/framework/CalcDialog.h"

class AircraftStore;
class QTreeWidgetItem;
struct Aircraft;
struct AircraftType;

class CAircraftListDlg : public CCalcDialog {
    Q_OBJECT
public:
    static constexpr LayoutTriple kTemplates{IDD_AIRCRAFT_LIST_P, IDD_AIRCRAFT_LIST_L,
                                             IDD_AIRCRAFT_LIST_S};

    // The store must outlive the dialog.
    CAircraftListDlg(AircraftStore& store, QWidget* parent = nullptr);

    void OnNewType();
    void OnNewAircraft();
    void OnEdit();
    void OnDelete();
    void OnCopy();
    // Selects the first node whose label is `label` (a type name or an aircraft ident).
    void SelectNode(const QString& label);
    // The selected node's label; "" with no selection.
    QString SelectedLabel() const;

protected:
    bool OnInitDialog() override;

private:
    void FillTree();
    // The type of the selected node (its own or its aircraft's) and the selected aircraft.
    const AircraftType* SelectedType() const;
    const Aircraft* SelectedAircraft() const;
    // The type editor or the aircraft dialog on a record; true when it ended with OK.
    bool EditType(AircraftType& type, const QString& nameAtOpening);
    bool EditAircraft(Aircraft& aircraft, const QString& identAtOpening);
    void AfterChange(const Status& stored, const QString& label);

    AircraftStore& store_;
};

class CTrevallionDoc;
class QWidget;

// Opens the "Aircraft List" on the document's fleet (the view's "Aircraft" button and Edit >
// Aircraft...).
void ShowAircraftList(CTrevallionDoc& document, QWidget* owner);
