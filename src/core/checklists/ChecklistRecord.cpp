#include "core/checklists/ChecklistRecord.h"

#include "core/common/ByteReader.h"

std::optional<QList<ChecklistRecord>> ParseChecklistRecords(const QByteArray& area) {
    QList<ChecklistRecord> records;
    ByteReader in(area);
    while (!in.AtEnd()) {
        const int offset = static_cast<int>(in.Position());
        const int level = in.U8();
        const int length = in.U8();
        QByteArray bytes = in.Bytes(length);
        if (!in.Ok() || level > kItemLevel)
            return std::nullopt;
        const qsizetype zero = bytes.indexOf('\0');
        if (zero >= 0)
            bytes.truncate(zero);
        records.append(ChecklistRecord{level, QString::fromUtf8(bytes), offset});
    }
    return records;
}
