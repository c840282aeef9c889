#pragma once
// "Aircraft Type": the type editor, nine tab pages of one template shown one at a time ("Info",
// "Weights", "C of G", "% MAC", "Stations", "Fuel Tanks", "Fuel Quantities", "Start up",
// "Performance"). It works on a copy of the type: tanks and custom fuel quantities are changed
// on the copy through their own dialogs, everything else is read from the pages on OK, which
// runs ReadAircraftTypeEntry and brings the page of the first failure to the front. The opener
// stores Result().

#include "core/weight-balance/AircraftType.h"
#include "resource.h"
#include "ui/framework/CalcDialog.h"
#include "ui/framework/DialogPages.h"

class AircraftStore;
class QListWidget;
struct AircraftTypeEntry;

class CAircraftTypeDlg : public CCalcDialog {
    Q_OBJECT
public:
    static constexpr LayoutTriple kTemplates{IDD_AIRCRAFT_TYPE_P, IDD_AIRCRAFT_TYPE_L,
                                             IDD_AIRCRAFT_TYPE_S};
    static constexpr int kPageMarkers[] = {
        IDC_TYPE_INFO_PAGE,       IDC_TYPE_WEIGHTS_PAGE,  IDC_TYPE_CG_PAGE,
        IDC_TYPE_MAC_PAGE,        IDC_TYPE_STATIONS_PAGE, IDC_TYPE_TANKS_PAGE,
        IDC_TYPE_QUANTITIES_PAGE, IDC_TYPE_STARTUP_PAGE,  IDC_TYPE_PERFORMANCE_PAGE};

    // `type` is copied; `nameAtOpening` is "" for a new or copied type. The store is only read.
    CAircraftTypeDlg(const AircraftType& type, QString nameAtOpening, const AircraftStore& store,
                     QWidget* parent = nullptr);

    const AircraftType& Result() const { return type_; }
    // The type as edited so far (tanks and fuel quantities), before OK reads the pages.
    const AircraftType& Working() const { return type_; }

    int CurrentPage() const { return pages_.Current(); }
    void ShowPage(int page);
    // Help: the topic "AircraftType" followed by the page's index.
    void OpenContextHelp() override;

    // The tank and fuel quantity lists' commands (the selected row for Edit and Delete).
    void OnAddTank();
    void OnEditTank();
    void OnDeleteTank();
    void OnAddQuantity();
    void OnEditQuantity();
    void OnDeleteQuantity();
    // The C of G page's "Graph": the envelope as typed, drawn without the options menu.
    void OnGraph();

protected:
    QWidget* CreateControl(const ControlTemplate& control) override;
    bool OnInitDialog() override;
    void OnOK() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void SetUpCombos(const AircraftTypeEntry& entry);
    void SetUpGrids(const AircraftTypeEntry& entry);
    void BindButtons();
    AircraftTypeEntry ReadPages() const;
    TypeFlags FlagsShown() const;
    void ShowUnits();
    void EnableMacFields();
    void FillTanks(int selected);
    void FillStartup(const QList<QString>& texts);
    QList<QString> StartupTexts() const;
    void FillQuantities(int selected);
    int SelectedRow(int listId) const;

    AircraftType type_;
    QString nameAtOpening_;
    const AircraftStore& store_;
    CDialogPages pages_;
};
