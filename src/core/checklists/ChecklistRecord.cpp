#include "core/checklists/ChecklistRecord.h"

#include "core/common/io/ByteReader.h"

namespace {

// Bytes that are not UTF-8 decode to one replacement character (three bytes) each, so a damaged
// text can grow past what a record holds. It is clipped to fit, so that the editor and the
// outline export can always write back what was read.
QString DecodeRecordText(const QByteArray& bytes) {
    QString text = QString::fromUtf8(bytes);
    while (text.toUtf8().size() > kChecklistMaxRecordTextBytes - 1)
        text.chop(text.size() >= 2 && text.back().isLowSurrogate() ? 2 : 1);
    return text;
}

} // namespace

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
        records.append(ChecklistRecord{level, DecodeRecordText(bytes), offset});
    }
    return records;
}
