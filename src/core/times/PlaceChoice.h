#pragma once
// What the "Time Zone" dialog's OK makes of its inputs: the place's name and the key of the
// chosen zone. With no zone chosen, a place being edited keeps the key it had; a new place is
// refused. A name holding "=" is refused, because the stored "TimeZone%i" value "name=key" would
// read back cut at the first "=".

#include "core/common/Outcome.h"
#include "core/times/WorldClocks.h"

#include <optional>

// `chosenKey` is the key of the list's selection (nullopt: none); `previousKey` the key the
// dialog opened with.
Outcome<WorldClock> ChoosePlace(const QString& name, std::optional<int> chosenKey, int previousKey,
                                bool newPlace);
