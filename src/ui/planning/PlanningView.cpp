#include "ui/planning/PlanningView.h"

#include "core/common/Clock.h"
#include "core/common/entry/FieldLimits.h"
#include "core/common/io/FileIo.h"
#include "core/common/text/Format.h"
#include "core/planning/FlightPlanComputation.h"
#include "core/planning/FlightPlanFile.h"
#include "core/planning/PlanImport.h"
#include "core/planning/PlanSettings.h"
#include "core/planning/PlanTable.h"
#include "core/planning/RoutePlaces.h"
#include "core/planning/RouteText.h"
#include "ui/calculators/DistanceTrackDlg.h"
#include "ui/document/TrevallionDoc.h"
#include "ui/framework/ControlFactory.h"
#include "ui/framework/ValueEdit.h"
#include "ui/navdata/ReportList.h"
#include "ui/navdata/SearchLocationDlg.h"
#include "ui/planning/PlanExchangeRequests.h"
#include "ui/planning/RouteMenu.h"

#include <QComboBox>
#include <QMenu>
#include <QTreeWidget>

namespace {

constexpr int kWindSpeedMenuMaximum = 30;
constexpr int kWindSpeedMenuStep = 2;

// The dialogs start in the plan files' folder (made before they open).
FileDialogRequest PlanFileRequest(const QString& title) {
    return {title, QStringLiteral("Flight Plan Files (*.fp)"), QStringLiteral("fp"),
            FlightPlanFolder()};
}

} // namespace

CPlanningView::CPlanningView(CTrevallionDoc& document, CCommandTable& commands, QWidget* parent)
    : CCustomFormView(kTemplates, QStringLiteral("Flight Planning"), parent), document_(document),
      commands_(commands),
      ownCommands_(commands.Add({{ID_FILE_SAVE, [this] { SaveWithDialog(); }},
                                 {ID_FILE_OPEN, [this] { OpenWithDialog(); }},
                                 {ID_FILE_EXPORT_PLAN, [this] { ExportWithDialog(); }},
                                 {ID_FILE_IMPORT_PLAN, [this] { ImportWithDialog(); }},
                                 {ID_CALC_DISTANCE_TRACK, [this] { RunDistanceTrack(); }}})) {}

CPlanningView::~CPlanningView() {
    if (Combo(IDC_PLAN_AIRCRAFT))
        WritePlanSettings(document_.Settings(), Inputs());
}

QTreeWidget* CPlanningView::Table() const {
    return Item<QTreeWidget>(IDC_PLAN_TABLE);
}

QWidget* CPlanningView::CreateControl(const ControlTemplate& control) {
    switch (control.id) {
    case IDC_PLAN_TAS:
    case IDC_PLAN_ROUTE:
    case IDC_PLAN_WIND_DIR:
    case IDC_PLAN_WIND_SPEED: {
        auto* edit = new CValueEdit(Host());
        ApplyEditStyles(edit, control);
        return edit;
    }
    default:
        return nullptr;
    }
}

void CPlanningView::OnInitialUpdate() {
    // Read first: taking the first type recomputes, which writes the settings.
    const PlanInputs saved = ReadPlanSettings(document_.Settings());
    CCustomFormView::OnInitialUpdate();
    SetUpFields();
    FillAircraftCombo();
    if (Combo(IDC_PLAN_AIRCRAFT)->count() > 0)
        OnAircraftChosen(0);
    if (!saved.aircraft.isEmpty())
        SelectType(document_.Aircraft().FindAircraftTypeByName(saved.aircraft));
    PlanInputs restored = saved;
    if (restored.tas.isEmpty()) // never saved: the type's TAS stays
        restored.tas = GetDlgItemText(IDC_PLAN_TAS);
    SetInputs(restored);
    Recompute();
}

void CPlanningView::Relayout() {
    CCustomFormView::Relayout();
    if (Table())
        DrawPlan();
}

void CPlanningView::SetUpFields() {
    Item<CValueEdit>(IDC_PLAN_TAS)->SetMenuResource(IDR_TAS);
    Item<CValueEdit>(IDC_PLAN_WIND_DIR)->SetMenuResource(IDR_WIND_DIR);
    Item<CValueEdit>(IDC_PLAN_WIND_DIR)->setMaxLength(kPlanWindDirectionChars);
    Item<CValueEdit>(IDC_PLAN_WIND_SPEED)->SetRange(kWindSpeedMenuMaximum, kWindSpeedMenuStep);
    Item<CValueEdit>(IDC_PLAN_WIND_SPEED)->setMaxLength(kPlanWindSpeedChars);
    auto* route = Item<CValueEdit>(IDC_PLAN_ROUTE);
    route->SetForward(true);
    route->SetMenuFactory([this] { return MakeRouteMenu().Create(); });
    connect(route, &CValueEdit::CommandForwarded, this, [this](int id) { OnRouteCommand(id); });
    Bind(IDC_PLAN_CALC, [this] { Recompute(); });
    connect(Combo(IDC_PLAN_AIRCRAFT), &QComboBox::currentIndexChanged, this,
            [this](int index) { OnAircraftChosen(index); });
}

