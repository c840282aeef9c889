#pragma once
// Setting the computer's clock from GPS time ("Set system time"). The system allows it only to
// privileged users: a refusal comes back as "Error: " followed by the system's text, never
// silently. Tests replace the setter so they never touch the real clock.

#include "core/common/Outcome.h"

#include <QDateTime>

#include <functional>

using SystemClockSetter = std::function<Status(const QDateTime& utc)>;

// Sets the system clock to the UTC time through the current setter.
Status SetSystemClock(const QDateTime& utc);

// Replaces the setter; an empty function restores the one that sets the real clock.
void InstallSystemClockSetter(SystemClockSetter setter);
