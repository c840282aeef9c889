#include "ui/weight-balance/AircraftTypeDlg.h"

#include "core/common/text/Format.h"
#include "core/weight-balance/AircraftStore.h"
#include "core/weight-balance/AircraftTypeEntry.h"
#include "core/weight-balance/LoadingResults.h"
#include "ui/framework/EditGrid.h"
#include "ui/weight-balance/FleetDialogParts.h"
#include "ui/weight-balance/GraphDlg.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QTabBar>

namespace {

const QString kNumbers = QStringLiteral("0123456789.-");

} // namespace

CAircraftTypeDlg::CAircraftTypeDlg(const AircraftType& type, QString nameAtOpening,
                                   const AircraftStore& store, QWidget* parent)
    : CCalcDialog(kTemplates, parent), type_(type), nameAtOpening_(std::move(nameAtOpening)),
      store_(store), pages_(*this, IDC_TYPE_PAGE_AREA,
                            {std::begin(kPageMarkers), std::end(kPageMarkers)}, IDC_TYPE_TABS) {}

QWidget* CAircraftTypeDlg::CreateControl(const ControlTemplate& control) {
    if (control.id == IDC_TYPE_ENVELOPE || control.id == IDC_TYPE_STATIONS ||
        control.id == IDC_TYPE_STARTUP)
        return CEditGrid::FromTemplate(control, Host());
    return nullptr;
}

bool CAircraftTypeDlg::OnInitDialog() {
    if (!CCalcDialog::OnInitDialog())
        return false;
    KeepOkOnSquare(*this);
    pages_.AddTabs({QStringLiteral("Info"), QStringLiteral("Weights"), QStringLiteral("C of G"),
                    QStringLiteral("% MAC"), QStringLiteral("Stations"),
                    QStringLiteral("Fuel Tanks"), QStringLiteral("Fuel Quantities"),
                    QStringLiteral("Start up"), QStringLiteral("Performance")},
                   kInfoPage);
    // Nine page names do not fit a small screen: the strip scrolls, the names stay whole.
    pages_.Tabs()->setUsesScrollButtons(true);
    pages_.Tabs()->setElideMode(Qt::ElideNone);
    connect(pages_.Tabs(), &QTabBar::currentChanged, this, [this](int page) { ShowPage(page); });
    pages_.MoveOntoArea();

    const AircraftTypeEntry entry = AircraftTypeEntryFrom(type_);
    Edit(IDC_TYPE_NAME)->setMaxLength(AircraftTypeEntry::kMaxNameLength);
    SetDlgItemText(IDC_TYPE_NAME, entry.name);
    SetDlgItemText(IDC_TYPE_RAMP, entry.ramp);
    SetDlgItemText(IDC_TYPE_ZERO_FUEL, entry.zeroFuel);
    SetDlgItemText(IDC_TYPE_TAKEOFF, entry.takeoff);
    SetDlgItemText(IDC_TYPE_LANDING, entry.landing);
    CheckDlgButton(IDC_TYPE_CALC_MAC, entry.calculateMac);
    SetDlgItemText(IDC_TYPE_LEADING_EDGE, entry.leadingEdge);
    SetDlgItemText(IDC_TYPE_MAC_LENGTH, entry.macLength);
    SetDlgItemText(IDC_TYPE_FUEL_BURN, entry.fuelBurn);
    SetDlgItemText(IDC_TYPE_TAS, entry.trueAirspeed);
    SetUpCombos(entry);
    SetUpGrids(entry);
    FillTanks(-1);
    FillStartup(entry.startup);
    FillQuantities(-1);
    BindButtons();
    ShowUnits();
    ShowPage(kInfoPage);
    return true;
}

