#pragma once
// The pilot's checklists (checklist.db), owned by the document: the record area, the aircraft
// index and a changed flag, with the hierarchy queries the checklist view and editor use.
//
// File: "CheckList" and a zero (10 bytes), version 1 (uint16), N (int32), N bytes of records.

#include "core/checklists/ChecklistRecord.h"
#include "core/common/Outcome.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

inline constexpr char kChecklistNotFoundText[] =
    "Error:\nChecklist data file not found.  Please reinstall Trevallion to install the file.";
inline constexpr char kChecklistInvalidFileText[] = "Error:\nInvalid checklist data file.";
inline constexpr char kChecklistInvalidVersionText[] = "Error:\nInvalid checklist file version.";
inline constexpr char kChecklistSaveFailedText[] = "Error:\nUnable to save checklist file.\n";

inline constexpr int kChecklistHeaderBytes = 16;
inline constexpr quint16 kChecklistFileVersion = 1;

// "<data folder>/checklist.db": the only place the program loads checklists from.
QString ChecklistFilePath();

// The whole file image for a record area: header and records.
QByteArray ChecklistFileImage(const QByteArray& area);

class ChecklistData {
public:
    // Reads the file. Any failure (not found, wrong signature, wrong version, a record area
    // shorter than N or a record running past its end) leaves no checklists and returns the
    // message to show (error icon). Clears the changed flag. A refused file that is there is
    // kept as "checklist.db.bad" (see KeepRefusedFile) by the first save over it.
    Status LoadChecklists(const QString& path = ChecklistFilePath());

    // Writes the whole file safely; clears the changed flag. On failure the checklists in
    // memory and the file on disk stay as they were, and the message carries the reason.
    Status SaveChecklists(const QString& path = ChecklistFilePath());

    // Takes a new record area (from the editor's ChecklistBuilder) and rebuilds the index; sets
    // the changed flag. A damaged area is refused and the current checklists stay.
    Status ReplaceChecklists(const QByteArray& area);

    void Clear();

    // Aircraft texts in file order: entry i is aircraft i.
    QStringList AircraftNames() const;
    // The tabs between aircraft i's record and the next index entry; empty for a bad index.
    QList<ChecklistEntry> TabsOf(int aircraft) const;
    // The groups after the tab's record up to the next tab or aircraft.
    QList<ChecklistEntry> GroupsOf(int tabOffset) const;
    // The sub groups after the group's record up to the next group, tab or aircraft.
    QList<ChecklistEntry> SubGroupsOf(int groupOffset) const;
    // The items directly after the sub group's record, as long as items follow.
    // Each query returns an empty list for an offset that is not the start of a record.
    QStringList ItemsOf(int subGroupOffset) const;

    const QByteArray& RecordArea() const { return area_; }
    const QList<ChecklistRecord>& Records() const { return records_; }
    // Offsets of the aircraft records, followed by N as the end marker.
    const QList<int>& AircraftIndex() const { return index_; }
    bool IsChanged() const { return changed_; }

private:
    Status ReadChecklists(const QString& path);
    void Adopt(QByteArray area, QList<ChecklistRecord> records);
    // The position in records_ of the record starting at offset; -1 when none does.
    qsizetype RecordAt(int offset) const;
    // Records of `level` after the one at offset, up to a record of `stop` level or higher.
    QList<ChecklistEntry> ChildrenOf(int offset, int level, int stop) const;

    QByteArray area_;
    QList<ChecklistRecord> records_;
    QList<int> index_{0};
    bool changed_ = false;
    QString refusedPath_; // a file that is there but was refused: kept as .bad before a save
};
