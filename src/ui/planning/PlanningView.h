#pragma once
// The Flight Planning view: a route of identifiers becomes a table of legs (distance, magnetic
// track and heading, ground speed, time, fuel so far, elapsed time) with totals, for one wind and
// the chosen aircraft type's TAS and fuel burn. Its inputs are kept in the "Plan.*" settings
// (written after every successful recompute and when the view goes) and in .fp files through
// the File menu, which also exchanges the route with other programs' .fpl and GPX files. The view
// borrows the document's fleet, navigation data and waypoints (an import adds to the waypoints).

#include "core/calculators/DistanceTrack.h"
#include "core/planning/PlanInputs.h"
#include "core/planning/PlanLeg.h"
#include "core/weight-balance/AircraftType.h"
#include "resource.h"
#include "ui/framework/CommandTable.h"
#include "ui/framework/CustomFormView.h"
#include "ui/framework/Platform.h"

class CRouteMenu;
class CTrevallionDoc;
class QTreeWidget;

class CPlanningView : public CCustomFormView {
    Q_OBJECT
public:
    static constexpr LayoutTriple kTemplates{IDD_PLANNING_VIEW_P, IDD_PLANNING_VIEW_L,
                                             IDD_PLANNING_VIEW_S};

    // File save, open, export and import and Calc, Distance/Track... (with the plan buttons) are
    // in `commands` while the view lives.
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
    // Writes the plan as shown as an .fpl file or a GPX route (by the name's extension, ".fpl"
    // added to a name without one); false after the message when it is empty or not written.
    bool ExportPlan(const QString& path);
    // Takes the route of an .fpl or GPX file as if it had been typed (the places it names as it
    // names them), after asking before it adds user waypoints. False when the file is refused,
    // the question answered No or the waypoints not added; the plan is unchanged then.
    bool ImportPlan(const QString& path);

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
    enum class FileChoice { Open, Save };
    QString ChooseFile(const FileDialogRequest& request, FileChoice choice);
    void OpenWithDialog();
    void SaveWithDialog();
    void ExportWithDialog();
    void ImportWithDialog();
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