void CAircraftTypeDlg::SetUpCombos(const AircraftTypeEntry& entry) {
    const struct {
        int id;
        QStringList items;
        int current;
    } combos[] = {
        {IDC_TYPE_WEIGHT_UNITS, {"Pounds", "Kilograms"}, entry.kilograms ? 1 : 0},
        {IDC_TYPE_ARM_UNITS, {"Inches", "Centimetres"}, entry.centimetres ? 1 : 0},
        {IDC_TYPE_FUEL_UNITS, {"Gallons", "Litres", "Weight"}, entry.fuelUnits},
        {IDC_TYPE_FUEL_TYPE, {"AV Gas", "Jet A"}, entry.jetFuel ? 1 : 0},
    };
    for (const auto& c : combos) {
        QComboBox* combo = Combo(c.id);
        combo->addItems(c.items);
        combo->setCurrentIndex(c.current);
        connect(combo, &QComboBox::currentIndexChanged, this, [this] { ShowUnits(); });
    }
}

void CAircraftTypeDlg::SetUpGrids(const AircraftTypeEntry& entry) {
    auto* envelope = Item<CEditGrid>(IDC_TYPE_ENVELOPE);
    SetUpNumberedGrid(envelope, {{QStringLiteral("Weight")}, {QStringLiteral("Arm")}});
    envelope->SetAllowedCharacters(kNumbers);
    AddNumberedRows(envelope, AircraftType::kMaxEnvelopePoints);
    for (int row = 0; row < entry.envelope.size(); ++row) {
        envelope->SetItemText(row, 1, entry.envelope[row].weight);
        envelope->SetItemText(row, 2, entry.envelope[row].arm);
    }
    auto* stations = Item<CEditGrid>(IDC_TYPE_STATIONS);
    SetUpNumberedGrid(
        stations,
        {{QStringLiteral("Station"), 2}, {QStringLiteral("Arm")}, {QStringLiteral("Max")}});
    AddNumberedRows(stations, AircraftType::kMaxStations);
    for (int row = 0; row < entry.stations.size(); ++row) {
        stations->SetItemText(row, 1, entry.stations[row].name);
        stations->SetItemText(row, 2, entry.stations[row].arm);
        stations->SetItemText(row, 3, entry.stations[row].maxWeight);
    }
    auto* startup = Item<CEditGrid>(IDC_TYPE_STARTUP);
    SetUpGrid(startup, {{QStringLiteral("Tank"), 2, true}, {QStringLiteral("Quantity")}});
    startup->SetAllowedCharacters(kNumbers);
}

void CAircraftTypeDlg::BindButtons() {
    Bind(IDC_TYPE_GRAPH, [this] { OnGraph(); });
    Bind(IDC_TYPE_CALC_MAC, [this] { EnableMacFields(); });
    Bind(IDC_TYPE_TANK_ADD, [this] { OnAddTank(); });
    Bind(IDC_TYPE_TANK_EDIT, [this] { OnEditTank(); });
    Bind(IDC_TYPE_TANK_DELETE, [this] { OnDeleteTank(); });
    Bind(IDC_TYPE_QUANTITY_ADD, [this] { OnAddQuantity(); });
    Bind(IDC_TYPE_QUANTITY_EDIT, [this] { OnEditQuantity(); });
    Bind(IDC_TYPE_QUANTITY_DELETE, [this] { OnDeleteQuantity(); });
    connect(Item<QListWidget>(IDC_TYPE_TANKS), &QListWidget::itemDoubleClicked, this,
            [this] { OnEditTank(); });
    connect(Item<QListWidget>(IDC_TYPE_QUANTITIES), &QListWidget::itemDoubleClicked, this,
            [this] { OnEditQuantity(); });
}

void CAircraftTypeDlg::ShowPage(int page) {
    if (page < 0 || page >= pages_.Count())
        return;
    if (pages_.Tabs()->currentIndex() != page)
        pages_.Tabs()->setCurrentIndex(page); // comes back here through currentChanged
    pages_.Show(page);
    EnableMacFields();
}

void CAircraftTypeDlg::EnableMacFields() {
    const bool on = IsDlgButtonChecked(IDC_TYPE_CALC_MAC) && CurrentPage() == kMacPage;
    for (int id : {IDC_TYPE_LEADING_EDGE, IDC_TYPE_MAC_LENGTH})
        GetDlgItem(id)->setEnabled(on);
}

