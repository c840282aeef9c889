#pragma once
// Checklists as plain text, for a text editor and version control: an indented outline with one
// record a line and two spaces of indent per level (aircraft 0, tab 2, group 4, sub group 6,
// item 8), in UTF-8.

#include "core/checklists/ChecklistRecord.h"
#include "core/common/Outcome.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The outline of the records. Fails, naming the lines, when a text cannot stand alone on one
// line and come back unchanged: an empty text, one that starts with white space, or one that
// holds a line break.
Outcome<QString> ChecklistOutlineText(const QList<ChecklistRecord>& records);

// Builds a record area from an outline (UTF-8, with or without a byte-order mark, "\n" or
// "\r\n" line ends; blank lines are skipped). Fails, listing every faulty line by number, for
// an indent that is not spaces in steps of two or is deeper than an item, a first line that is
// no aircraft, a level that skips a step, an item outside a sub group, text that is not UTF-8,
// and a text longer than 254 bytes of UTF-8.
Outcome<QByteArray> ChecklistAreaFromOutline(const QByteArray& outline);
