#pragma once
// The Flight Planning view: a route of identifiers becomes a table of legs (distance, magnetic
// track and heading, ground speed, time, fuel so far, elapsed time) with totals, for one wind and
// the chosen aircraft type's TAS and fuel burn. Its inputs are kept in the "Plan.*" settings
// (written after every successful recompute and when the view goes) and in .fp files through
// the File menu. The view borrows the document's fleet, navigation data and waypoints.

#include "core/calculators/DistanceTrack.h"
#include "core/planning/PlanInputs.h"
#include "core/planning/PlanLeg.h"
#include "core/weight-balance/AircraftType.h"
#include "resource.h"
#include "ui/framework/CommandTable.h"
#include "ui/framework/CustomFormView.h"

class CRouteMenu;
class CTrevallionDoc;
class QTreeWidget;

class CPlanningView : public CCustomFormView {
    Q_OBJECT
public:
    static constexpr LayoutTriple kTemplates{IDD_PLANNING_VIEW_P, IDD_PLANNING_VIEW_L,
                                             IDD_PLANNING_VIEW_S};

    // File save and open and Calc, Distance/Track... (with the plan buttons) are in `commands`
    // while the view lives.
    CPlanningView(CTrevallionDoc& document, CCommandTable& commands, QWidget* parent = nullptr);
    ~CPlanningView() override;

    // "Calc": checks the wind, computes and draws the plan; false (after its message) when it
    // stopped.
    bool Recompute();
    // The inputs as the fields hold them (the aircraft is the chosen type's name).
    PlanInputs Inputs() const;
    const FlightPlan& Plan() const { return plan_; }

    // "Create new flight plan" from Distance & Track: the route becomes From and To.
    void CreatePlan(const QString& from, const QString& to);
    // "Add "To" to flight plan": the destination is appended to the route.
    void AddDestination(const QString& to);

    // Reads a .fp file into the fields and recomputes; false (after its message) when it cannot
    // be read or names a type the fleet lacks, and then nothing changes.
    bool OpenPlan(const QString& path);
    bool SavePlan(const QString& path);

    // A command of the route's pop-up menu.
    void OnRouteCommand(int commandId);

protected:
    QWidget* CreateControl(const ControlTemplate& control) override;
    void OnInitialUpdate() override;
    void Relayout() override;

private:
    void RunDistanceTrack();
    void SetUpFields();
    void FillAircraftCombo();
    void OnAircraftChosen(int index);
    bool SelectType(const AircraftType* type);
    void SetInputs(const PlanInputs& inputs);
    void DrawPlan();
    void AppendIdent(const QString& ident);
    void OnSearch();
    CRouteMenu MakeRouteMenu() const;
    void OpenWithDialog();
    void SaveWithDialog();
    QTreeWidget* Table() const;

    CTrevallionDoc& document_;
    AircraftType type_; // a copy of the chosen type: its TAS and fuel burn
    FlightPlan plan_;
    // The places picked from searches for the route, used as picked while it names them.
    QVector<PlacePick> picks_;
    bool filling_ = false; // the aircraft box being filled: its changes are no choices
    CCommandTable& commands_;
    CCommandTable::Layer ownCommands_;
};
