#include "core/times/ZoneTable.h"

#include "core/common/text/Format.h"

#include <QByteArray>

#include <cstdlib>

namespace {

// Key, name, bias, daylight bias, daylight start, standard bias, daylight end, IANA zones.
// The daylight-saving rules are those of 2006; the IANA zones carry the rules in force today.
// clang-format off
constexpr std::array<ZoneRule, kZoneCount> kZones = {{
    {175, "(GMT+04:30) Kabul", 270, 60, {}, 0, {}, {"Asia/Kabul", nullptr}},
    {3, "(GMT-09:00) Alaska", -540, 60, {4, 1, 0, 2}, 0, {10, 5, 0, 2}, {"America/Anchorage", nullptr}},
    {150, "(GMT+03:00) Kuwait, Riyadh", 180, 60, {}, 0, {}, {"Asia/Riyadh", nullptr}},
    {165, "(GMT+04:00) Abu Dhabi, Muscat", 240, 60, {}, 0, {}, {"Asia/Dubai", nullptr}},
    {158, "(GMT+03:00) Baghdad", 180, 60, {4, 1, 0, 3}, 0, {10, 1, 0, 4}, {"Asia/Baghdad", nullptr}},
    {50, "(GMT-04:00) Atlantic Time (Canada)", -240, 60, {4, 1, 0, 2}, 0, {10, 5, 0, 2}, {"America/Halifax", nullptr}},
    {245, "(GMT+09:30) Darwin", 570, 60, {}, 0, {}, {"Australia/Darwin", nullptr}},
    {255, "(GMT+10:00) Canberra, Melbourne, Sydney", 600, 60, {10, 5, 0, 2}, 0, {3, 5, 0, 3}, {"Australia/Sydney", nullptr}},
    {80, "(GMT-01:00) Azores", -60, 60, {3, 5, 0, 2}, 0, {10, 5, 0, 3}, {"Atlantic/Azores", nullptr}},
    {25, "(GMT-06:00) Saskatchewan", -360, 60, {}, 0, {}, {"America/Regina", nullptr}},
    {83, "(GMT-01:00) Cape Verde Is.", -60, 60, {}, 0, {}, {"Atlantic/Cape_Verde", nullptr}},
    {170, "(GMT+04:00) Baku, Tbilisi, Yerevan", 240, 60, {3, 5, 0, 2}, 0, {10, 5, 0, 3}, {"Asia/Baku", nullptr}},
    {250, "(GMT+09:30) Adelaide", 570, 60, {10, 5, 0, 2}, 0, {3, 5, 0, 3}, {"Australia/Adelaide", nullptr}},
    {33, "(GMT-06:00) Central America", -360, 60, {}, 0, {}, {"America/Guatemala", nullptr}},
    {195, "(GMT+06:00) Astana, Dhaka", 360, 60, {}, 0, {}, {"Asia/Dhaka", nullptr}},
    {95, "(GMT+01:00) Belgrade, Bratislava, Budapest, Ljubljana, Prague", 60, 60, {3, 5, 0, 2}, 0, {10, 5, 0, 3}, {"Europe/Budapest", nullptr}},
    {100, "(GMT+01:00) Sarajevo, Skopje, Warsaw, Zagreb", 60, 60, {3, 5, 0, 2}, 0, {10, 5, 0, 3}, {"Europe/Warsaw", nullptr}},
    {280, "(GMT+11:00) Magadan, Solomon Is., New Caledonia", 660, 60, {}, 0, {}, {"Pacific/Guadalcanal", nullptr}},
    {20, "(GMT-06:00) Central Time (US & Canada)", -360, 60, {4, 1, 0, 2}, 0, {10, 5, 0, 2}, {"America/Chicago", nullptr}},
    {210, "(GMT+08:00) Beijing, Chongqing, Hong Kong, Urumqi", 480, 60, {}, 0, {}, {"Asia/Shanghai", nullptr}},
    {350, "(GMT-12:00) International Date Line West", -720, 60, {}, 0, {}, {"Etc/GMT+12", nullptr}},
    {155, "(GMT+03:00) Nairobi", 180, 60, {}, 0, {}, {"Africa/Nairobi", nullptr}},
    {260, "(GMT+10:00) Brisbane", 600, 60, {}, 0, {}, {"Australia/Brisbane", nullptr}},
    {115, "(GMT+02:00) Bucharest", 120, 60, {3, 5, 0, 0}, 0, {10, 5, 0, 1}, {"Europe/Bucharest", nullptr}},
    {65, "(GMT-03:00) Brasilia", -180, 60, {10, 3, 0, 2}, 0, {2, 2, 0, 2}, {"America/Sao_Paulo", nullptr}},
    {35, "(GMT-05:00) Eastern Time (US & Canada)", -300, 60, {4, 1, 0, 2}, 0, {10, 5, 0, 2}, {"America/New_York", nullptr}},
    {120, "(GMT+02:00) Cairo", 120, 60, {5, 1, 5, 2}, 0, {9, 5, 3, 2}, {"Africa/Cairo", nullptr}},
    {180, "(GMT+05:00) Ekaterinburg", 300, 60, {3, 5, 0, 2}, 0, {10, 5, 0, 3}, {"Asia/Yekaterinburg", nullptr}},
    {285, "(GMT+12:00) Fiji, Kamchatka, Marshall Is.", 720, 60, {}, 0, {}, {"Pacific/Fiji", nullptr}},
    {125, "(GMT+02:00) Helsinki, Kyiv, Riga, Sofia, Tallinn, Vilnius", 120, 60, {3, 5, 0, 3}, 0, {10, 5, 0, 4}, {"Europe/Helsinki", nullptr}},
    {85, "(GMT) Greenwich Mean Time : Dublin, Edinburgh, Lisbon, London", 0, 60, {3, 5, 0, 1}, 0, {10, 5, 0, 2}, {"Europe/London", nullptr}},
    {73, "(GMT-03:00) Greenland", -180, 60, {4, 1, 0, 2}, 0, {10, 5, 0, 2}, {"America/Nuuk", "America/Godthab"}},
    {90, "(GMT) Casablanca, Monrovia", 0, 60, {}, 0, {}, {"Africa/Monrovia", nullptr}},
    {130, "(GMT+02:00) Athens, Beirut, Istanbul, Minsk", 120, 60, {3, 5, 0, 2}, 0, {10, 5, 0, 3}, {"Europe/Athens", nullptr}},
    {2, "(GMT-10:00) Hawaii", -600, 60, {}, 0, {}, {"Pacific/Honolulu", nullptr}},
    {190, "(GMT+05:30) Chennai, Kolkata, Mumbai, New Delhi", 330, 60, {}, 0, {}, {"Asia/Kolkata", "Asia/Calcutta"}},
    {160, "(GMT+03:30) Tehran", 210, 60, {3, 1, 0, 2}, 0, {9, 4, 2, 2}, {"Asia/Tehran", nullptr}},
    {135, "(GMT+02:00) Jerusalem", 120, 60, {}, 0, {}, {"Asia/Jerusalem", nullptr}},
    {230, "(GMT+09:00) Seoul", 540, 60, {}, 0, {}, {"Asia/Seoul", nullptr}},
    {30, "(GMT-06:00) Guadalajara, Mexico City, Monterrey", -360, 60, {4, 1, 0, 2}, 0, {10, 5, 0, 2}, {"America/Mexico_City", nullptr}},
    {13, "(GMT-07:00) Chihuahua, La Paz, Mazatlan", -420, 60, {4, 1, 0, 2}, 0, {10, 5, 0, 2}, {"America/Mazatlan", nullptr}},
    {75, "(GMT-02:00) Mid-Atlantic", -120, 60, {3, 5, 0, 2}, 0, {9, 5, 0, 2}, {"Etc/GMT+2", nullptr}},
    {10, "(GMT-07:00) Mountain Time (US & Canada)", -420, 60, {4, 1, 0, 2}, 0, {10, 5, 0, 2}, {"America/Denver", nullptr}},
    {203, "(GMT+06:30) Rangoon", 390, 60, {}, 0, {}, {"Asia/Yangon", "Asia/Rangoon"}},
    {201, "(GMT+06:00) Almaty, Novosibirsk", 360, 60, {3, 5, 0, 2}, 0, {10, 5, 0, 3}, {"Asia/Almaty", nullptr}},
    {193, "(GMT+05:45) Kathmandu", 345, 60, {}, 0, {}, {"Asia/Kathmandu", "Asia/Katmandu"}},
    {290, "(GMT+12:00) Auckland, Wellington", 720, 60, {10, 1, 0, 2}, 0, {3, 3, 0, 2}, {"Pacific/Auckland", nullptr}},
    {60, "(GMT-03:30) Newfoundland", -210, 60, {4, 1, 0, 2}, 0, {10, 5, 0, 2}, {"America/St_Johns", nullptr}},
    {227, "(GMT+08:00) Irkutsk, Ulaan Bataar", 480, 60, {3, 5, 0, 2}, 0, {10, 5, 0, 3}, {"Asia/Irkutsk", nullptr}},
    {207, "(GMT+07:00) Krasnoyarsk", 420, 60, {3, 5, 0, 2}, 0, {10, 5, 0, 3}, {"Asia/Krasnoyarsk", nullptr}},
    {56, "(GMT-04:00) Santiago", -240, 60, {10, 2, 6, 0}, 0, {3, 2, 6, 0}, {"America/Santiago", nullptr}},
    {4, "(GMT-08:00) Pacific Time (US & Canada); Tijuana", -480, 60, {4, 1, 0, 2}, 0, {10, 5, 0, 2}, {"America/Los_Angeles", nullptr}},
    {105, "(GMT+01:00) Brussels, Copenhagen, Madrid, Paris", 60, 60, {3, 5, 0, 2}, 0, {10, 5, 0, 3}, {"Europe/Paris", nullptr}},
    {145, "(GMT+03:00) Moscow, St. Petersburg, Volgograd", 180, 60, {3, 5, 0, 2}, 0, {10, 5, 0, 3}, {"Europe/Moscow", nullptr}},
    {70, "(GMT-03:00) Buenos Aires, Georgetown", -180, 60, {}, 0, {}, {"America/Argentina/Buenos_Aires", "America/Buenos_Aires"}},
    {45, "(GMT-05:00) Bogota, Lima, Quito", -300, 60, {}, 0, {}, {"America/Bogota", nullptr}},
    {55, "(GMT-04:00) Caracas, La Paz", -240, 60, {}, 0, {}, {"America/Caracas", nullptr}},
    {1, "(GMT-11:00) Midway Island, Samoa", -660, 60, {}, 0, {}, {"Pacific/Pago_Pago", "Pacific/Midway"}},
    {205, "(GMT+07:00) Bangkok, Hanoi, Jakarta", 420, 60, {}, 0, {}, {"Asia/Bangkok", nullptr}},
    {215, "(GMT+08:00) Kuala Lumpur, Singapore", 480, 60, {}, 0, {}, {"Asia/Singapore", nullptr}},
    {140, "(GMT+02:00) Harare, Pretoria", 120, 60, {}, 0, {}, {"Africa/Harare", "Africa/Maputo"}},
    {200, "(GMT+06:00) Sri Jayawardenepura", 360, 60, {}, 0, {}, {"Asia/Colombo", nullptr}},
    {220, "(GMT+08:00) Taipei", 480, 60, {}, 0, {}, {"Asia/Taipei", nullptr}},
    {265, "(GMT+10:00) Hobart", 600, 60, {10, 1, 0, 2}, 0, {3, 5, 0, 3}, {"Australia/Hobart", nullptr}},
    {235, "(GMT+09:00) Osaka, Sapporo, Tokyo", 540, 60, {}, 0, {}, {"Asia/Tokyo", nullptr}},
    {300, "(GMT+13:00) Nuku'alofa", 780, 60, {}, 0, {}, {"Pacific/Tongatapu", nullptr}},
    {40, "(GMT-05:00) Indiana (East)", -300, 60, {}, 0, {}, {"America/Indiana/Indianapolis", "America/Indianapolis"}},
    {15, "(GMT-07:00) Arizona", -420, 60, {}, 0, {}, {"America/Phoenix", nullptr}},
    {270, "(GMT+10:00) Vladivostok", 600, 60, {3, 5, 0, 2}, 0, {10, 5, 0, 3}, {"Asia/Vladivostok", nullptr}},
    {225, "(GMT+08:00) Perth", 480, 60, {}, 0, {}, {"Australia/Perth", nullptr}},
    {113, "(GMT+01:00) West Central Africa", 60, 60, {}, 0, {}, {"Africa/Lagos", nullptr}},
    {110, "(GMT+01:00) Amsterdam, Berlin, Bern, Rome, Stockholm, Vienna", 60, 60, {3, 5, 0, 2}, 0, {10, 5, 0, 3}, {"Europe/Berlin", nullptr}},
    {185, "(GMT+05:00) Islamabad, Karachi, Tashkent", 300, 60, {}, 0, {}, {"Asia/Karachi", nullptr}},
    {275, "(GMT+10:00) Guam, Port Moresby", 600, 60, {}, 0, {}, {"Pacific/Guam", nullptr}},
    {240, "(GMT+09:00) Yakutsk", 540, 60, {3, 5, 0, 2}, 0, {10, 5, 0, 3}, {"Asia/Yakutsk", nullptr}},
}};
// clang-format on

// Every one of the 75 rows is filled in, and no key appears twice.
constexpr bool KeysFilledAndUnique() {
    for (int i = 0; i < kZoneCount; ++i) {
        if (kZones[i].key <= 0 || kZones[i].ianaIds[0] == nullptr)
            return false;
        for (int j = 0; j < i; ++j)
            if (kZones[j].key == kZones[i].key)
                return false;
    }
    return true;
}
static_assert(KeysFilledAndUnique());

int FloorMod7(int n) {
    return ((n % 7) + 7) % 7;
}

// Day number of the rule's weekday in the month of the year (week 5 = the last one).
int TransitionDay(const ZoneTransition& t, int year) {
    const int first = ZoneDayNumber(year, t.month, 1);
    const int firstWeekday = FloorMod7(first);
    int day = first - firstWeekday + t.dayOfWeek;
    if (t.dayOfWeek < firstWeekday)
        day += 7;
    day += (t.week - 1) * 7;
    const int nextMonth =
        t.month == 12 ? ZoneDayNumber(year + 1, 1, 1) : ZoneDayNumber(year, t.month + 1, 1);
    while (day >= nextMonth)
        day -= 7; // no fifth such weekday: the fourth is the last
    return day;
}

} // namespace

