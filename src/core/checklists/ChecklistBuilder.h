#pragma once
// Builds a checklist record area one record at a time (the editor serialises its tree with it,
// the outline import its lines). The buffer starts empty and grows by 1024 zeroed bytes whenever
// fewer than 512 bytes would remain free after a record.

#include "core/common/Outcome.h"

#include <QByteArray>
#include <QString>

class ChecklistBuilder {
public:
    // Appends level, length and the text's UTF-8 bytes with their zero. Refuses, appending
    // nothing, a level above the item level or a text whose UTF-8 form with its zero exceeds 255
    // bytes (the length byte cannot hold it, and cutting it would change the pilot's text).
    Status Append(int level, const QString& text);

    // The records appended so far (without the free space).
    QByteArray Records() const { return buffer_.left(used_); }
    qsizetype Length() const { return used_; }
    qsizetype Capacity() const { return buffer_.size(); }

private:
    QByteArray buffer_;
    qsizetype used_ = 0;
};
