#include "core/checklists/ChecklistTree.h"

#include "core/checklists/ChecklistBuilder.h"

namespace {

Status AppendNodes(ChecklistBuilder& builder, const QList<ChecklistNode>& nodes) {
    for (const ChecklistNode& node : nodes) {
        Status appended = builder.Append(node.level, node.text);
        if (appended)
            appended = AppendNodes(builder, node.children);
        if (!appended)
            return appended;
    }
    return {};
}

} // namespace

QList<ChecklistNode> BuildChecklistTree(const QList<ChecklistRecord>& records) {
    QList<ChecklistNode> roots;
    // The path from a root to the node added last; each entry points into its parent's children.
    QList<ChecklistNode*> path;
    for (const ChecklistRecord& record : records) {
        while (!path.isEmpty() && path.last()->level >= record.level)
            path.removeLast();
        QList<ChecklistNode>& siblings = path.isEmpty() ? roots : path.last()->children;
        siblings.append(ChecklistNode{record.level, record.text, {}});
        path.append(&siblings.last());
    }
    return roots;
}

Outcome<QByteArray> ChecklistAreaFromTree(const QList<ChecklistNode>& roots) {
    ChecklistBuilder builder;
    const Status appended = AppendNodes(builder, roots);
    if (!appended)
        return appended.error();
    return builder.Records();
}
