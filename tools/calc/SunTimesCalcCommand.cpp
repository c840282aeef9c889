// trevallion-calc: the "Sun Rise - Sun Set" calculator.
#include "CalcCommand.h"

#include "core/calculators/SunTimes.h"
#include "core/common/Clock.h"

namespace {

QDate Today() {
    const Clock& clock = CurrentClock();
    return clock.NowUtc().toTimeZone(clock.LocalZone()).date();
}

const CalcCommandRegistration kSunTimes{{"sun-times",
                                         "Sun Rise - Sun Set",
                                         {{"latitude", "Latitude"},
                                          {"longitude", "Longitude"},
                                          {"date", "Date"},
                                          {"utc-offset", "UTC Offset"}},
                                         [](const CalcArgs& a) {
                                             return CalculateSunTimesFromText(
                                                 a.Text("latitude"), a.Text("longitude"),
                                                 a.Text("date"), a.Text("utc-offset"), Today());
                                         }}};

} // namespace
