#pragma once
// The texts the airport directory and the nav aid dialog show: the rows of the Info, RWY and Comm
// tabs and of "View Nav Aid", as label and value pairs. Lengths follow the metric preference and
// positions the coordinate format preference.

#include "core/navdata/NavRecords.h"

#include <QVector>

struct DisplayRow {
    QString label;
    QString value;

    bool operator==(const DisplayRow&) const = default;
};

struct DisplayPreferences {
    bool metric = false;        // lengths in metres
    bool secondsFormat = false; // positions as DD:MM:SS
};

// True when an airport is shown: the record has an identifier (a cleared current airport has
// none).
bool IsAirportShown(const AirportRecord& record);

// "Name:" and "City:" (each only when not empty), "Elev:", "Var:", "Lat:", "Lon:", and "UTC:"
// only when the offset is not 0.
QVector<DisplayRow> AirportInfoRows(const AirportDetails& airport, DisplayPreferences prefs);
// The three lines shown in the value column while no airport is shown.
QVector<DisplayRow> AirportInstructionRows();
// One row per communication line: label and frequency text.
QVector<DisplayRow> AirportCommRows(const AirportDetails& airport);
// One row per runway: "09/27" and "%.0f X %.0f" of length and width (feet, or metres).
QVector<DisplayRow> RunwayRows(const QVector<RunwayRecord>& runways, bool metric);
// "ID:", "Name:", "Type:", "Lat:", "Lon:", "Freq:" ("%.1f").
QVector<DisplayRow> NavAidInfoRows(const NavAidRecord& record, const QString& name,
                                   bool secondsFormat);

// "%.1f°" of the absolute variation followed by "E" when it is negative, else "W".
QString VariationText(float variation);
// The identifier rule of "Show": 3 or 4 characters.
bool IsIcaoIdentLength(const QString& ident);
