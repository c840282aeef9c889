#include "core/checklists/ChecklistBuilder.h"
#include "core/common/text/Format.h"

#include "core/checklists/ChecklistRecord.h"

#include <algorithm>
#include <climits>

namespace {

constexpr qsizetype kGrowBytes = 1024;
constexpr qsizetype kMinFreeBytes = 512;

} // namespace

Status ChecklistBuilder::Append(int level, const QString& text) {
    if (level < kAircraftLevel || level > kItemLevel)
        return Status::Fail(FormatText("Error:\nChecklist level %d does not exist.", level));
    const QByteArray bytes = text.toUtf8();
    const qsizetype length = bytes.size() + 1;
    if (length > kChecklistMaxRecordTextBytes)
        return Status::Fail(FormatText("Error:\nChecklist text is too long (%lld bytes of "
                                       "UTF-8, at most %d fit):\n",
                                       static_cast<long long>(bytes.size()),
                                       kChecklistMaxRecordTextBytes - 1) +
                            text);
    const qsizetype needed = 2 + length;
    if (used_ + needed > INT_MAX)
        return Status::Fail(QStringLiteral("Error:\nThe checklists are too large for one file."));
    while (buffer_.size() - (used_ + needed) < kMinFreeBytes)
        buffer_.append(kGrowBytes, '\0');
    char* out = buffer_.data() + used_;
    out[0] = static_cast<char>(level);
    out[1] = static_cast<char>(length);
    std::copy(bytes.begin(), bytes.end(), out + 2);
    out[2 + bytes.size()] = '\0';
    used_ += needed;
    return {};
}
