#include "core/checklists/ChecklistData.h"

#include "core/common/io/ByteReader.h"
#include "core/common/io/ByteWriter.h"
#include "core/common/io/DeviceFolders.h"
#include "core/common/io/FileIo.h"

#include <QFileInfo>

#include <algorithm>
#include <climits>

namespace {

const QByteArray kSignature("CheckList", 10); // the nine characters and their zero

} // namespace

QString ChecklistFilePath() {
    return DataFolder() + QStringLiteral("checklist.db");
}

QByteArray ChecklistFileImage(const QByteArray& area) {
    ByteWriter out;
    out.Bytes(kSignature);
    out.U16(kChecklistFileVersion);
    out.I32(static_cast<int32_t>(area.size()));
    out.Bytes(area);
    return out.Data();
}

Status ChecklistData::LoadChecklists(const QString& path) {
    Clear();
    refusedPath_.clear();
    RemoveStaleSaveFiles(path);
    Status loaded = ReadChecklists(path);
    const QFileInfo file(path);
    if (!loaded && (file.exists() || file.isSymLink()))
        refusedPath_ = path;
    return loaded;
}

Status ChecklistData::ReadChecklists(const QString& path) {
    const Outcome<QByteArray> file = ReadWholeFile(path, QString(), kMaxDataFileBytes);
    if (!file && QFileInfo::exists(path)) // there but not readable: say why
        return Status::Fail(QString(kChecklistInvalidFileText) + '\n' + file.error().text);
    if (!file)
        return Status::Fail(kChecklistNotFoundText);
    ByteReader in(file.value());
    const QByteArray signature = in.Bytes(kSignature.size());
    if (!in.Ok() || signature != kSignature)
        return Status::Fail(kChecklistInvalidFileText);
    const uint16_t version = in.U16();
    if (!in.Ok())
        return Status::Fail(kChecklistInvalidFileText);
    if (version != kChecklistFileVersion)
        return Status::Fail(kChecklistInvalidVersionText);
    const int32_t length = in.I32();
    QByteArray area = in.Bytes(length); // fails for a negative length or a short area
    if (!in.Ok())
        return Status::Fail(kChecklistInvalidFileText);
    std::optional<QList<ChecklistRecord>> records = ParseChecklistRecords(area);
    if (!records)
        return Status::Fail(kChecklistInvalidFileText);
    Adopt(std::move(area), std::move(*records));
    return {};
}

Status ChecklistData::SaveChecklists(const QString& path) {
    if (!refusedPath_.isEmpty() && refusedPath_ == path) {
        if (Status kept = KeepRefusedFile(path, kChecklistSaveFailedText); !kept)
            return kept;
        refusedPath_.clear();
    }
    Status written = WriteWholeFile(path, ChecklistFileImage(area_), kChecklistSaveFailedText);
    if (written)
        changed_ = false;
    return written;
}

Status ChecklistData::ReplaceChecklists(const QByteArray& area) {
    std::optional<QList<ChecklistRecord>> records;
    if (area.size() <= INT_MAX)
        records = ParseChecklistRecords(area);
    if (!records)
        return Status::Fail(kChecklistInvalidFileText);
    Adopt(area, std::move(*records));
    changed_ = true;
    return {};
}

void ChecklistData::Clear() {
    Adopt({}, {});
}

void ChecklistData::Adopt(QByteArray area, QList<ChecklistRecord> records) {
    area_ = std::move(area);
    records_ = std::move(records);
    index_.clear();
    for (const ChecklistRecord& record : records_) {
        if (record.level == kAircraftLevel)
            index_.append(record.offset);
    }
    index_.append(static_cast<int>(area_.size()));
    changed_ = false;
}

QStringList ChecklistData::AircraftNames() const {
    QStringList names;
    for (const ChecklistRecord& record : records_) {
        if (record.level == kAircraftLevel)
            names.append(record.text);
    }
    return names;
}

QList<ChecklistEntry> ChecklistData::TabsOf(int aircraft) const {
    if (aircraft < 0 || aircraft >= index_.size() - 1)
        return {};
    return ChildrenOf(index_[aircraft], kTabLevel, kAircraftLevel);
}

QList<ChecklistEntry> ChecklistData::GroupsOf(int tabOffset) const {
    return ChildrenOf(tabOffset, kGroupLevel, kTabLevel);
}

QList<ChecklistEntry> ChecklistData::SubGroupsOf(int groupOffset) const {
    return ChildrenOf(groupOffset, kSubGroupLevel, kGroupLevel);
}

QStringList ChecklistData::ItemsOf(int subGroupOffset) const {
    QStringList items;
    const qsizetype at = RecordAt(subGroupOffset);
    if (at < 0)
        return items;
    for (qsizetype i = at + 1; i < records_.size() && records_[i].level == kItemLevel; ++i)
        items.append(records_[i].text);
    return items;
}

qsizetype ChecklistData::RecordAt(int offset) const {
    const auto found = std::lower_bound(
        records_.begin(), records_.end(), offset,
        [](const ChecklistRecord& record, int value) { return record.offset < value; });
    if (found == records_.end() || found->offset != offset)
        return -1;
    return found - records_.begin();
}

QList<ChecklistEntry> ChecklistData::ChildrenOf(int offset, int level, int stop) const {
    QList<ChecklistEntry> children;
    const qsizetype at = RecordAt(offset);
    if (at < 0)
        return children;
    for (qsizetype i = at + 1; i < records_.size() && records_[i].level > stop; ++i) {
        if (records_[i].level == level)
            children.append(ChecklistEntry{records_[i].text, records_[i].offset});
    }
    return children;
}
