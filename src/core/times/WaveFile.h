#pragma once
// Whether a file can be played as a timer's sound: a readable RIFF/WAVE file of a sensible size.
// The timers check before they hand a file to the platform's sound player, which reports nothing.

#include "core/common/Outcome.h"

#include <QString>

// Largest wave file a timer plays (several minutes of CD-quality sound).
inline constexpr qint64 kMaxWaveFileBytes = 32 * 1024 * 1024;

// Succeeds for a readable file of at most kMaxWaveFileBytes that begins "RIFF" ... "WAVE". On
// failure the message names the file and the reason (warning icon).
Status CheckWaveFile(const QString& path);
