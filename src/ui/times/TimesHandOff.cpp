#include "ui/times/TimesHandOff.h"

#include "core/times/FlightLogHandOff.h"
#include "core/times/TimesDisplay.h"
#include "ui/framework/CustomFormView.h"

#include <QFileInfo>

#include <cerrno>
#include <cstring>

void CopyTimesToClipboard(CCustomFormView* view, const QString& text) {
    Platform& platform = CurrentPlatform();
    platform.SetClipboardText(text);
    // The clipboard says nothing when it refuses text: reading it back is the only check.
    if (platform.ClipboardText() != text)
        view->ShowStatus(ClipboardSetFailure());
}

void HandTimesToFlightLog(CCustomFormView* view, const FlightTimes& times,
                          const TimesDisplay& display, int zoneOffset) {
    const InstalledFlightLogStores installed;
    const Outcome<FlightLogLaunch> plan =
        PlanFlightLogHandOff(installed.Stores(), times, display, zoneOffset);
    if (!plan.ok()) {
        view->ShowStatus(plan.error());
        return;
    }
    if (CurrentPlatform().StartProcess(plan->program, plan->Arguments()))
        return;
    const QFileInfo program(plan->program);
    const int reason = !program.exists() ? ENOENT : (!program.isExecutable() ? EACCES : ENOEXEC);
    view->ShowStatus(FlightLogStartFailure(QString::fromLocal8Bit(std::strerror(reason))));
}
