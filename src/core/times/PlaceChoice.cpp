#include "core/times/PlaceChoice.h"

Outcome<WorldClock> ChoosePlace(const QString& name, std::optional<int> chosenKey, int previousKey,
                                bool newPlace) {
    if (name.contains(QLatin1Char('=')))
        return Outcome<WorldClock>::Fail(QStringLiteral("A place name cannot contain \"=\"."),
                                         MessageIcon::Information);
    if (!chosenKey && newPlace)
        return Outcome<WorldClock>::Fail(QStringLiteral("Choose the time zone of the place."),
                                         MessageIcon::Information);
    return WorldClock{name.left(WorldClocks::kMaxNameLength), chosenKey.value_or(previousKey)};
}
