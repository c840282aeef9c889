#include "ui/weight-balance/WeightBalanceView.h"

#include "core/common/io/FileIo.h"
#include "core/common/text/Format.h"
#include "core/common/text/NumberText.h"
#include "core/weight-balance/FuelSelection.h"
#include "core/weight-balance/LoadingFile.h"
#include "core/weight-balance/LoadingSummary.h"
#include "ui/document/TrevallionDoc.h"
#include "ui/framework/AppContext.h"
#include "ui/framework/ColourScheme.h"
#include "ui/framework/DeviceScreen.h"
#include "ui/framework/EditGrid.h"
#include "ui/framework/OwnerDrawArea.h"
#include "ui/weight-balance/AircraftListDlg.h"
#include "ui/weight-balance/DetailsList.h"
#include "ui/weight-balance/GraphDlg.h"
#include "ui/weight-balance/GraphOptions.h"
#include "ui/weight-balance/WeightBalanceDlg.h"

#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>
#include <QTreeWidget>

namespace {

constexpr int kKeypadIds[] = {IDC_KEY_1,     IDC_KEY_2,     IDC_KEY_3,      IDC_KEY_4, IDC_KEY_5,
                              IDC_KEY_6,     IDC_KEY_7,     IDC_KEY_8,      IDC_KEY_9, IDC_KEY_0,
                              IDC_KEY_POINT, IDC_KEY_MINUS, IDC_WB_KEY_BACK};
constexpr int kLoadingTabControls[] = {IDC_WB_STATIONS};
constexpr int kFuelTabControls[] = {IDC_WB_FUEL, IDC_WB_UNITS, IDC_WB_TANKS};

// A value in "%.1f", or an empty cell for 0.
QString CellText(double value) {
    return value == 0.0 ? QString() : FormatText("%.1f", value);
}

const QString kNoAircraft = QStringLiteral("No aircraft selected.");

} // namespace

CWeightBalanceView::CWeightBalanceView(CTrevallionDoc& document, CCommandTable& commands,
                                       QWidget* parent)
    : CCustomFormView(kTemplates, QStringLiteral("Weight && Balance"), parent), document_(document),
      session_(document.Aircraft(), CurrentAppState().settings),
      ownCommands_(commands.Add(OwnCommands())) {
    graph_.SetType(&session_.Type());
    graph_.SetResults(&session_.Computed().results);
}

CWeightBalanceView::~CWeightBalanceView() {
    SaveWeightFile(false);
}

QWidget* CWeightBalanceView::CreateControl(const ControlTemplate& control) {
    if (control.id == IDC_WB_STATIONS || control.id == IDC_WB_TANKS)
        return CEditGrid::FromTemplate(control, Host());
    return nullptr;
}

bool CWeightBalanceView::IsSquare() const {
    return CreatedTemplateId() == IDD_WEIGHT_BALANCE_S;
}

void CWeightBalanceView::OnInitialUpdate() {
    CCustomFormView::OnInitialUpdate();
    SetUpControls();
    Connect();
    QString saved;
    if (QFileInfo::exists(WeightFilePath())) {
        const Outcome<QString> read = ReadLoadingFile(WeightFilePath());
        ShowStatus(read.ok() ? Status() : Status(read.error()));
        if (read.ok())
            saved = read.value();
    }
    ShowStatus(session_.Start(saved));
    Refresh();
    ShowTab(kLoadingTab);
}

void CWeightBalanceView::Relayout() {
    CCustomFormView::Relayout();
    // The keypad serves the portrait layout only.
    const DeviceScreen& screen = CurrentPlatform().Screen();
    const bool keypad = !screen.IsSquare() && !screen.IsLandscapeWidth();
    for (int id : kKeypadIds) {
        if (QWidget* key = GetDlgItem(id))
            key->setVisible(keypad);
    }
}