const std::array<ZoneRule, kZoneCount>& ZoneTable() {
    return kZones;
}

const ZoneRule* FindZone(int key) {
    for (const ZoneRule& rule : kZones)
        if (rule.key == key)
            return &rule;
    return nullptr;
}

int ZoneDayNumber(int year, int month, int day) {
    // Julian day number by the integer formula (years starting in March), less 1 January 2006.
    const int a = (14 - month) / 12;
    const int y = year + 4800 - a;
    const int m = month + 12 * a - 3;
    const int julian = day + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045;
    return julian - 2453737;
}

bool IsDaylightTime(const ZoneRule& rule, const QDateTime& utc) {
    if (rule.daylightStart.month == 0 || rule.daylightEnd.month == 0)
        return false;
    const QDateTime t = utc.toUTC();
    const int year = t.date().year();
    const int start = TransitionDay(rule.daylightStart, year) * 24 + rule.daylightStart.hour;
    const int end = TransitionDay(rule.daylightEnd, year) * 24 + rule.daylightEnd.hour;
    const int now = ZoneDayNumber(year, t.date().month(), t.date().day()) * 24 + t.time().hour();
    if (rule.daylightEnd.month >= rule.daylightStart.month)
        return start < now && now < end;
    return now < end || now > start; // southern hemisphere: daylight time spans the new year
}

