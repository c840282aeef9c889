#include "ui/calculators/DistanceTrackDlg.h"

#include "ui/calculators/CalcResultDisplay.h"
#include "ui/document/TrevallionDoc.h"
#include "ui/framework/AppContext.h"
#include "ui/framework/CommandTable.h"
#include "ui/navdata/SearchLocationDlg.h"
#include "ui/navdata/UserWaypointsDlg.h"

#include <QComboBox>
#include <QSignalBlocker>

#include <utility>

const CDistanceTrackDlg::End CDistanceTrackDlg::kFrom{IDC_DT_FROM_KIND, IDC_DT_FROM_IDENT,
                                                      IDC_DT_FROM_PICK, IDC_DT_FROM_NAME};
const CDistanceTrackDlg::End CDistanceTrackDlg::kTo{IDC_DT_TO_KIND, IDC_DT_TO_IDENT, IDC_DT_TO_PICK,
                                                    IDC_DT_TO_NAME};

CDistanceTrackDlg::LastPlaces& CDistanceTrackDlg::Last() {
    static LastPlaces last;
    return last;
}

CDistanceTrackDlg::CDistanceTrackDlg(CTrevallionDoc& document, CCommandTable& commands,
                                     QWidget* parent)
    : CCalcDialog(kTemplates, parent), document_(document), commands_(commands) {}

void CDistanceTrackDlg::ShowFlightPlanButtons(bool show) {
    showPlanButtons_ = show;
    for (int id : {IDC_DT_NEW_PLAN, IDC_DT_ADD_TO_PLAN})
        if (QWidget* button = GetDlgItem(id))
            button->setVisible(show);
}

bool CDistanceTrackDlg::OnInitDialog() {
    if (!CCalcDialog::OnInitDialog())
        return false;
    const LastPlaces last = Last();
    fromPick_ = last.fromPick;
    toPick_ = last.toPick;
    for (const End* end : {&kFrom, &kTo}) {
        QComboBox* kinds = Combo(end->kind);
        for (int kind = 0; kind < kPlaceKindCount; ++kind)
            kinds->addItem(PlaceKindText(static_cast<PlaceKind>(kind)));
        SetKind(*end, end == &kFrom ? last.fromKind : last.toKind);
        SetText(*end, end == &kFrom ? last.fromText : last.toText);
        connect(kinds, &QComboBox::currentIndexChanged, this, [this, end] {
            FillIdents(*end);
            SetDlgItemText(end->name, {});
        });
    }
    ShowFlightPlanButtons(showPlanButtons_);
    Bind(IDC_CALCULATE, [this] { OnCalculate(); });
    Bind(IDC_DT_SWAP, [this] { OnSwap(); });
    Bind(IDC_DT_FROM_PICK, [this] { OnPick(true); });
    Bind(IDC_DT_TO_PICK, [this] { OnPick(false); });
    Bind(IDC_DT_NEW_PLAN, [this] { OnPlanButton(PlanAction::CreateNewPlan); });
    Bind(IDC_DT_ADD_TO_PLAN, [this] { OnPlanButton(PlanAction::AddDestination); });
    // Handing on is offered only while the command table has a Heading & Time screen to open.
    GetDlgItem(IDC_DT_HEADING_TIME)->setEnabled(commands_.CanRun(ID_CALC_HEADING_TIME));
    Bind(IDC_DT_HEADING_TIME, [this] {
        CloseWith(PlanAction::None, kHeadingTimeResult);
        commands_.Post(ID_CALC_HEADING_TIME); // opens Heading & Time once this has closed
    });
    if (!last.fromText.isEmpty() && !last.toText.isEmpty())
        OnCalculate();
    return true;
}

PlaceKind CDistanceTrackDlg::KindOf(const End& end) const {
    const int index = Combo(end.kind)->currentIndex();
    return index > 0 && index < kPlaceKindCount ? static_cast<PlaceKind>(index)
                                                : PlaceKind::Airport;
}

QString CDistanceTrackDlg::TextOf(const End& end) const {
    return Combo(end.ident)->currentText().trimmed();
}

void CDistanceTrackDlg::SetKind(const End& end, PlaceKind kind) {
    {
        const QSignalBlocker quiet(Combo(end.kind));
        Combo(end.kind)->setCurrentIndex(static_cast<int>(kind));
    }
    FillIdents(end);
}