void CWeightBalanceView::SetUpControls() {
    auto* tabs = Item<QTabBar>(IDC_WB_TABS);
    for (const char* title : {"Loading", "Fuel"})
        tabs->addTab(QString::fromLatin1(title));
    if (IsSquare()) {
        tabs->addTab(QStringLiteral("Details"));
        tabs->addTab(QStringLiteral("Graph"));
    }
    SetUpGrids();
    if (auto* area = Item<COwnerDrawArea>(IDC_WB_GRAPH))
        area->SetPaintFunction([this](QPainter& painter, const QRect& rect) {
            graph_.Draw(painter, rect, GraphOptions());
        });
    if (auto* info = Item<COwnerDrawArea>(IDC_WB_INFO))
        info->SetPaintFunction(
            [this](QPainter& painter, const QRect& rect) { PaintSummary(painter, rect); });
    for (int id : kKeypadIds) {
        if (QWidget* key = GetDlgItem(id))
            key->setFocusPolicy(Qt::NoFocus); // an open cell edit stays open
    }
}

// The width the columns share: the grid's inside less a vertical scroll bar.
static int ColumnsWidth(const CEditGrid* grid) {
    return grid->width() - 2 * grid->frameWidth() -
           grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

void CWeightBalanceView::SetUpGrids() {
    const QString allowed = QStringLiteral("0123456789.-");
    auto* stations = Item<CEditGrid>(IDC_WB_STATIONS);
    const int stationWidth = ColumnsWidth(stations);
    stations->InsertColumn(0, QStringLiteral("Station"), stationWidth / 2);
    stations->InsertColumn(1, QStringLiteral("Weight"), stationWidth / 2, Qt::AlignRight);
    stations->SetReadOnly(0, true);
    stations->SetAllowedCharacters(allowed);
    auto* tanks = Item<CEditGrid>(IDC_WB_TANKS);
    tanks->InsertColumn(0, QStringLiteral("Tank"), ColumnsWidth(tanks) - 80);
    tanks->InsertColumn(1, QStringLiteral("Load"), 40, Qt::AlignRight);
    tanks->InsertColumn(2, QStringLiteral("Burn"), 40, Qt::AlignRight);
    tanks->SetReadOnly(0, true);
    tanks->SetAllowedCharacters(allowed);
}

void CWeightBalanceView::Connect() {
    connect(Item<QTabBar>(IDC_WB_TABS), &QTabBar::currentChanged, this,
            [this](int tab) { ShowTab(tab); });
    connect(Combo(IDC_WB_TYPE), &QComboBox::currentIndexChanged, this,
            [this](int index) { OnTypeChosen(index); });
    connect(Combo(IDC_WB_AIRCRAFT), &QComboBox::currentIndexChanged, this,
            [this](int index) { OnAircraftChosen(index); });
    connect(Combo(IDC_WB_FUEL), &QComboBox::currentIndexChanged, this,
            [this](int index) { OnFuelChosen(index); });
    for (int id : {IDC_WB_STATIONS, IDC_WB_TANKS}) {
        auto* grid = Item<CEditGrid>(id);
        connect(grid, &CEditGrid::CellChanged, this,
                [this, grid](int row, int column, const QString& text) {
                    OnCellChanged(grid, row, column, text);
                });
    }
    for (int id : kKeypadIds)
        Bind(id, [this, id] { OnKey(id); });
    Bind(IDC_WB_AIRCRAFT_BUTTON, [this] { OnAircraftButton(); });
    Bind(IDC_WB_DETAILS, [this] { OnDetails(); });
    Bind(IDC_WB_INFO, [this] { OnDetails(); });
    Bind(IDC_WB_GRAPH_BUTTON, [this] { OnGraph(); });
}

void CWeightBalanceView::ShowTab(int tab) {
    auto* tabs = Item<QTabBar>(IDC_WB_TABS);
    if (tab < 0 || tab >= tabs->count())
        return;
    if (tabs->currentIndex() != tab)
        tabs->setCurrentIndex(tab); // comes back here through currentChanged
    for (int id : kLoadingTabControls)
        GetDlgItem(id)->setVisible(tab == kLoadingTab);
    for (int id : kFuelTabControls)
        GetDlgItem(id)->setVisible(tab == kFuelTab);
    GetDlgItem(IDC_WB_DETAILS_LIST)->setVisible(tab == kDetailsTab);
    GetDlgItem(IDC_WB_GRAPH)->setVisible(tab == kGraphTab);
    if (tab == kDetailsTab)
        FillDetailsList(Item<QTreeWidget>(IDC_WB_DETAILS_LIST),
                        MakeLoadingDetails(session_.Type(), session_.CurrentAircraft(),
                                           session_.CurrentLoading(), session_.Computed().results));
}

// Everything shown from the session: after a change of type, aircraft or a whole loading.
void CWeightBalanceView::Refresh() {
    FillTypeCombo();
    FillAircraftCombo();
    FillStations();
    FillTanks();
    FillFuelCombo();
    SetDlgItemText(IDC_WB_UNITS,
                   session_.HasAircraft() ? FuelUnitsText(session_.Type()) : QString());
    ShowOutcome();
}

void CWeightBalanceView::FillTypeCombo() {
    QComboBox* combo = Combo(IDC_WB_TYPE);
    filling_ = true;
    combo->clear();
    for (const AircraftTypeChoice& choice : document_.Aircraft().AircraftTypeChoices())
        combo->addItem(choice.name, choice.id);
    combo->setCurrentIndex(combo->findData(session_.Type().id));
    filling_ = false;
}

void CWeightBalanceView::FillAircraftCombo() {
    QComboBox* combo = Combo(IDC_WB_AIRCRAFT);
    filling_ = true;
    combo->clear();
    for (const Aircraft& a : document_.Aircraft().AircraftOfType(session_.Type().id))
        combo->addItem(a.ident, a.id);
    combo->setCurrentIndex(combo->findData(session_.CurrentAircraft().id));
    filling_ = false;
}

void CWeightBalanceView::FillStations() {
    auto* grid = Item<CEditGrid>(IDC_WB_STATIONS);
    grid->clear();
    if (!session_.HasAircraft())
        return;
    const AircraftType& type = session_.Type();
    for (int i = 0; i < type.stations.size(); ++i) {
        const int row = grid->InsertRow(grid->RowCount(), type.stations[i].name);
        grid->SetItemText(row, 1, CellText(session_.CurrentLoading().stationWeights[i]));
    }
}

void CWeightBalanceView::FillTanks() {
    auto* grid = Item<CEditGrid>(IDC_WB_TANKS);
    grid->clear();
    grid->SetReadOnly(1, session_.CurrentLoading().fuelSelection != kFuelCustom);
    if (!session_.HasAircraft())
        return;
    const AircraftType& type = session_.Type();
    for (int i = 0; i < type.tanks.size(); ++i) {
        const TankLoad& load = session_.CurrentLoading().tanks[i];
        const int row = grid->InsertRow(grid->RowCount(), type.tanks[i].name);
        grid->SetItemText(row, 1, CellText(load.rampQuantity));
        grid->SetItemText(row, 2, CellText(load.burn));
    }
}

void CWeightBalanceView::FillFuelCombo() {
    QComboBox* combo = Combo(IDC_WB_FUEL);
    filling_ = true;
    combo->clear();
    if (session_.HasAircraft()) {
        const AircraftType& type = session_.Type();
        for (int selection = kFuelFull; selection < kFirstFuelQuantity + type.fuelQuantities.size();
             ++selection)
            combo->addItem(FuelSelectionName(type, selection));
        combo->addItem(FuelSelectionName(type, kFuelCustom));
        const int selection = session_.CurrentLoading().fuelSelection;
        combo->setCurrentIndex(selection == kFuelCustom ? combo->count() - 1 : selection);
    }
    filling_ = false;
}

// The outcome of the loading: status text, summary, graph, details; then weight.txt.
void CWeightBalanceView::ShowOutcome() {
    const LimitOutcome& limits = session_.Computed().limits;
    QLabel* status = Label(IDC_WB_STATUS);
    status->setText(session_.HasAircraft() ? limits.message : QString());
    ShowStatusColour();
    GetDlgItem(IDC_WB_INFO)->update();
    GetDlgItem(IDC_WB_GRAPH)->update();
    if (Item<QTabBar>(IDC_WB_TABS)->currentIndex() == kDetailsTab)
        ShowTab(kDetailsTab);
    SaveWeightFile(true);
}

// Out of limits the status text is red; within them it follows the view's colours.
void CWeightBalanceView::ShowStatusColour() {
    QPalette palette;
    if (!session_.Computed().limits.withinLimits)
        palette.setColor(QPalette::WindowText, CurrentColourScheme().warning);
    Label(IDC_WB_STATUS)->setPalette(palette);
}

void CWeightBalanceView::changeEvent(QEvent* event) {
    CCustomFormView::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && GetDlgItem(IDC_WB_STATUS))
        ShowStatusColour();
}

