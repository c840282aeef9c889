// Screens of the logbook: the Logbook view on four flights of the gallery's own (its scratch
// documents folder), dated back from today so the totals and the currency read as a pilot's
// would, and one of them open in the Flight dialog.
#include "GalleryScreen.h"

#include "core/common/Clock.h"
#include "core/logbook/LogbookStore.h"
#include "ui/document/TrevallionDoc.h"
#include "ui/logbook/LogbookEntryDlg.h"

#include <QTimeZone>

namespace {

struct SampleFlight {
    int daysAgo;
    const char* from;
    const char* to;
    int startHour;
    int airMinutes;
    int landings;
    int nightLandings;
    const char* remarks;
};

constexpr SampleFlight kFlights[] = {
    {2, "KSEA", "KBFI", 9, 55, 3, 0, "Circuits"},
    {10, "KBFI", "KPAE", 18, 70, 1, 1, "Night cross-country"},
    {40, "KPAE", "S43", 14, 35, 2, 0, ""},
    {200, "S43", "KSEA", 11, 50, 1, 0, "Check flight"},
};

LogbookEntry Flight(const SampleFlight& f) {
    LogbookEntry e;
    e.date = CurrentClock().NowUtc().date().addDays(-f.daysAgo);
    e.registration = QStringLiteral("N123A");
    e.aircraftType = QStringLiteral("C172");
    e.departure = QString::fromLatin1(f.from);
    e.arrival = QString::fromLatin1(f.to);
    e.startup = QDateTime(e.date, QTime(f.startHour, 0), QTimeZone::utc()).toUTC();
    e.takeoff = e.startup.addSecs(8 * 60);
    e.landing = e.takeoff.addSecs(f.airMinutes * 60);
    e.shutdown = e.landing.addSecs(6 * 60);
    e.blockMinutes = f.airMinutes + 14;
    e.flightMinutes = e.airMinutes = f.airMinutes;
    e.nightMinutes = f.nightLandings > 0 ? f.airMinutes / 2 : 0;
    e.landings = f.landings;
    e.nightLandings = f.nightLandings;
    e.remarks = QString::fromLatin1(f.remarks);
    return e;
}

const GalleryRegistration kEntry{"CLogbookEntryDlg", CLogbookEntryDlg::kTemplates,
                                 [](GalleryContext& c) -> std::unique_ptr<QWidget> {
                                     auto dialog = std::make_unique<CLogbookEntryDlg>(
                                         Flight(kFlights[1]), false, c.frame);
                                     if (!dialog->Create())
                                         return nullptr;
                                     return dialog;
                                 }};

} // namespace

void SeedGalleryLogbook(CTrevallionDoc& document) {
    LogbookStore& logbook = document.Logbook();
    if (!logbook.IsOpen() && !logbook.Open().ok())
        return;
    const Outcome<QList<LogbookEntry>> held = logbook.List();
    if (!held.ok() || !held->isEmpty())
        return;
    for (const SampleFlight& flight : kFlights)
        if (const Outcome<qint64> added = logbook.Add(Flight(flight)); !added.ok())
            qWarning("%s", qPrintable(added.error().text));
}
