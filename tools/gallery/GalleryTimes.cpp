// Screens of the flight time recorder and the GPS: the Times view with a flight under way and
// with a finished one, and the GPS dialog reading a recording.
#include "GalleryScreen.h"

#include "core/common/Clock.h"
#include "core/common/settings/SettingsStore.h"
#include "core/gps/ReplayGpsSource.h"
#include "resource.h"
#include "ui/document/TrevallionDoc.h"
#include "ui/framework/DeviceScreen.h"
#include "ui/framework/Platform.h"
#include "ui/gps/GpsDlg.h"
#include "ui/times/TimerView.h"

#include <QFile>
#include <QTemporaryDir>
#include <QThread>

namespace {

// The Times view on a document of its own; the view goes before the document it borrows.
class CTimesViewSample : public QWidget {
public:
    explicit CTimesViewSample(QWidget* parent)
        : QWidget(parent), document_(CurrentPlatform().Settings(), fix_) {}
    ~CTimesViewSample() override {
        view_.reset();
        fix_.SetOpen(false);
    }
    CTrevallionDoc& Document() { return document_; }
    bool CreateView() {
        view_ = std::make_unique<CTimerView>(document_, commands_, this);
        view_->resize(CurrentPlatform().Screen().Size());
        return view_->Create();
    }

private:
    GpsFix fix_;
    CTrevallionDoc document_;
    CCommandTable commands_;
    std::unique_ptr<CTimerView> view_;
};

SystemTime MinutesAgo(int minutes) {
    return SystemTime::FromDateTime(CurrentClock().NowUtc().addSecs(-60 * minutes));
}

std::unique_ptr<QWidget> TimesView(GalleryContext& context, bool finished) {
    auto sample = std::make_unique<CTimesViewSample>(context.frame);
    TimesState& times = sample->Document().Times();
    times.flight.Set(FlightEvent::Startup, MinutesAgo(finished ? 95 : 47));
    times.flight.Set(FlightEvent::Takeoff, MinutesAgo(finished ? 86 : 38));
    if (finished) {
        times.flight.Set(FlightEvent::Landing, MinutesAgo(12));
        times.flight.Set(FlightEvent::Shutdown, MinutesAgo(5));
    }
    times.timers[0].SetOptions(timer_options::kCountDown);
    times.timers[0].SetValue(754);
    if (!times.timers[0].Start().ok())
        return nullptr;
    times.timers[1].SetValue(1385);
    if (!finished) {
        if (!times.timers[1].Start().ok())
            return nullptr;
        // A GPS in flight: the view shows its ground speed.
        GpsFix& fix = sample->Document().Fix();
        fix.SetOpen(true);
        fix.ApplySentence("$GPRMC,100712.00,A,5226.9118,N,00144.7532,W,92.4,150.0,200326,,,A*77");
    }
    if (!sample->CreateView())
        return nullptr;
    return sample;
}

const GalleryRegistration kTimesRunning{"CTimerView_Running",
                                        LayoutTriple{ID_VIEW_TIMES, ID_VIEW_TIMES, ID_VIEW_TIMES},
                                        [](GalleryContext& c) { return TimesView(c, false); }};
const GalleryRegistration kTimesClosed{"CTimerView_Closed",
                                       LayoutTriple{ID_VIEW_TIMES, ID_VIEW_TIMES, ID_VIEW_TIMES},
                                       [](GalleryContext& c) { return TimesView(c, true); }};

// The document a sample dialog borrows, made before the dialog and destroyed after it.
struct SampleDocument {
    SampleDocument() : document(CurrentPlatform().Settings(), fix) {}
    GpsFix fix;
    CTrevallionDoc document;
};

class CGpsDlgSample : private SampleDocument, public CGpsDlg {
public:
    explicit CGpsDlgSample(QWidget* parent) : CGpsDlg(document, parent) {}
    CTrevallionDoc& Document() { return document; }
};

// The dialog with the receiver replaying one second of a flight.
std::unique_ptr<QWidget> GpsDialog(GalleryContext& context) {
    static QTemporaryDir folder;
    const QString path = folder.filePath("sample.nmea");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return nullptr;
    file.write("$GPGGA,100712.00,5226.9118,N,00144.7532,W,1,08,0.9,254.3,M,47.0,M,,*79\r\n"
               "$GPRMC,100712.00,A,5226.9118,N,00144.7532,W,75.0,240.0,200326,1.2,W,A*02\r\n");
    file.close();
    auto dialog = std::make_unique<CGpsDlgSample>(context.frame);
    CTrevallionDoc& document = dialog->Document();
    if (!document.Gps().StartGps(std::make_unique<ReplayGpsSource>(path, 60000)).ok())
        return nullptr;
    for (int i = 0; i < 200 && document.Fix().Snapshot().values.time == 0; ++i)
        QThread::msleep(5);
    if (!dialog->Create())
        return nullptr;
    dialog->SetDlgItemText(IDC_GPS_TAKEOFF_GS, QStringLiteral("40"));
    return dialog;
}

const GalleryRegistration kGps{"CGpsDlg", CGpsDlg::kTemplates, GpsDialog};

} // namespace
