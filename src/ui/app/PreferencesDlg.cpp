#include "ui/app/PreferencesDlg.h"

#include "core/app/PreferenceFields.h"
#include "core/common/Clock.h"
#include "core/common/text/DensityText.h"
#include "core/navdata/NavFileChoice.h"
#include "ui/app/NightColoursCommand.h"
#include "ui/document/TrevallionDoc.h"
#include "ui/framework/AppContext.h"
#include "ui/framework/DeviceScreen.h"
#include "ui/navdata/NavFileDialog.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QTabBar>

CPreferencesDlg::CPreferencesDlg(CTrevallionDoc& document, int initialPage, QWidget* parent)
    : CCalcDialog(kTemplates, parent), document_(document), initialPage_(initialPage),
      pages_(*this, IDC_PREF_PAGE_AREA, {std::begin(kPageMarkers), std::end(kPageMarkers)},
             IDC_PREF_TABS) {}

QTabBar* CPreferencesDlg::Tabs() const {
    return pages_.Tabs();
}

int CPreferencesDlg::CurrentPage() const {
    return pages_.Current();
}

bool CPreferencesDlg::OnInitDialog() {
    if (!CCalcDialog::OnInitDialog())
        return false;
    // The three page names share the width of a 240-pixel screen.
    Tabs()->setUsesScrollButtons(false);
    pages_.AddTabs({QStringLiteral("Airport Directory"), QStringLiteral("Flight Planning"),
                    QStringLiteral("Time Zone")},
                   initialPage_);
    connect(Tabs(), &QTabBar::currentChanged, this, [this](int page) { ShowPage(page); });
    MovePagesOntoArea();
    PlaceSquareOk();
    ShowPage(CurrentPage());
    ShowFileTexts();

    const PreferenceFields fields = PreferenceFieldsFrom(CurrentAppState().settings);
    SetDlgItemText(IDC_PREF_AVGAS, fields.avgasDensity);
    SetDlgItemText(IDC_PREF_JET, fields.jetDensity);
    QComboBox* units = Combo(IDC_PREF_FUEL_UNITS);
    units->addItems(FuelDensityUnitItems());
    units->setCurrentIndex(fields.fuelUnits);
    shownFuelUnit_ = fields.fuelUnits;
    connect(units, &QComboBox::currentIndexChanged, this,
            [this](int unit) { OnFuelUnitChanged(unit); });
    QComboBox* format = Combo(IDC_PREF_LATLON_FORMAT);
    format->addItems({QStringLiteral("DD:MM.MM"), QStringLiteral("DD:MM:SS")});
    format->setCurrentIndex(fields.latLonFormat);
    CheckDlgButton(IDC_PREF_METRIC, fields.metric);
    CheckDlgButton(IDC_PREF_NIGHT_COLOURS, NightColoursChosen());
    CheckDlgButton(fields.customZone ? IDC_PREF_CUSTOM_ZONE : IDC_PREF_DEVICE_ZONE, true);
    SetDlgItemText(IDC_PREF_OFFSET, fields.offset);
    SetDlgItemText(IDC_PREF_ZONE_NAME, CurrentClock().LocalZone().displayName(
                                           QTimeZone::StandardTime, QTimeZone::LongName));
    Bind(IDC_PREF_SELECT_FILE, [this] { OnSelectFile(); });
    return true;
}

void CPreferencesDlg::ShowPage(int page) {
    pages_.Show(page);
}

void CPreferencesDlg::MovePagesOntoArea() {
    pages_.MoveOntoArea();
}

void CPreferencesDlg::resizeEvent(QResizeEvent* event) {
    CCalcDialog::resizeEvent(event);
    if (GetDlgItem(IDC_PREF_PAGE_AREA)) {
        MovePagesOntoArea();
        PlaceSquareOk();
    }
}

void CPreferencesDlg::PlaceSquareOk() {
    // Square screens use the portrait template, whose OK lies below the screen and which the
    // square set-up hides: OK joins the Cancel button in the title band instead.
    const DeviceScreen& screen = CurrentPlatform().Screen();
    QWidget* ok = GetDlgItem(kIdOk);
    if (!screen.IsSquare() || !ok)
        return;
    ok->setGeometry(screen.Width() - 104, 1, 50, 18);
    ok->show();
}

void CPreferencesDlg::ShowFileTexts() {
    const NavDatabase& nav = document_.NavData();
    SetDlgItemText(IDC_PREF_AIRPORT_FILE, NavFileTitleText(nav.IsLoaded(), nav.Description()));
    SetDlgItemText(IDC_PREF_VALID_UNTIL,
                   nav.IsLoaded() ? ValidUntilText(nav.ValidityDate()) : QString());
}

void CPreferencesDlg::OnSelectFile() {
    const QString path = AskForNavFilePath(this, document_);
    if (path.isEmpty())
        return;
    ShowStatus(document_.ChooseNavFile(path));
    ShowFileTexts();
}

void CPreferencesDlg::OnFuelUnitChanged(int unit) {
    if (unit == shownFuelUnit_ || unit < 0)
        return;
    const bool toKilos = unit == kKilosPerLitreItem;
    for (int id : {IDC_PREF_AVGAS, IDC_PREF_JET})
        SetDlgItemText(id, ConvertDensityText(GetDlgItemText(id), toKilos));
    shownFuelUnit_ = unit;
}

void CPreferencesDlg::OpenContextHelp() {
    CurrentPlatform().OpenHelp(QStringLiteral("Preferences%1").arg(CurrentPage()));
}

void CPreferencesDlg::OnOK() {
    PreferenceFields fields;
    fields.avgasDensity = GetDlgItemText(IDC_PREF_AVGAS);
    fields.jetDensity = GetDlgItemText(IDC_PREF_JET);
    fields.fuelUnits = Combo(IDC_PREF_FUEL_UNITS)->currentIndex();
    fields.latLonFormat = Combo(IDC_PREF_LATLON_FORMAT)->currentIndex();
    fields.metric = IsDlgButtonChecked(IDC_PREF_METRIC);
    fields.customZone = IsDlgButtonChecked(IDC_PREF_CUSTOM_ZONE);
    fields.offset = GetDlgItemText(IDC_PREF_OFFSET);
    ApplyPreferenceFields(fields, &CurrentAppState().settings);
    ChooseNightColours(IsDlgButtonChecked(IDC_PREF_NIGHT_COLOURS));
    CCalcDialog::OnOK();
}
