#pragma once
// The weight and balance view: the pilot chooses a type and an aircraft, enters the load on each
// station and the fuel of each tank, and sees at once whether the loading is within limits (the
// status text, the summary box, the details and the CG graph). The working state is a
// LoadingSession on the document's fleet; the fleet itself is never changed here.
//
// The loading is kept in weight.txt (see WeightFileKeeper); the File menu saves and opens it as
// .wb files.

#include "core/weight-balance/LoadingSession.h"
#include "core/weight-balance/WeightFileKeeper.h"
#include "resource.h"
#include "ui/framework/CommandTable.h"
#include "ui/framework/CustomFormView.h"
#include "ui/weight-balance/CgGraph.h"

class CEditGrid;
class CTrevallionDoc;
class QPainter;

class CWeightBalanceView : public CCustomFormView {
    Q_OBJECT
public:
    static constexpr LayoutTriple kTemplates{IDD_WEIGHT_BALANCE_P, IDD_WEIGHT_BALANCE_L,
                                             IDD_WEIGHT_BALANCE_S};
    // The longest text the keypad builds in a cell.
    static constexpr int kMaxKeypadCharacters = 8;
    enum Tab { kLoadingTab, kFuelTab, kDetailsTab, kGraphTab };

    // The view's commands (File save and open, Edit, Aircraft..., the Graph menu) are in
    // `commands` while it lives.
    CWeightBalanceView(CTrevallionDoc& document, CCommandTable& commands,
                       QWidget* parent = nullptr);
    ~CWeightBalanceView() override;

    const LoadingSession& Session() const { return session_; }
    void ShowTab(int tab);
    // The fleet was edited (the Aircraft List): the loading follows the store's records.
    void FleetChanged();

protected:
    QWidget* CreateControl(const ControlTemplate& control) override;
    void OnInitialUpdate() override;
    void Relayout() override;
    // The colours changed (day or night): the status text takes the new ones.
    void changeEvent(QEvent* event) override;

private:
    void SetUpControls();
    void SetUpGrids();
    void Connect();
    void Refresh();
    void FillTypeCombo();
    void FillAircraftCombo();
    void FillStations();
    void FillTanks();
    void FillFuelCombo();
    void ShowOutcome();
    void ShowStatusColour();
    void PaintSummary(QPainter& painter, const QRect& rect) const;

    void OnTypeChosen(int index);
    void OnAircraftChosen(int index);
    void OnFuelChosen(int index);
    void OnCellChanged(CEditGrid* grid, int row, int column, const QString& text);
    void OnKey(int id);
    void OnAircraftButton();
    void OnDetails();
    void OnGraph();
    void SaveLoading();
    void OpenLoading();
    QList<Command> OwnCommands();

    void SaveWeightFile(bool showFailure);
    bool IsSquare() const;

    CTrevallionDoc& document_;
    LoadingSession session_;
    CCgGraph graph_;
    bool filling_ = false; // combo boxes being filled: their changes are no choices
    WeightFileKeeper weightFile_;
    CCommandTable::Layer ownCommands_;
};