TypeFlags CAircraftTypeDlg::FlagsShown() const {
    TypeFlags flags = type_.flags;
    flags.Set(TypeFlags::WeightInKilograms, Combo(IDC_TYPE_WEIGHT_UNITS)->currentIndex() == 1);
    flags.Set(TypeFlags::ArmInCentimetres, Combo(IDC_TYPE_ARM_UNITS)->currentIndex() == 1);
    SetFuelUnitsChoice(flags, Combo(IDC_TYPE_FUEL_UNITS)->currentIndex());
    flags.Set(TypeFlags::JetFuel, Combo(IDC_TYPE_FUEL_TYPE)->currentIndex() == 1);
    return flags;
}

void CAircraftTypeDlg::ShowUnits() {
    SetDlgItemText(IDC_TYPE_BURN_UNIT, FuelBurnUnitText(FlagsShown()));
}

AircraftTypeEntry CAircraftTypeDlg::ReadPages() const {
    AircraftTypeEntry e;
    e.name = GetDlgItemText(IDC_TYPE_NAME).trimmed();
    e.kilograms = Combo(IDC_TYPE_WEIGHT_UNITS)->currentIndex() == 1;
    e.centimetres = Combo(IDC_TYPE_ARM_UNITS)->currentIndex() == 1;
    e.ramp = GetDlgItemText(IDC_TYPE_RAMP);
    e.zeroFuel = GetDlgItemText(IDC_TYPE_ZERO_FUEL);
    e.takeoff = GetDlgItemText(IDC_TYPE_TAKEOFF);
    e.landing = GetDlgItemText(IDC_TYPE_LANDING);
    const auto* envelope = Item<CEditGrid>(IDC_TYPE_ENVELOPE);
    const QList<QString> weights = ColumnTexts(envelope, 1);
    const QList<QString> arms = ColumnTexts(envelope, 2);
    for (int row = 0; row < weights.size(); ++row)
        e.envelope.append({weights[row], arms[row]});
    e.calculateMac = IsDlgButtonChecked(IDC_TYPE_CALC_MAC);
    e.leadingEdge = GetDlgItemText(IDC_TYPE_LEADING_EDGE);
    e.macLength = GetDlgItemText(IDC_TYPE_MAC_LENGTH);
    const auto* stations = Item<CEditGrid>(IDC_TYPE_STATIONS);
    const QList<QString> names = ColumnTexts(stations, 1);
    const QList<QString> stationArms = ColumnTexts(stations, 2);
    const QList<QString> maxima = ColumnTexts(stations, 3);
    for (int row = 0; row < names.size(); ++row)
        e.stations.append({names[row], stationArms[row], maxima[row]});
    e.fuelUnits = Combo(IDC_TYPE_FUEL_UNITS)->currentIndex();
    e.jetFuel = Combo(IDC_TYPE_FUEL_TYPE)->currentIndex() == 1;
    e.startup = StartupTexts();
    e.trueAirspeed = GetDlgItemText(IDC_TYPE_TAS);
    e.fuelBurn = GetDlgItemText(IDC_TYPE_FUEL_BURN);
    return e;
}

void CAircraftTypeDlg::OnOK() {
    const TypeEntryResult read = ReadAircraftTypeEntry(ReadPages(), type_, nameAtOpening_, store_);
    if (read.failure) {
        ShowPage(read.failure->page);
        ShowStatus(read.failure->message);
        return;
    }
    type_ = read.type;
    CCalcDialog::OnOK();
}

void CAircraftTypeDlg::OnGraph() {
    const Outcome<BoundedList<EnvelopePoint, AircraftType::kMaxEnvelopePoints>> envelope =
        ReadEnvelopeRows(ReadPages().envelope, type_);
    if (!envelope.ok()) {
        ShowStatus(envelope.error());
        return;
    }
    AircraftType drawn = type_;
    drawn.envelope = envelope.value();
    CGraphDlg graph(drawn, LoadingResults{}, false, this);
    graph.DoModal();
}

void CAircraftTypeDlg::OpenContextHelp() {
    CurrentPlatform().OpenHelp(QStringLiteral("AircraftType%1").arg(CurrentPage()));
}

void CAircraftTypeDlg::resizeEvent(QResizeEvent* event) {
    CCalcDialog::resizeEvent(event);
    if (GetDlgItem(IDC_TYPE_PAGE_AREA))
        pages_.MoveOntoArea();
}