void CWeightBalanceView::PaintSummary(QPainter& painter, const QRect& rect) const {
    painter.fillRect(rect, CurrentColourScheme().paper);
    if (!session_.HasAircraft())
        return;
    const QFontMetrics metrics(font());
    const int indent = 2 * metrics.horizontalAdvance(QLatin1Char('0')) + 2;
    int y = rect.top() + 2;
    for (const SummaryLine& line : MakeSummaryLines(session_.Type(), session_.Computed())) {
        painter.setPen(line.withinLimits ? CurrentColourScheme().ink
                                         : CurrentColourScheme().warning);
        painter.drawText(QPoint(rect.left() + 2, y + metrics.ascent()), line.label);
        y += metrics.height();
        painter.drawText(QPoint(rect.left() + 2 + indent, y + metrics.ascent()), line.value);
        y += metrics.height();
    }
}

void CWeightBalanceView::OnTypeChosen(int index) {
    if (filling_ || index < 0)
        return;
    ShowStatus(session_.ChooseType(Combo(IDC_WB_TYPE)->itemData(index).toInt()));
    Refresh();
}

void CWeightBalanceView::OnAircraftChosen(int index) {
    if (filling_ || index < 0)
        return;
    session_.ChooseAircraft(Combo(IDC_WB_AIRCRAFT)->itemData(index).toInt());
    ShowOutcome();
}

