#include "ui/navdata/AirportView.h"

#include "core/common/resources/Resources.h"
#include "core/common/settings/AppSettings.h"
#include "core/navdata/AirportDisplay.h"
#include "ui/document/TrevallionDoc.h"
#include "ui/framework/AppContext.h"
#include "ui/navdata/AirportSearchDlg.h"
#include "ui/navdata/NavFileDialog.h"
#include "ui/navdata/ReportList.h"
#include "ui/navdata/RunwayDiagramDlg.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QTabBar>
#include <QTreeWidget>

namespace {

DisplayPreferences CurrentDisplayPreferences() {
    const AppSettings& settings = CurrentAppState().settings;
    return {settings.metric, settings.secondsFormat};
}

} // namespace

CAirportView::CAirportView(CTrevallionDoc& document, CCommandTable& commands, QWidget* parent)
    : CCustomFormView(kTemplates, QStringLiteral("Airport Directory"), parent), document_(document),
      ownCommands_(commands.Add({{ID_FILE_OPEN, [this] { OnFileOpen(); }}})) {}

QComboBox* CAirportView::IdentBox() const {
    return Combo(IDC_AIRPORT_IDENT);
}
QTabBar* CAirportView::Tabs() const {
    return Item<QTabBar>(IDC_AIRPORT_TABS);
}
QTreeWidget* CAirportView::InfoList() const {
    return Item<QTreeWidget>(IDC_AIRPORT_INFO_LIST);
}
QTreeWidget* CAirportView::RunwayList() const {
    return Item<QTreeWidget>(IDC_AIRPORT_RUNWAY_LIST);
}

void CAirportView::OnInitialUpdate() {
    for (const char* tab : {"Info", "RWY", "Comm"})
        Tabs()->addTab(QString::fromLatin1(tab));
    Tabs()->setCurrentIndex(kInfoTab);
    connect(Tabs(), &QTabBar::currentChanged, this, [this] { DrawTab(); });
    Bind(IDC_AIRPORT_SHOW, [this] { OnShow(); });
    Bind(IDC_AIRPORT_FIND, [this] { OnFind(); });
    Bind(IDC_AIRPORT_VIEW_RUNWAYS, [this] { OnViewRunways(); });
    // A pick from the drop list is shown without the length rule.
    connect(IdentBox(), &QComboBox::activated, this,
            [this](int index) { ShowIdent(IdentBox()->itemText(index)); });
    FillIdentBox(QString());
    CCustomFormView::OnInitialUpdate();
    const QStringList& recent = document_.NavData().RecentAirports();
    if (!recent.isEmpty())
        ShowIdent(recent.first());
    else
        DrawTab();
}

void CAirportView::Relayout() {
    CCustomFormView::Relayout();
    if (!Tabs())
        return;
    // The column widths follow the lists' new widths.
    FillRunwayList();
    DrawTab();
}

void CAirportView::FillIdentBox(const QString& ident) {
    QComboBox* box = IdentBox();
    const QSignalBlocker block(box);
    box->clear();
    box->addItems(document_.NavData().RecentAirports());
    box->setCurrentIndex(-1);
    box->setEditText(ident);
}

void CAirportView::OnShow() {
    const QString ident = IdentBox()->currentText();
    if (!IsIcaoIdentLength(ident)) {
        ShowMessage(LoadString(IDS_ENTER_ICAO_IDENT));
        return;
    }
    ShowIdent(ident);
}

bool CAirportView::ShowIdent(const QString& ident) {
    RunwayList()->clear();
    NavDatabase& nav = document_.NavData();
    if (ident.isEmpty()) {
        nav.ClearCurrentAirport();
        DrawTab();
        return true;
    }
    if (nav.SelectAirport(ident) == 0) {
        // Nothing of the airport shown before may stay beside the identifier now typed.
        nav.ClearCurrentAirport();
        DrawTab();
        ShowMessage(LoadString(IDS_AIRPORT_NOT_FOUND));
        return false;
    }
    FillIdentBox(ident);
    FillRunwayList();
    DrawTab();
    return true;
}

void CAirportView::FillRunwayList() {
    QTreeWidget* list = RunwayList();
    SetReportColumns(list, {50, ReportClientWidth(list) - 50});
    const AirportDetails& airport = document_.NavData().CurrentAirport();
    AddReportRows(list, RunwayRows(airport.runways, CurrentDisplayPreferences().metric));
}

void CAirportView::OnTimerTick() {
    if (CurrentAppState().settings.PreferenceBits() == drawnPreferences_)
        return;
    FillRunwayList();
    DrawTab();
}

void CAirportView::DrawTab() {
    drawnPreferences_ = CurrentAppState().settings.PreferenceBits();
    QTreeWidget* info = InfoList();
    const int tab = Tabs()->currentIndex();
    const bool runways = tab == kRunwayTab;
    info->setVisible(!runways);
    RunwayList()->setVisible(runways);
    QWidget* viewRunways = GetDlgItem(IDC_AIRPORT_VIEW_RUNWAYS);
    viewRunways->setVisible(runways);
    const AirportDetails& airport = document_.NavData().CurrentAirport();
    viewRunways->setEnabled(!airport.runways.isEmpty());

    SetReportColumns(info, {});
    const int client = ReportClientWidth(info);
    if (tab == kInfoTab && IsAirportShown(airport.record)) {
        SetReportColumns(info, {45, client - 45});
        AddReportRows(info, AirportInfoRows(airport, CurrentDisplayPreferences()));
    } else if (tab == kInfoTab) {
        SetReportColumns(info, {5, client - 5});
        AddReportRows(info, AirportInstructionRows());
    } else if (tab == kCommTab && !airport.comm.isEmpty()) {
        const QVector<DisplayRow> rows = AirportCommRows(airport);
        int labelWidth = 70;
        const QFontMetrics metrics(info->font());
        for (const DisplayRow& row : rows)
            labelWidth = std::max(labelWidth, metrics.horizontalAdvance(row.label));
        SetReportColumns(info, {labelWidth, ReportClientWidth(info) - 80});
        AddReportRows(info, rows);
    }
}

void CAirportView::OnFind() {
    CAirportSearchDlg search(document_, this);
    if (search.DoModal() == kIdOk && !search.SelectedIdent().isEmpty())
        ShowIdent(search.SelectedIdent());
}

void CAirportView::OnViewRunways() {
    CRunwayDiagramDlg diagram(document_.NavData().CurrentAirport(), this);
    diagram.DoModal();
}

void CAirportView::OnFileOpen() {
    const QString path = AskForNavFilePath(this, document_);
    if (path.isEmpty())
        return;
    ShowStatus(document_.ChooseNavFile(path));
    IdentBox()->setEditText(QString());
    OnShow();
}
