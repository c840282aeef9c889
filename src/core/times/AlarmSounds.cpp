#include "core/times/AlarmSounds.h"

#include "core/common/io/DeviceFolders.h"
#include "core/times/CountTimer.h"
#include "core/times/WaveFile.h"

QString DefaultAlarmSound() {
    return ProgramFolder() + QStringLiteral("sounds/alarm.wav");
}

QString TimerSoundFile(const CountTimer& timer) {
    return timer.Sound().isEmpty() ? DefaultAlarmSound() : timer.Sound();
}

void AlarmSounds::Schedule(const CountTimer& timer) {
    const int plays = timer.HasOption(timer_options::kRepeat) ? kRepeatPlays : 1;
    for (Pending& pending : pending_) {
        if (pending.timer == timer.Index()) {
            pending = {timer.Index(), TimerSoundFile(timer), plays};
            return;
        }
    }
    pending_.append({timer.Index(), TimerSoundFile(timer), plays});
}

AlarmSounds::Due AlarmSounds::TakeDue() {
    Due due;
    for (Pending& pending : pending_) {
        --pending.playsLeft;
        const Status playable = CheckWaveFile(pending.path);
        if (playable.ok()) {
            due.playable.append(pending.path);
            continue;
        }
        pending.playsLeft = 0; // a file that cannot be played is not tried again this time
        if (FirstReport(pending.path))
            due.reports.append(playable.error());
    }
    pending_.removeIf([](const Pending& pending) { return pending.playsLeft <= 0; });
    return due;
}

bool AlarmSounds::FirstReport(const QString& path) {
    if (reported_.contains(path))
        return false;
    reported_.insert(path);
    return true;
}