CRouteMenu CPlanningView::MakeRouteMenu() const {
    QStringList waypoints;
    for (const UserWaypoint& waypoint : document_.Waypoints().Waypoints())
        waypoints.append(waypoint.ident);
    return CRouteMenu(document_.NavData().RecentAirports(), document_.NavData().RecentNavAids(),
                      waypoints);
}

void CPlanningView::FillAircraftCombo() {
    QComboBox* combo = Combo(IDC_PLAN_AIRCRAFT);
    filling_ = true;
    combo->clear();
    for (const AircraftTypeChoice& choice : document_.Aircraft().AircraftTypeChoices())
        combo->addItem(choice.name, choice.id);
    filling_ = false;
}

// Takes a type as a choice in the box does: its TAS is filled in and the plan recomputed.
void CPlanningView::OnAircraftChosen(int index) {
    if (filling_ || index < 0)
        return;
    const int id = Combo(IDC_PLAN_AIRCRAFT)->itemData(index).toInt();
    if (const AircraftType* type = document_.Aircraft().FindAircraftType(id))
        type_ = *type;
    if (type_.trueAirspeed != 0)
        SetDlgItemText(IDC_PLAN_TAS, FormatText("%.0f", type_.trueAirspeed));
    Recompute();
}

// Shows a type in the box and takes it, without filling in its TAS. False for no type.
bool CPlanningView::SelectType(const AircraftType* type) {
    if (!type)
        return false;
    type_ = *type;
    QComboBox* combo = Combo(IDC_PLAN_AIRCRAFT);
    filling_ = true;
    combo->setCurrentIndex(combo->findData(type->id));
    filling_ = false;
    return true;
}

PlanInputs CPlanningView::Inputs() const {
    return {type_.name,
            GetDlgItemText(IDC_PLAN_TAS),
            GetDlgItemText(IDC_PLAN_ROUTE),
            GetDlgItemText(IDC_PLAN_WIND_DIR),
            GetDlgItemText(IDC_PLAN_WIND_SPEED),
            IsDlgButtonChecked(IDC_PLAN_MAG)};
}

void CPlanningView::SetInputs(const PlanInputs& inputs) {
    SetDlgItemText(IDC_PLAN_TAS, inputs.tas);
    SetDlgItemText(IDC_PLAN_ROUTE, inputs.route);
    SetDlgItemText(IDC_PLAN_WIND_DIR, inputs.windDirection);
    SetDlgItemText(IDC_PLAN_WIND_SPEED, inputs.windSpeed);
    CheckDlgButton(IDC_PLAN_MAG, inputs.magnetic);
}

bool CPlanningView::Recompute() {
    SetDlgItemText(IDC_PLAN_ROUTE, TrimmedRoute(GetDlgItemText(IDC_PLAN_ROUTE)));
    const PlanInputs inputs = Inputs();
    if (const Status wind = CheckPlanWind(inputs); !wind.ok()) {
        ShowStatus(wind.error());
        return false;
    }
    const RoutePlaces places(&document_.Waypoints(), &document_.NavData(), picks_);
    const Outcome<PlanComputation> computed = ComputeFlightPlan(inputs, type_.fuelBurn, places);
    plan_ = computed.ok() ? computed->plan : FlightPlan();
    DrawPlan();
    if (!computed.ok()) {
        ShowStatus(computed.error());
        return false;
    }
    WritePlanSettings(document_.Settings(), inputs);
    for (const Message& notice : computed->notices)
        ShowStatus(notice);
    return true;
}

void CPlanningView::DrawPlan() {
    QTreeWidget* table = Table();
    QList<int> widths;
    QStringList titles;
    for (const PlanColumn& column : PlanColumns()) {
        widths.append(column.width);
        titles.append(QString::fromUtf8(column.heading));
    }
    SetReportColumns(table, widths, titles);
    for (const QStringList& row : PlanTableRows(plan_))
        AddReportRow(table, row);
    SetDlgItemText(IDC_PLAN_TOTALS, PlanTotalsText(plan_));
}

void CPlanningView::AppendIdent(const QString& ident) {
    SetDlgItemText(IDC_PLAN_ROUTE, AppendToRoute(GetDlgItemText(IDC_PLAN_ROUTE), ident));
}

void CPlanningView::CreatePlan(const QString& from, const QString& to) {
    SetDlgItemText(IDC_PLAN_ROUTE, AppendToRoute(from, to));
    Recompute();
}

void CPlanningView::AddDestination(const QString& to) {
    AppendIdent(to);
    Recompute();
}

void CPlanningView::OnRouteCommand(int commandId) {
    if (commandId == ID_ROUTE_SEARCH) {
        OnSearch();
    } else if (commandId == ID_ROUTE_CLEAR) {
        picks_.clear();
        SetDlgItemText(IDC_PLAN_ROUTE, QString());
        Recompute();
    } else if (const QString ident = MakeRouteMenu().IdentOf(commandId); !ident.isEmpty()) {
        AppendIdent(ident);
    }
}

