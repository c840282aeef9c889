#include "ChecklistOutlineCheck.h"

#include "FuzzSupport.h"

#include "core/checklists/ChecklistOutline.h"

#include <cstdio>

bool OutlineStructureSound(const QList<ChecklistRecord>& records) {
    int previous = -1;
    for (const ChecklistRecord& record : records) {
        const int level = record.level;
        if (previous < 0 && level != kAircraftLevel)
            return false;
        if (level > previous + 1 || (level == kItemLevel && previous < kSubGroupLevel))
            return false;
        previous = level;
    }
    return true;
}

void CheckOutlineRoundTrip(const QList<ChecklistRecord>& records) {
    const Outcome<QString> outline = ChecklistOutlineText(records);
    if (!outline)
        return;
    const Outcome<QByteArray> area = ChecklistAreaFromOutline(outline.value().toUtf8());
    if (!OutlineStructureSound(records)) {
        FUZZ_CHECK(!area.ok());
        return;
    }
    if (!area)
        std::fprintf(stderr, "%s\n", qPrintable(area.error().text));
    FUZZ_CHECK(area.ok()); // what the export wrote, the import takes
    const std::optional<QList<ChecklistRecord>> back = ParseChecklistRecords(area.value());
    FUZZ_CHECK(back.has_value());
    FUZZ_CHECK(back->size() == records.size());
    for (qsizetype i = 0; i < records.size(); ++i) {
        FUZZ_CHECK((*back)[i].level == records[i].level);
        FUZZ_CHECK((*back)[i].text == records[i].text);
    }
}
