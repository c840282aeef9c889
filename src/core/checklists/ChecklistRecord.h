#pragma once
// The records of checklist.db's record area: each a level byte, a length byte and the text in
// UTF-8 with its terminating zero, stored depth-first (aircraft, tab, group, sub group, item).

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

enum ChecklistLevel : int {
    kAircraftLevel = 0,
    kTabLevel = 1,
    kGroupLevel = 2,
    kSubGroupLevel = 3,
    kItemLevel = 4,
};

// The length byte counts the text's UTF-8 bytes and its zero, so a text takes at most 254 bytes.
inline constexpr int kChecklistMaxRecordTextBytes = 255;

// One record: its level, its decoded text and the offset of its level byte in the record area.
struct ChecklistRecord {
    int level = 0;
    QString text;
    int offset = 0;

    bool operator==(const ChecklistRecord&) const = default;
};

// A text with the record offset that names it in the hierarchy queries.
struct ChecklistEntry {
    QString text;
    int offset = 0;

    bool operator==(const ChecklistEntry&) const = default;
};

// Splits a record area into its records in order. Returns nothing when a record's header or text
// runs past the end of the area or its level is above the item level. A text ends at its first
// zero byte; a length of 0 is an empty text.
std::optional<QList<ChecklistRecord>> ParseChecklistRecords(const QByteArray& area);
