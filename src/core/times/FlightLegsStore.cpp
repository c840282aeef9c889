#include "core/times/FlightLegsStore.h"

#include "core/common/settings/SettingsSchema.h"
#include "core/common/text/Format.h"
#include "core/times/FlightTimesStore.h"

#include <QStringList>

#include <cmath>

namespace {

constexpr qsizetype kMaxLegText = 160; // one leg's text is far shorter
static_assert(FlightLegs::kMaxLegs * (kMaxLegText + 1) <= setting::kFlightLegs.maxLength);

void AppendPlace(QStringList* fields, const SystemTime& time,
                 const std::optional<FlightPosition>& where) {
    fields->append(time.IsRecorded() ? StoredUtcText(time) : QString());
    fields->append(where ? FormatText("%.6f", where->latitude) : QString());
    fields->append(where ? FormatText("%.6f", where->longitude) : QString());
}

// Both coordinates or neither; false for anything else.
bool ParsePlace(const QString& latitude, const QString& longitude,
                std::optional<FlightPosition>* where) {
    if (latitude.isEmpty() && longitude.isEmpty())
        return true;
    bool latOk = false, lonOk = false;
    const FlightPosition p{latitude.toDouble(&latOk), longitude.toDouble(&lonOk)};
    if (!latOk || !lonOk || !(std::fabs(p.latitude) <= 90.0) || !(std::fabs(p.longitude) <= 180.0))
        return false;
    *where = p;
    return true;
}

std::optional<FlightLeg> ParseLeg(const QString& text) {
    const QStringList f = text.split(QLatin1Char(','));
    if (text.size() > kMaxLegText || f.size() != 6)
        return std::nullopt;
    FlightLeg leg;
    const std::optional<SystemTime> takeoff = ParseStoredUtc(f[0]);
    const std::optional<SystemTime> landing = ParseStoredUtc(f[3]);
    if (!takeoff || (!landing && !f[3].isEmpty()) || !ParsePlace(f[1], f[2], &leg.takeoffAt) ||
        !ParsePlace(f[4], f[5], &leg.landingAt))
        return std::nullopt;
    leg.takeoff = *takeoff;
    leg.landing = landing.value_or(SystemTime());
    return leg;
}

} // namespace

QString FlightLegsText(const FlightLegs& legs) {
    QStringList texts;
    for (const FlightLeg& leg : legs.Legs()) {
        QStringList fields;
        AppendPlace(&fields, leg.takeoff, leg.takeoffAt);
        AppendPlace(&fields, leg.landing, leg.landingAt);
        texts.append(fields.join(QLatin1Char(',')));
    }
    return texts.join(QLatin1Char(';'));
}

std::optional<std::vector<FlightLeg>> ParseFlightLegsText(const QString& text) {
    if (text.isEmpty() || text.size() > FlightLegs::kMaxLegs * (kMaxLegText + 1))
        return std::nullopt;
    const QStringList texts = text.split(QLatin1Char(';'));
    if (texts.size() > FlightLegs::kMaxLegs)
        return std::nullopt;
    std::vector<FlightLeg> legs;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        std::optional<FlightLeg> leg = ParseLeg(texts[i]);
        // Only the last leg may still be airborne.
        if (!leg || (i + 1 < texts.size() && !leg->landing.IsRecorded()))
            return std::nullopt;
        legs.push_back(*leg);
    }
    return legs;
}

void SaveFlightLegs(SettingsStore& store, const FlightLegs& legs) {
    if (legs.Legs().empty())
        setting::kFlightLegs.Remove(store);
    else
        setting::kFlightLegs.Write(store, FlightLegsText(legs));
}

FlightLegs LoadFlightLegs(const SettingsStore& store) {
    FlightLegs legs;
    if (std::optional<std::vector<FlightLeg>> read =
            ParseFlightLegsText(setting::kFlightLegs.Read(store)))
        legs.Set(std::move(*read));
    return legs;
}
