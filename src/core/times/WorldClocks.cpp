#include "core/times/WorldClocks.h"
#include "core/common/text/Format.h"

#include "core/common/Clock.h"
#include "core/common/settings/SettingsSchema.h"
#include "core/common/text/NumberText.h"
#include "core/times/ZoneTable.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

WorldClocks WorldClocks::Load(const SettingsStore& store) {
    WorldClocks clocks;
    for (int i = 0;; ++i) {
        const QString value = setting::kWorldClock.At(i).Read(store);
        if (value.isEmpty())
            break;
        clocks.valuesRead_ = i + 1;
        const qsizetype equals = value.indexOf(QLatin1Char('='));
        if (equals < 0)
            continue;
        clocks.places.append({value.left(equals), TextToInt(QStringView(value).mid(equals + 1))});
    }
    if (clocks.places.isEmpty()) {
        clocks.places = {{QStringLiteral("London"), 90},
                         {QStringLiteral("Toronto"), 35},
                         {QStringLiteral("Seattle"), 4},
                         {QStringLiteral("Sydney"), 255}};
    }
    return clocks;
}

void WorldClocks::Save(SettingsStore& store) {
    for (int i = 0; i < valuesRead_; ++i)
        setting::kWorldClock.At(i).Remove(store);
    for (int i = 0; i < places.size(); ++i)
        setting::kWorldClock.At(i).Write(store, places[i].name + FormatText("=%i", places[i].key));
    valuesRead_ = static_cast<int>(places.size());
}

QVector<WorldClockRow> WorldClocks::Rows(const QDateTime& utc, const QDate& deviceLocalDate) const {
    QVector<WorldClockRow> rows;
    for (const WorldClock& place : places)
        if (place.Shown())
            rows.append({place.name, WorldClockTime(place.key, utc, deviceLocalDate)});
    return rows;
}

QVector<WorldClockRow> WorldClocks::Rows() const {
    const QDateTime utc = CurrentClock().NowUtc();
    return Rows(utc, utc.toTimeZone(CurrentClock().LocalZone()).date());
}

void WorldClocks::SetShown(int index, bool shown) {
    if (index < 0 || index >= places.size())
        return;
    const int magnitude = places[index].ZoneKey();
    places[index].key = shown ? magnitude : -magnitude;
}

int WorldClock::ZoneKey() const {
    return key == std::numeric_limits<int>::min() ? std::numeric_limits<int>::max() : std::abs(key);
}

QString WorldClockTime(int key, const QDateTime& utc, const QDate& deviceLocalDate) {
    const QDateTime moment = utc.toUTC();
    const QDateTime local = moment.addSecs(static_cast<qint64>(ZoneOffset(key, moment)) * 60);
    QString text = FormatText("%02u:%02u", static_cast<unsigned>(local.time().hour()),
                              static_cast<unsigned>(local.time().minute()));
    // Whole dates are compared, so the sign is right across month and year ends too.
    if (local.date() == deviceLocalDate.addDays(1))
        text += QLatin1Char('+');
    else if (local.date() == deviceLocalDate.addDays(-1))
        text += QLatin1Char('-');
    return text;
}

QVector<std::pair<QString, int>> SortedZoneNames() {
    const QDateTime utc = CurrentClock().NowUtc();
    QVector<std::pair<QString, int>> names;
    for (const ZoneRule& rule : ZoneTable())
        names.append({ZoneDisplayName(rule, utc), rule.key});
    std::sort(names.begin(), names.end());
    return names;
}
