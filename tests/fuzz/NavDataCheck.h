#pragma once
// Checks shared by the .nav targets: every look-up, search and JSON form of a loaded file, the
// data set that the look-ups give back, and the rebuild of a file from such a set.

#include "core/navdata/NavDataSet.h"
#include "core/navdata/NavDatabase.h"

#include <QString>

// Looks up every airport and nav aid of the index and table (and searches for `searchText` and
// for nothing), checking that look-ups, searches and the JSON forms agree with each other.
void CheckNavLookups(NavDatabase& data, const QString& searchText);

// The data set the loaded file gives back through its look-ups: the description, the date, each
// airport and nav aid that can be found by its identifier (once per identifier), in key order.
NavDataSet ReadBackNavData(NavDatabase& data);

// Writes the set as a .nav file, loads it and reads it back: when no two nav aids share an
// identifier (a look-up finds only one of them), the set read back builds the same image again.
// Returns the set read back (the input set when it cannot be built, which only happens for an empty
// or repeated airport identifier).
NavDataSet CheckNavRebuild(const NavDataSet& set);

// Equality that treats two floats as equal when their bits are (so NaN equals itself); the nav
// aids' name offsets are not compared.
bool SameNavData(const NavDataSet& a, const NavDataSet& b);

// A text as a .nav file gives it back: 8-bit, cut to the buffer, ending at a zero.
QString NavTextAsStored(const QString& text, int bufferBytes);
