#pragma once
// The checklists as the editor shows them: a tree of texts, each node keeping the level of its
// record (0 aircraft, 1 tab, 2 group, 3 sub group, 4 item), built from the record area and turned
// back into one.

#include "core/checklists/ChecklistRecord.h"
#include "core/common/Outcome.h"

#include <QByteArray>
#include <QList>
#include <QString>

struct ChecklistNode {
    int level = 0;
    QString text;
    QList<ChecklistNode> children;

    bool operator==(const ChecklistNode&) const = default;
};

// The records as a tree: each record is a child of the nearest record before it with a smaller
// level, or a root when there is none. Files whose records skip a level (an item straight after
// a group) keep every record, in order and with its own level.
QList<ChecklistNode> BuildChecklistTree(const QList<ChecklistRecord>& records);

// The record area of a tree, depth-first: every node with its level, followed by its children in
// order. Fails with the builder's message for a text the file cannot hold.
Outcome<QByteArray> ChecklistAreaFromTree(const QList<ChecklistNode>& roots);
