#pragma once
// "Distance && Track": the great-circle distance and the true tracks both ways between two
// airports, nav aids or user waypoints of the document. Its last places live for the run (not
// in the settings); its last distance and track go to the Heading & Time calculator.
//
// The flight planning view asks for the two plan buttons and reads what was chosen:
//
//   CDistanceTrackDlg dialog(document, commands, this);
//   dialog.ShowFlightPlanButtons(true);
//   if (dialog.DoModal() == kIdOk && dialog.RequestedPlanAction() == PlanAction::AddDestination)
//       add(dialog.ToText());

#include "core/calculators/DistanceTrack.h"
#include "resource.h"
#include "ui/framework/CalcDialog.h"

class CCommandTable;
class CTrevallionDoc;

// What the dialog was closed for, besides looking: start a plan from From to To, or add To to
// the plan.
enum class PlanAction { None, CreateNewPlan, AddDestination };

class CDistanceTrackDlg : public CCalcDialog {
    Q_OBJECT
public:
    static constexpr LayoutTriple kTemplates{IDD_DISTANCE_TRACK_P, IDD_DISTANCE_TRACK_L,
                                             IDD_DISTANCE_TRACK_S};
    // The result of the "Heading && Time" button, which also posts the "Heading/Time..." command
    // to the command table, to run once this dialog has closed.
    static constexpr int kHeadingTimeResult = 0;

    // The places shown last, kept for the program's run, with the places picked from searches.
    struct LastPlaces {
        PlaceKind fromKind = PlaceKind::Airport;
        PlaceKind toKind = PlaceKind::Airport;
        QString fromText;
        QString toText;
        PlacePick fromPick;
        PlacePick toPick;
    };
    static LastPlaces& Last();

    // The table runs the hand-off to Heading & Time; it must outlive the dialog.
    CDistanceTrackDlg(CTrevallionDoc& document, CCommandTable& commands, QWidget* parent = nullptr);

    // Shows "Create new flight plan" and "Add "To" to flight plan" (hidden unless asked).
    void ShowFlightPlanButtons(bool show);
    // After the dialog has closed with OK: the plan button pressed (None for any other way of
    // closing) and the two identifiers as they were then.
    PlanAction RequestedPlanAction() const { return planAction_; }
    QString FromText() const { return fromText_; }
    QString ToText() const { return toText_; }

    void OnCalculate();
    // "<-": the destination becomes the start; the destination is emptied.
    void OnSwap();
    // "...": picks one end from the user waypoints or a search of the navigation data.
    void OnPick(bool from);

protected:
    bool OnInitDialog() override;
    void OnOK() override { CloseWith(PlanAction::None, kIdOk); }
    void OnClose() override { CloseWith(PlanAction::None, kIdOk); }

private:
    struct End {
        int kind, ident, pick, name;
    };
    static const End kFrom;
    static const End kTo;

    PlaceKind KindOf(const End& end) const;
    PlacePick& PickOf(const End& end) { return &end == &kFrom ? fromPick_ : toPick_; }
    QString TextOf(const End& end) const;
    // Selects the kind and fills the identifier list with its identifiers, keeping the text.
    void SetKind(const End& end, PlaceKind kind);
    void FillIdents(const End& end);
    // Shows the text, adding it to the list when the list lacks it.
    void SetText(const End& end, const QString& text);
    void ClearResults();
    // Remembers the places and the texts for the opener, then closes.
    void CloseWith(PlanAction action, int result);
    void OnPlanButton(PlanAction action);

    CTrevallionDoc& document_;
    CCommandTable& commands_;
    bool showPlanButtons_ = false;
    PlanAction planAction_ = PlanAction::None;
    QString fromText_;
    QString toText_;
    // The search results picked for each end; used while the end names the same place.
    PlacePick fromPick_;
    PlacePick toPick_;
};
