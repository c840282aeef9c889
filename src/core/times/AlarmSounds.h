#pragma once
// The sounds of the count timers passing zero: which file (the timer's own, else the shipped
// alarm), how often ("Repeat" plays it three times, one tick apart), and the report of a file
// that cannot be played, given once per file for the whole run. A sound that cannot be played
// never changes what the timer does.

#include "core/common/Outcome.h"

#include <QList>
#include <QSet>
#include <QStringList>
#include <QVector>

class CountTimer;

// The shipped default sound: <program folder>/sounds/alarm.wav.
QString DefaultAlarmSound();
// The file a timer plays: its chosen sound, or the default one when none is chosen.
QString TimerSoundFile(const CountTimer& timer);

class AlarmSounds {
public:
    static constexpr int kRepeatPlays = 3; // "Repeat": three plays, one tick apart

    // The timer passed zero with its sound option: plays on this tick, and with "Repeat" on the
    // next two as well. A timer that passes zero again starts its plays afresh.
    void Schedule(const CountTimer& timer);

    struct Due {
        QStringList playable;   // checked files to play now, in the order scheduled
        QList<Message> reports; // files that cannot be played, each reported once per run
    };
    // The plays of this tick, checked with CheckWaveFile.
    Due TakeDue();

    // Whether a failure of this file is still to be reported; remembers that it now is.
    bool FirstReport(const QString& path);
    bool HasPending() const { return !pending_.isEmpty(); }

private:
    struct Pending {
        int timer = 0;
        QString path;
        int playsLeft = 0;
    };
    QVector<Pending> pending_;
    QSet<QString> reported_;
};
