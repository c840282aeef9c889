// Outline import: an outline that is accepted gives a record area that parses, holds no control
// character (tabs are text) and no byte-order mark inside a text, and writes back as the same
// outline with its blank lines, line-end carriage returns and leading byte-order mark left out.

#include "ChecklistOutlineCheck.h"
#include "FuzzSupport.h"

#include "core/checklists/ChecklistOutline.h"

namespace {

// The outline as the export writes it: no byte-order mark, "\n" line ends, no blank lines.
QByteArray NormalOutline(QByteArray outline) {
    if (outline.startsWith("\xEF\xBB\xBF"))
        outline.remove(0, 3);
    QByteArray normal;
    for (QByteArray line : outline.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (!line.trimmed().isEmpty())
            normal += line + '\n';
    }
    return normal;
}

bool PlainText(const QString& text) {
    for (const QChar c : text) {
        if ((c.unicode() < 0x20 && c != QLatin1Char('\t')) || c.unicode() == 0x7F ||
            c.unicode() == 0xFEFF)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input = FuzzBytes(data, size);
    const Outcome<QByteArray> area = ChecklistAreaFromOutline(input);
    if (!area) {
        FUZZ_CHECK(!area.error().text.isEmpty());
        return 0;
    }
    const std::optional<QList<ChecklistRecord>> records = ParseChecklistRecords(area.value());
    FUZZ_CHECK(records.has_value());
    FUZZ_CHECK(OutlineStructureSound(*records));
    for (const ChecklistRecord& record : *records)
        FUZZ_CHECK(PlainText(record.text));
    const Outcome<QString> outline = ChecklistOutlineText(*records);
    FUZZ_CHECK(outline.ok());
    FUZZ_CHECK(outline.value().toUtf8() == NormalOutline(input));
    CheckOutlineRoundTrip(*records);
    return 0;
}
