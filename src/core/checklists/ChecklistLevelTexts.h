#pragma once
// The editor's texts that follow the level of the selected tree item: its three buttons (add
// beside, add below, delete) and the question before a delete; and the check of an edited label.

#include "core/common/Outcome.h"

#include <QString>

struct ChecklistLevelButtons {
    const char* add;      // button 1000: a new item beside the selected one
    const char* addChild; // button 1575: a new item below it; nullptr when hidden (items)
    const char* remove;   // button 1058
};

// The button texts for a level (0 aircraft to 4 item); levels outside that read as items.
ChecklistLevelButtons ButtonsForLevel(int level);

// "Delete the " + text + " aircraft?" (" tab?", " group?", " sub group?", " item?" by level).
QString DeleteQuestion(int level, const QString& text);

// Refuses a label the file cannot hold: an empty one, or one longer than 254 bytes of UTF-8
// (the length byte counts the zero that ends it). The message says why.
Status CheckChecklistLabel(const QString& text);