int TableZoneOffset(int key, const QDateTime& utc) {
    const ZoneRule* rule = FindZone(key);
    if (!rule)
        return 0;
    return rule->bias + (IsDaylightTime(*rule, utc) ? rule->daylightBias : rule->standardBias);
}

QTimeZone SystemZoneFor(int key) {
    // Looked up once: the database does not change while the program runs.
    static const std::array<QTimeZone, kZoneCount> zones = [] {
        std::array<QTimeZone, kZoneCount> found;
        for (int i = 0; i < kZoneCount; ++i) {
            for (const char* id : kZones[i].ianaIds) {
                if (!id || found[i].isValid())
                    continue;
                found[i] = QTimeZone(QByteArray(id));
            }
        }
        return found;
    }();
    for (int i = 0; i < kZoneCount; ++i)
        if (kZones[i].key == key)
            return zones[i];
    return {};
}

int ZoneStandardOffset(const ZoneRule& rule, const QDateTime& utc) {
    const QTimeZone zone = SystemZoneFor(rule.key);
    if (zone.isValid())
        return zone.standardTimeOffset(utc) / 60;
    return rule.bias;
}

QString ZoneDisplayName(const ZoneRule& rule, const QDateTime& utc) {
    // The table's names start with the offset of an old table ("(GMT+06:00) Almaty, ..."); the
    // places after it stay, the offset is today's.
    const QString name = QString::fromUtf8(rule.name);
    const qsizetype close = name.indexOf(QLatin1String(") "));
    const QString places = close >= 0 ? name.mid(close + 2) : name;
    const int minutes = ZoneStandardOffset(rule, utc);
    if (minutes == 0)
        return QStringLiteral("(GMT) ") + places;
    const int magnitude = std::abs(minutes);
    return FormatText("(GMT%c%02d:%02d) ", minutes < 0 ? '-' : '+', magnitude / 60,
                      magnitude % 60) +
           places;
}

int ZoneOffset(int key, const QDateTime& utc) {
    const QTimeZone zone = SystemZoneFor(key);
    if (zone.isValid())
        return zone.offsetFromUtc(utc) / 60;
    return TableZoneOffset(key, utc);
}
