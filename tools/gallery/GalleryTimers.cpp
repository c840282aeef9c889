// Screens of the count timers and the world clocks: the Timers dialog with a count-down under
// way, the Timer Options dialog, the Time Zones view with its default places at a fixed time,
// and its two editor dialogs.
#include "GalleryScreen.h"

#include "core/common/Clock.h"
#include "core/common/settings/MemorySettingsStore.h"
#include "resource.h"
#include "ui/document/TrevallionDoc.h"
#include "ui/framework/DeviceScreen.h"
#include "ui/framework/Platform.h"
#include "ui/times/TimeZoneDlg.h"
#include "ui/times/TimeZonesDlg.h"
#include "ui/times/TimeZonesView.h"
#include "ui/times/TimerOptionsDlg.h"
#include "ui/times/TimersDlg.h"

namespace {

using namespace timer_options;

// The document a sample borrows, made before the screen and destroyed after it.
struct TimersSampleDocument {
    TimersSampleDocument() : document(CurrentPlatform().Settings(), fix) {
        CountTimer& fuel = document.Times().timers[1];
        fuel.SetName(QStringLiteral("Fuel"));
        fuel.SetOptions(kCountDown | kRestart | kPlaySound);
        fuel.SetValue(1800);
        (void)fuel.SetStarting(scratch);
        fuel.SetValue(1385);
        (void)fuel.Start();
    }
    MemorySettingsStore scratch; // "Set starting" of the sample writes here
    GpsFix fix;
    CTrevallionDoc document;
};

class CTimersDlgSample : private TimersSampleDocument, public CTimersDlg {
public:
    explicit CTimersDlgSample(QWidget* parent) : CTimersDlg(document, 1, parent) {}
};

class CTimerOptionsDlgSample : private TimersSampleDocument, public CTimerOptionsDlg {
public:
    explicit CTimerOptionsDlgSample(QWidget* parent)
        : CTimerOptionsDlg(document.Times().timers[1], parent) {}
};

const GalleryRegistration kTimers{"CTimersDlg", CTimersDlg::kTemplates,
                                  MakeDialog<CTimersDlgSample>};
const GalleryRegistration kTimerOptions{"CTimerOptionsDlg", CTimerOptionsDlg::kTemplates,
                                        MakeDialog<CTimerOptionsDlgSample>};

// 10 June 2026, 23:30 UTC: Sydney is already in the next day.
QDateTime SampleTime() {
    return QDateTime(QDate(2026, 6, 10), QTime(23, 30), QTimeZone::utc());
}

// The view on a document of its own, with the clock fixed while it lives.
class CTimeZonesViewSample : public QWidget {
public:
    explicit CTimeZonesViewSample(QWidget* parent)
        : QWidget(parent), clock_(SampleTime()), document_(CurrentPlatform().Settings(), fix_) {
        SetCurrentClock(&clock_);
    }
    ~CTimeZonesViewSample() override {
        view_.reset();
        SetCurrentClock(nullptr);
    }
    bool CreateView() {
        view_ = std::make_unique<CTimeZonesView>(document_, commands_, this);
        view_->resize(CurrentPlatform().Screen().Size());
        return view_->Create();
    }

private:
    FixedClock clock_;
    GpsFix fix_;
    CTrevallionDoc document_;
    CCommandTable commands_;
    std::unique_ptr<CTimeZonesView> view_;
};

std::unique_ptr<QWidget> TimeZonesView(GalleryContext& context) {
    auto sample = std::make_unique<CTimeZonesViewSample>(context.frame);
    if (!sample->CreateView())
        return nullptr;
    return sample;
}

const GalleryRegistration kTimeZonesView{
    "CTimeZonesView", LayoutTriple{ID_VIEW_TIME_ZONES, ID_VIEW_TIME_ZONES, ID_VIEW_TIME_ZONES},
    TimeZonesView};

std::unique_ptr<QWidget> TimeZonesDialog(GalleryContext& context) {
    WorldClocks clocks = WorldClocks::Load(CurrentPlatform().Settings());
    clocks.places.append({QStringLiteral("Auckland"), -290}); // kept, not shown
    auto dialog = std::make_unique<CTimeZonesDlg>(clocks, context.frame);
    if (!dialog->Create())
        return nullptr;
    return dialog;
}

const GalleryRegistration kTimeZones{"CTimeZonesDlg", CTimeZonesDlg::kTemplates, TimeZonesDialog};

std::unique_ptr<QWidget> TimeZoneDialog(GalleryContext& context) {
    auto dialog = std::make_unique<CTimeZoneDlg>(WorldClock{QStringLiteral("Sydney"), 255}, false,
                                                 context.frame);
    if (!dialog->Create())
        return nullptr;
    return dialog;
}

const GalleryRegistration kTimeZone{"CTimeZoneDlg", CTimeZoneDlg::kTemplates, TimeZoneDialog};

} // namespace