void CPlanningView::OnSearch() {
    CSearchLocationDlg search(document_, LocationKind::Airport, this);
    if (search.DoModal() != kIdOk || search.SelectedIdent().isEmpty())
        return;
    const PlaceKind kind =
        search.SelectedKind() == LocationKind::NavAid ? PlaceKind::NavAid : PlaceKind::Airport;
    picks_.append({kind, search.SelectedIdent(), search.SelectedPosition()});
    AppendIdent(search.SelectedIdent());
    Recompute();
}

bool CPlanningView::OpenPlan(const QString& path) {
    const Outcome<QString> text = ReadFlightPlanFile(path);
    if (!text.ok()) {
        ShowStatus(text.error());
        return false;
    }
    const PlanInputs inputs = ParseFlightPlanText(text.value());
    if (!SelectType(document_.Aircraft().FindAircraftTypeByName(inputs.aircraft))) {
        ShowStatus(Message{QString::fromLatin1(kUnknownPlanAircraftText), MessageIcon::None});
        return false;
    }
    SetInputs(inputs);
    Recompute();
    return true;
}

bool CPlanningView::SavePlan(const QString& path) {
    const Status written = WriteFlightPlanFile(path, Inputs());
    if (!written.ok())
        ShowStatus(written.error());
    return written.ok();
}

bool CPlanningView::ExportPlan(const QString& path) {
    const ExportTarget target = ExportTargetForPath(path);
    return ShowStatus(
        WritePlanExchangeFile(target.path, target.format, plan_, CurrentClock().NowUtc()));
}

bool CPlanningView::ImportPlan(const QString& path) {
    // The wind is checked first, so a plan it would stop leaves the waypoints as they were.
    if (!ShowStatus(CheckPlanWind(Inputs())))
        return false;
    const Outcome<ExchangeRoute> route = ReadPlanExchangeFile(path);
    if (!route.ok()) {
        ShowStatus(route.error());
        return false;
    }
    const PlanImport import =
        ResolvePlanImport(route.value(), &document_.Waypoints(), &document_.NavData());
    if (!import.newWaypoints.isEmpty() &&
        ShowMessage(NewWaypointsQuestion(import.newWaypoints), MessageButtons::YesNo,
                    MessageIcon::Question) != kIdYes)
        return false;
    for (const Message& notice : import.notices)
        ShowStatus(notice);
    if (!ShowStatus(CommitPlanImport(import, document_.Waypoints())))
        return false;
    picks_ = import.picks;
    SetDlgItemText(IDC_PLAN_ROUTE, import.route);
    return Recompute();
}

// The file chosen in the request's folder (made first); "" when cancelled or not made.
QString CPlanningView::ChooseFile(const FileDialogRequest& request, FileChoice choice) {
    if (!ShowStatus(MakeFolder(request.initialPath, QStringLiteral("Error: "))))
        return {};
    return choice == FileChoice::Save ? CurrentPlatform().GetSaveFileName(this, request)
                                      : CurrentPlatform().GetOpenFileName(this, request);
}

void CPlanningView::OpenWithDialog() {
    const QString path =
        ChooseFile(PlanFileRequest(QStringLiteral("Open flight plan")), FileChoice::Open);
    if (!path.isEmpty())
        OpenPlan(path);
}

void CPlanningView::SaveWithDialog() {
    const QString path =
        ChooseFile(PlanFileRequest(QStringLiteral("Save flight plan")), FileChoice::Save);
    if (!path.isEmpty())
        SavePlan(path);
}

void CPlanningView::ExportWithDialog() {
    // An empty plan is refused with the writer's own message before a file is chosen for it.
    if (plan_.points.isEmpty()) {
        ShowStatus(WritePlanExchangeFile(QString(), PlanFileFormat::Fpl, plan_, QDateTime()));
        return;
    }
    if (const QString path = ChooseFile(ExportPlanRequest(), FileChoice::Save); !path.isEmpty())
        ExportPlan(path);
}

void CPlanningView::ImportWithDialog() {
    if (const QString path = ChooseFile(ImportPlanRequest(), FileChoice::Open); !path.isEmpty())
        ImportPlan(path);
}

// Distance & Track opened from this view offers its flight-plan buttons and applies them.
void CPlanningView::RunDistanceTrack() {
    CDistanceTrackDlg dialog(document_, commands_, this);
    dialog.ShowFlightPlanButtons(true);
    if (dialog.DoModal() != kIdOk)
        return;
    switch (dialog.RequestedPlanAction()) {
    case PlanAction::CreateNewPlan:
        CreatePlan(dialog.FromText(), dialog.ToText());
        break;
    case PlanAction::AddDestination:
        AddDestination(dialog.ToText());
        break;
    case PlanAction::None:
        break;
    }
}
