// Screens of the user waypoints and the Distance & Track calculator, on the world file shipped
// with the program and two waypoints of the gallery's own (in its scratch documents folder):
// the list in select mode, one waypoint being edited, and a calculation from a waypoint to
// Seattle-Tacoma with and without the flight plan buttons.
#include "GalleryScreen.h"

#include "core/navdata/NavFileChoice.h"
#include "ui/calculators/DistanceTrackDlg.h"
#include "ui/document/TrevallionDoc.h"
#include "ui/framework/Platform.h"
#include "ui/navdata/UserWaypointDlg.h"
#include "ui/navdata/UserWaypointsDlg.h"

namespace {

const UserWaypoint kHome{QStringLiteral("HOME"), QStringLiteral("Home strip"),
                         47 * 3600 + 30 * 60 + 15, 122 * 3600 + 10 * 60 + 30, 15};
const UserWaypoint kLake{QStringLiteral("LAKE"), QStringLiteral("Lake Stevens"), 48 * 3600 + 1 * 60,
                         122 * 3600 + 4 * 60, 16};

// One document for every screen of this file; it lives until the gallery ends.
CTrevallionDoc& Document() {
    static GpsFix fix;
    static CTrevallionDoc* document = [] {
        auto* doc = new CTrevallionDoc(CurrentPlatform().Settings(), fix);
        if (const Status loaded = doc->ChooseNavFile(ShippedNavFilePath()); !loaded.ok())
            qWarning("%s", qPrintable(loaded.error().text));
        for (const UserWaypoint& waypoint : {kHome, kLake})
            if (const Status added = doc->Waypoints().AddUserWaypoint(waypoint); !added.ok())
                qWarning("%s", qPrintable(added.error().text));
        return doc;
    }();
    return *document;
}

const GalleryRegistration kList{"CUserWaypointsDlg", CUserWaypointsDlg::kTemplates,
                                [](GalleryContext& c) -> std::unique_ptr<QWidget> {
                                    auto dialog = std::make_unique<CUserWaypointsDlg>(
                                        Document(), true, c.frame);
                                    if (!dialog->Create())
                                        return nullptr;
                                    return dialog;
                                }};

const GalleryRegistration kEdit{"CUserWaypointDlg", CUserWaypointDlg::kTemplates,
                                [](GalleryContext& c) -> std::unique_ptr<QWidget> {
                                    auto dialog = std::make_unique<CUserWaypointDlg>(
                                        kHome, Document().Settings(), true, c.frame);
                                    if (!dialog->Create())
                                        return nullptr;
                                    return dialog;
                                }};

GalleryRegistration DistanceTrack(const char* name, bool planButtons) {
    return GalleryRegistration(name, CDistanceTrackDlg::kTemplates,
                               [planButtons](GalleryContext& c) -> std::unique_ptr<QWidget> {
                                   // Calculated on opening; without the world file nothing is, so
                                   // no message stops the gallery.
                                   const bool loaded = Document().NavData().IsLoaded();
                                   CDistanceTrackDlg::LastPlaces last;
                                   last.fromKind = PlaceKind::User;
                                   last.fromText = loaded ? kHome.ident : QString();
                                   last.toText = QStringLiteral("KSEA");
                                   CDistanceTrackDlg::Last() = last;
                                   auto dialog = std::make_unique<CDistanceTrackDlg>(
                                       Document(), c.commands, c.frame);
                                   dialog->ShowFlightPlanButtons(planButtons);
                                   if (!dialog->Create())
                                       return nullptr;
                                   return dialog;
                               });
}

const GalleryRegistration kDistanceTrack = DistanceTrack("CDistanceTrackDlg", false);
const GalleryRegistration kDistanceTrackPlan = DistanceTrack("CDistanceTrackDlg_Plan", true);

} // namespace
