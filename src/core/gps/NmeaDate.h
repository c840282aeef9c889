#pragma once
// The calendar date of an RMC date field (ddmmyy). NMEA gives the year in two digits, and GPS
// counts weeks in ten bits, so a receiver older than its firmware expected reports a date 1024
// weeks (about 19.6 years) early after each rollover: receivers of 2019 say 1999.

#include <QDate>

#include <cstdint>

// The day this program was built, the lower bound for any date a receiver can mean.
QDate ProgramBuildDate();

// The date of ddmmyy: the century that puts it nearest today (the build date when today is
// earlier); then, while it lies more than 512 weeks before the build date, 1024 weeks later.
// An invalid date when the digits are no date.
QDate NmeaDate(uint32_t ddmmyy, const QDate& today, const QDate& buildDate = ProgramBuildDate());