void CWeightBalanceView::OnFuelChosen(int index) {
    if (filling_ || index < 0)
        return;
    const bool custom = index == Combo(IDC_WB_FUEL)->count() - 1;
    session_.SetFuelSelection(custom ? kFuelCustom : index);
    FillTanks();
    ShowOutcome();
}

void CWeightBalanceView::OnCellChanged(CEditGrid* grid, int row, int column, const QString& text) {
    const double value = TextToDouble(text);
    if (grid == Item<CEditGrid>(IDC_WB_STATIONS) && column == 1)
        session_.SetStationWeight(row, value);
    else if (column == 1)
        session_.SetTankLoad(row, value);
    else if (column == 2)
        session_.SetTankBurn(row, value);
    ShowOutcome();
}

void CWeightBalanceView::OnKey(int id) {
    const int tab = Item<QTabBar>(IDC_WB_TABS)->currentIndex();
    const bool fuel = tab == kFuelTab;
    auto* grid = Item<CEditGrid>(fuel ? IDC_WB_TANKS : IDC_WB_STATIONS);
    const int row = grid->currentIndex().isValid() ? grid->currentIndex().row() : -1;
    if ((tab != kLoadingTab && !fuel) || row < 0 || (fuel && grid->IsReadOnly(1))) {
        CurrentPlatform().Beep();
        return;
    }
    QString text = grid->ItemText(row, 1);
    if (id == IDC_WB_KEY_BACK) {
        text.chop(1);
    } else if (text.size() >= kMaxKeypadCharacters) {
        CurrentPlatform().Beep();
        return;
    } else {
        text += GetDlgItemText(id);
    }
    grid->SetItemText(row, 1, text);
    OnCellChanged(grid, row, 1, text);
}

