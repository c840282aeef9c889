// checklist.db: a file that loads answers every hierarchy query with records of the asked level
// in file order, saves as the same image and reloads equal, goes through the editor's tree
// unchanged, and takes the outline round trip.
// A file that is refused leaves no checklists behind.

#include "ChecklistOutlineCheck.h"
#include "FuzzSupport.h"

#include "core/checklists/ChecklistData.h"
#include "core/checklists/ChecklistEditSave.h"
#include "core/checklists/ChecklistTree.h"

#include <QFile>

#include <cstdio>

namespace {

// The record that starts at `offset`, or nullptr.
const ChecklistRecord* RecordAt(const ChecklistData& data, int offset) {
    for (const ChecklistRecord& record : data.Records()) {
        if (record.offset == offset)
            return &record;
    }
    return nullptr;
}

// Entries must be records of `level`, after `parent` and in file order.
void CheckEntries(const ChecklistData& data, const QList<ChecklistEntry>& entries, int level,
                  int parent) {
    int last = parent;
    for (const ChecklistEntry& entry : entries) {
        const ChecklistRecord* record = RecordAt(data, entry.offset);
        FUZZ_CHECK(record != nullptr);
        FUZZ_CHECK(record->level == level);
        FUZZ_CHECK(record->text == entry.text);
        FUZZ_CHECK(entry.offset > last);
        last = entry.offset;
    }
}

void CheckQueries(const ChecklistData& data) {
    const QList<int>& index = data.AircraftIndex();
    FUZZ_CHECK(!index.isEmpty() && index.back() == data.RecordArea().size());
    FUZZ_CHECK(data.AircraftNames().size() == index.size() - 1);
    FUZZ_CHECK(data.TabsOf(-1).isEmpty() && data.TabsOf(static_cast<int>(index.size())).isEmpty());
    for (int i = 0; i + 1 < index.size(); ++i) {
        const QList<ChecklistEntry> tabs = data.TabsOf(i);
        CheckEntries(data, tabs, kTabLevel, index[i]);
        for (const ChecklistEntry& tab : tabs) {
            const QList<ChecklistEntry> groups = data.GroupsOf(tab.offset);
            CheckEntries(data, groups, kGroupLevel, tab.offset);
            for (const ChecklistEntry& group : groups) {
                const QList<ChecklistEntry> subGroups = data.SubGroupsOf(group.offset);
                CheckEntries(data, subGroups, kSubGroupLevel, group.offset);
                for (const ChecklistEntry& subGroup : subGroups)
                    FUZZ_CHECK(data.ItemsOf(subGroup.offset).size() <= data.Records().size());
            }
        }
    }
    // Offsets that start no record answer nothing.
    for (const ChecklistRecord& record : data.Records()) {
        if (RecordAt(data, record.offset + 1) == nullptr) {
            FUZZ_CHECK(data.GroupsOf(record.offset + 1).isEmpty());
            FUZZ_CHECK(data.SubGroupsOf(record.offset + 1).isEmpty());
            FUZZ_CHECK(data.ItemsOf(record.offset + 1).isEmpty());
        }
    }
}

void CheckSaveAndReload(const ChecklistData& data, const QByteArray& input) {
    ChecklistData copy = data;
    const QString path = FuzzFolder() + QStringLiteral("saved.db");
    FUZZ_CHECK(copy.SaveChecklists(path).ok());
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    FUZZ_CHECK(saved == ChecklistFileImage(data.RecordArea()));
    FUZZ_CHECK(saved == input.left(saved.size())); // only bytes after the records may go
    ChecklistData reloaded;
    FUZZ_CHECK(reloaded.LoadChecklists(path).ok());
    FUZZ_CHECK(reloaded.Records() == data.Records());
    FUZZ_CHECK(reloaded.AircraftIndex() == data.AircraftIndex());
}

void Flatten(const QList<ChecklistNode>& nodes, QList<ChecklistRecord>* records) {
    for (const ChecklistNode& node : nodes) {
        records->append({node.level, node.text, 0});
        Flatten(node.children, records);
    }
}

bool SameTexts(const QList<ChecklistRecord>& a, const QList<ChecklistRecord>& b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i].level != b[i].level || a[i].text != b[i].text)
            return false;
    }
    return true;
}

// The editor's tree keeps every record in order; saved unchanged, it writes nothing.
void CheckEditorTree(const ChecklistData& data) {
    const QList<ChecklistNode> tree = BuildChecklistTree(data.Records());
    QList<ChecklistRecord> flat;
    Flatten(tree, &flat);
    FUZZ_CHECK(SameTexts(flat, data.Records()));
    const Outcome<QByteArray> area = ChecklistAreaFromTree(tree);
    if (!area)
        std::fprintf(stderr, "%s\n", qPrintable(area.error().text));
    FUZZ_CHECK(area.ok()); // an untouched checklist can always be saved from the editor
    const std::optional<QList<ChecklistRecord>> records = ParseChecklistRecords(area.value());
    FUZZ_CHECK(records.has_value() && SameTexts(*records, data.Records()));
    if (area.value() == data.RecordArea()) {
        ChecklistData copy = data;
        const Outcome<bool> stored =
            StoreEditedChecklists(copy, area.value(), FuzzFolder() + QStringLiteral("edited.db"));
        FUZZ_CHECK(stored.ok() && !stored.value());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input = FuzzBytes(data, size);
    ChecklistData checklists;
    const Status loaded =
        checklists.LoadChecklists(WriteFuzzFile(QStringLiteral("checklist.db"), input));
    if (!loaded) {
        FUZZ_CHECK(checklists.Records().isEmpty() && checklists.AircraftNames().isEmpty());
        FUZZ_CHECK(!loaded.error().text.isEmpty());
        return 0;
    }
    FUZZ_CHECK(!checklists.IsChanged());
    CheckQueries(checklists);
    CheckSaveAndReload(checklists, input);
    CheckEditorTree(checklists);
    CheckOutlineRoundTrip(checklists.Records());
    return 0;
}