void CDistanceTrackDlg::FillIdents(const End& end) {
    QStringList idents;
    switch (KindOf(end)) {
    case PlaceKind::Airport:
        idents = document_.NavData().RecentAirports();
        break;
    case PlaceKind::NavAid:
        idents = document_.NavData().RecentNavAids();
        break;
    case PlaceKind::User:
        for (const UserWaypoint& waypoint : document_.Waypoints().Waypoints())
            idents.append(waypoint.ident);
        break;
    }
    QComboBox* combo = Combo(end.ident);
    const QString text = combo->currentText();
    combo->clear();
    combo->addItems(idents);
    combo->setCurrentIndex(-1);
    combo->setEditText(text);
}

void CDistanceTrackDlg::SetText(const End& end, const QString& text) {
    QComboBox* combo = Combo(end.ident);
    int index = text.isEmpty() ? -1 : combo->findText(text, Qt::MatchFixedString);
    if (!text.isEmpty() && index < 0) {
        combo->addItem(text);
        index = combo->count() - 1;
    }
    combo->setCurrentIndex(index);
    combo->setEditText(text);
}

void CDistanceTrackDlg::ClearResults() {
    for (int id : {IDC_DT_DISTANCE, IDC_DT_TRACK, IDC_DT_RETURN, IDC_DT_FROM_NAME, IDC_DT_TO_NAME})
        SetDlgItemText(id, {});
}

void CDistanceTrackDlg::OnCalculate() {
    ClearResults();
    const DistanceTrackInput in{KindOf(kFrom), TextOf(kFrom), KindOf(kTo),
                                TextOf(kTo),   fromPick_,     toPick_};
    const DistanceTrackResult result = CalculateDistanceTrack(
        in, [this](PlaceKind kind, const QString& ident, const PlaceHint& hint) {
            return FindPlace(kind, ident, document_.NavData(), document_.Waypoints().Waypoints(),
                             hint);
        });
    SetDlgItemText(IDC_DT_FROM_NAME, result.fromName);
    SetDlgItemText(IDC_DT_TO_NAME, result.toName);
    if (!ShowCalcResult(
            *this, result.texts,
            {{"Distance", IDC_DT_DISTANCE}, {"Track", IDC_DT_TRACK}, {"Return", IDC_DT_RETURN}}))
        return;
    Last().fromText = in.fromText;
    Last().toText = in.toText;
    Last().fromPick = fromPick_;
    Last().toPick = toPick_;
    CurrentAppState().lastDistanceTrack = result.last;
}

void CDistanceTrackDlg::OnSwap() {
    const QString destination = TextOf(kTo);
    fromPick_ = std::exchange(toPick_, PlacePick());
    SetKind(kFrom, KindOf(kTo));
    SetText(kFrom, destination);
    SetText(kTo, {});
    SetDlgItemText(IDC_DT_FROM_NAME, {});
    SetDlgItemText(IDC_DT_TO_NAME, {});
}

void CDistanceTrackDlg::OnPick(bool from) {
    const End& end = from ? kFrom : kTo;
    PlaceKind kind = KindOf(end);
    QString ident;
    int position = -1;
    if (kind == PlaceKind::User) {
        CUserWaypointsDlg list(document_, true, this);
        if (list.DoModal() != kIdOk)
            return;
        ident = list.SelectedIdent();
    } else {
        CSearchLocationDlg search(
            document_, kind == PlaceKind::NavAid ? LocationKind::NavAid : LocationKind::Airport,
            this);
        if (search.DoModal() != kIdOk)
            return;
        ident = search.SelectedIdent();
        position = search.SelectedPosition();
        kind =
            search.SelectedKind() == LocationKind::NavAid ? PlaceKind::NavAid : PlaceKind::Airport;
    }
    if (ident.isEmpty())
        return;
    PickOf(end) = {kind, ident, position}; // a waypoint's identifier is its only key
    SetKind(end, kind);
    SetText(end, ident);
    SetDlgItemText(end.name, {});
    if (!TextOf(from ? kTo : kFrom).isEmpty())
        OnCalculate();
}

void CDistanceTrackDlg::OnPlanButton(PlanAction action) {
    // A plan needs the places it names: both for a new plan, the destination to add one.
    if (action == PlanAction::CreateNewPlan && TextOf(kFrom).isEmpty()) {
        ShowMessage(QString::fromLatin1(kEnterFromText));
        return;
    }
    if (TextOf(kTo).isEmpty()) {
        ShowMessage(QString::fromLatin1(kEnterToText));
        return;
    }
    CloseWith(action, kIdOk);
}

void CDistanceTrackDlg::CloseWith(PlanAction action, int result) {
    fromText_ = TextOf(kFrom);
    toText_ = TextOf(kTo);
    Last() = {KindOf(kFrom), KindOf(kTo), fromText_, toText_, fromPick_, toPick_};
    planAction_ = action;
    done(result);
}