void CWeightBalanceView::OnAircraftButton() {
    ShowAircraftList(document_, this);
    FleetChanged();
}

void CWeightBalanceView::FleetChanged() {
    const QVector<Message> notices = session_.FleetChanged();
    for (const Message& notice : notices)
        ShowStatus(notice);
    Refresh();
}

void CWeightBalanceView::OnDetails() {
    if (!session_.HasAircraft()) {
        ShowMessage(kNoAircraft);
        return;
    }
    CWeightBalanceDlg dialog(session_.Type(), session_.CurrentAircraft(), session_.CurrentLoading(),
                             session_.Computed().results, this);
    dialog.DoModal();
    GetDlgItem(IDC_WB_GRAPH)->update();
}

void CWeightBalanceView::OnGraph() {
    if (!session_.HasAircraft()) {
        ShowMessage(kNoAircraft);
        return;
    }
    CGraphDlg dialog(session_.Type(), session_.Computed().results, true, this);
    dialog.DoModal();
    GetDlgItem(IDC_WB_GRAPH)->update();
}

QList<Command> CWeightBalanceView::OwnCommands() {
    QList<Command> commands{{ID_FILE_SAVE, [this] { SaveLoading(); }},
                            {ID_FILE_OPEN, [this] { OpenLoading(); }},
                            // The loading follows the edited fleet here.
                            {ID_EDIT_AIRCRAFT, [this] { OnAircraftButton(); }}};
    for (const int id :
         {ID_GRAPH_LINES, ID_GRAPH_RAMP, ID_GRAPH_TAKEOFF, ID_GRAPH_ZERO_FUEL, ID_GRAPH_LANDING}) {
        const uint32_t bit = GraphOptionBit(id);
        commands.append({id,
                         [this, bit] {
                             ToggleGraphOption(bit);
                             SaveGraphOptions();
                             GetDlgItem(IDC_WB_GRAPH)->update();
                         },
                         [bit] {
                             return CommandState{true, (GraphOptions() & bit) != 0};
                         }});
    }
    return commands;
}

namespace {

// The dialogs start in the loading files' folder (made before they open).
FileDialogRequest LoadingFileRequest(const QString& title) {
    return {title, QStringLiteral("Weight Files (*.wb)"), QStringLiteral("wb"),
            LoadingFilesFolder()};
}

} // namespace

void CWeightBalanceView::SaveLoading() {
    if (!session_.HasAircraft()) {
        ShowMessage(kNoAircraft);
        return;
    }
    const FileDialogRequest request = LoadingFileRequest(QStringLiteral("Save weight & balance"));
    if (!ShowStatus(MakeFolder(request.initialPath, QStringLiteral("Error: "))))
        return;
    const QString path = CurrentPlatform().GetSaveFileName(this, request);
    if (!path.isEmpty())
        ShowStatus(WriteLoadingFile(path, session_.MakeText()));
}

void CWeightBalanceView::OpenLoading() {
    const FileDialogRequest request = LoadingFileRequest(QStringLiteral("Open weight & balance"));
    if (!ShowStatus(MakeFolder(request.initialPath, QStringLiteral("Error: "))))
        return;
    const QString path = CurrentPlatform().GetOpenFileName(this, request);
    if (path.isEmpty())
        return;
    const Outcome<QString> read = ReadLoadingFile(path);
    if (!read.ok()) {
        ShowStatus(read.error());
        return;
    }
    ShowStatus(session_.ApplyText(read.value()));
    Refresh();
}

void CWeightBalanceView::SaveWeightFile(bool showFailure) {
    ShowStatus(weightFile_.Save(session_, showFailure));
}
