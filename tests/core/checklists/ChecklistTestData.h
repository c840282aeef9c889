#pragma once
// Record areas and file images for the checklist tests.

#include "core/checklists/ChecklistBuilder.h"
#include "core/checklists/ChecklistData.h"
#include "core/checklists/ChecklistRecord.h"

#include <QFile>

#include <gtest/gtest.h>

#include <optional>
#include <utility>
#include <vector>

inline QByteArray BuildArea(const std::vector<std::pair<int, QString>>& records) {
    ChecklistBuilder builder;
    for (const auto& [level, text] : records)
        EXPECT_TRUE(builder.Append(level, text).ok()) << text.toStdString();
    return builder.Records();
}

// The records of an area that must parse.
inline QList<ChecklistRecord> RecordsOf(const QByteArray& area) {
    const std::optional<QList<ChecklistRecord>> records = ParseChecklistRecords(area);
    EXPECT_TRUE(records.has_value());
    return records.value_or(QList<ChecklistRecord>());
}

// One aircraft with two tabs: the first has a group with two sub groups, the second has none.
inline QByteArray SampleArea() {
    return BuildArea({{0, "Trainer"},
                      {1, "Normal"},
                      {2, "Ground"},
                      {3, "Before Start"},
                      {4, "Brakes:Set"},
                      {4, "Beacon"},
                      {3, "Start"},
                      {4, "Mixture:Rich"},
                      {1, "Emergency"},
                      {0, "Tourer"},
                      {1, "Normal"}});
}

inline void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

inline QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
