// Screens of the airport directory and the Preferences dialog, on the world file shipped with the
// program: Seattle-Tacoma on each tab, searches with their results, a nav aid and the runway
// diagram of a multi-runway airport.
#include "GalleryScreen.h"

#include "core/navdata/NavFileChoice.h"
#include "resource.h"
#include "ui/app/PreferencesDlg.h"
#include "ui/document/TrevallionDoc.h"
#include "ui/framework/Platform.h"
#include "ui/navdata/AirportSearchDlg.h"
#include "ui/navdata/AirportView.h"
#include "ui/navdata/NavAidInfoDlg.h"
#include "ui/navdata/RunwayDiagramDlg.h"
#include "ui/navdata/SearchLocationDlg.h"

#include <QTabBar>
#include <QTreeView>
#include <QTreeWidget>

// One document on the shipped world file for the screens that show navigation data; it lives
// until the gallery ends.
CTrevallionDoc& GalleryDocument() {
    static GpsFix fix;
    static CTrevallionDoc* document = [] {
        auto* doc = new CTrevallionDoc(CurrentPlatform().Settings(), fix);
        // Without the file the screens show no airport, which the pictures make plain.
        if (const Status loaded = doc->ChooseNavFile(ShippedNavFilePath()); !loaded.ok())
            qWarning("%s", qPrintable(loaded.error().text));
        return doc;
    }();
    return *document;
}

namespace {

const QString kAirport = QStringLiteral("KSEA");

GalleryRegistration ViewOnTab(const char* name, int tab) {
    return GalleryRegistration(
        name, CAirportView::kTemplates, [tab](GalleryContext& c) -> std::unique_ptr<QWidget> {
            auto view = std::make_unique<CAirportView>(GalleryDocument(), c.commands, c.frame);
            if (!view->Create())
                return nullptr;
            view->ShowIdent(kAirport);
            view->Item<QTabBar>(IDC_AIRPORT_TABS)->setCurrentIndex(tab);
            return view;
        });
}

const GalleryRegistration kInfo = ViewOnTab("CAirportView_Info", CAirportView::kInfoTab);
const GalleryRegistration kRunways = ViewOnTab("CAirportView_RWY", CAirportView::kRunwayTab);
const GalleryRegistration kComm = ViewOnTab("CAirportView_Comm", CAirportView::kCommTab);

// Selects the first row of a search result list.
void SelectFirst(CCalcDialog& dialog) {
    auto* list = dialog.Item<QTreeView>(IDC_SEARCH_RESULTS);
    if (list->model()->rowCount() > 0)
        list->setCurrentIndex(list->model()->index(0, 0));
}

const GalleryRegistration kAirportSearch{
    "CAirportSearchDlg", CAirportSearchDlg::kTemplates,
    [](GalleryContext& c) -> std::unique_ptr<QWidget> {
        auto dialog = std::make_unique<CAirportSearchDlg>(GalleryDocument(), c.frame);
        if (!dialog->Create())
            return nullptr;
        dialog->SetDlgItemText(IDC_SEARCH_TEXT, QStringLiteral("tacoma"));
        dialog->OnSearch();
        SelectFirst(*dialog);
        return dialog;
    }};

const GalleryRegistration kSearchLocation{
    "CSearchLocationDlg", CSearchLocationDlg::kTemplates,
    [](GalleryContext& c) -> std::unique_ptr<QWidget> {
        auto dialog =
            std::make_unique<CSearchLocationDlg>(GalleryDocument(), LocationKind::NavAid, c.frame);
        if (!dialog->Create())
            return nullptr;
        dialog->SetDlgItemText(IDC_SEARCH_TEXT, QStringLiteral("seattle"));
        dialog->OnSearch();
        SelectFirst(*dialog);
        return dialog;
    }};

const GalleryRegistration kNavAid{"CNavAidInfoDlg", CNavAidInfoDlg::kTemplates,
                                  [](GalleryContext& c) -> std::unique_ptr<QWidget> {
                                      NavAidRecord record;
                                      QString name;
                                      GalleryDocument().NavData().FindNavAid("SEA", &record, &name);
                                      auto dialog =
                                          std::make_unique<CNavAidInfoDlg>(record, name, c.frame);
                                      if (!dialog->Create())
                                          return nullptr;
                                      return dialog;
                                  }};

GalleryRegistration Diagram(const char* name, const char* ident) {
    return GalleryRegistration(name, CRunwayDiagramDlg::kTemplates,
                               [ident](GalleryContext& c) -> std::unique_ptr<QWidget> {
                                   NavDatabase& nav = GalleryDocument().NavData();
                                   nav.SelectAirport(QString::fromLatin1(ident));
                                   auto dialog = std::make_unique<CRunwayDiagramDlg>(
                                       nav.CurrentAirport(), c.frame);
                                   if (!dialog->Create())
                                       return nullptr;
                                   return dialog;
                               });
}

const GalleryRegistration kDiagramSea = Diagram("CRunwayDiagramDlg_KSEA", "KSEA");
const GalleryRegistration kDiagramOrd = Diagram("CRunwayDiagramDlg_KORD", "KORD");
const GalleryRegistration kDiagramSyd = Diagram("CRunwayDiagramDlg_YSSY", "YSSY");

// Preferences has no square template: square screens use the portrait one, shown here too.
constexpr LayoutTriple kPreferencesGalleryLayouts{IDD_PREFERENCES_P, IDD_PREFERENCES_L,
                                                  IDD_PREFERENCES_P};

GalleryRegistration PreferencesOn(const char* name, int page) {
    return GalleryRegistration(
        name, kPreferencesGalleryLayouts, [page](GalleryContext& c) -> std::unique_ptr<QWidget> {
            auto dialog = std::make_unique<CPreferencesDlg>(GalleryDocument(), page, c.frame);
            if (!dialog->Create())
                return nullptr;
            return dialog;
        });
}

const GalleryRegistration kPreferences0 = PreferencesOn("CPreferencesDlg_Airport", 0);
const GalleryRegistration kPreferences1 = PreferencesOn("CPreferencesDlg_Planning", 1);
const GalleryRegistration kPreferences2 = PreferencesOn("CPreferencesDlg_TimeZone", 2);

} // namespace
