#include "core/common/entry/SegmentedEntry.h"

#include "core/common/text/Format.h"

void SegmentedEntry::AddSegment(int32_t minimum, int32_t maximum, int width, int digits) {
    segments_.append({EditSegment(minimum, maximum), width, digits, 0});
}

void SegmentedEntry::Enter(int i) {
    segments_[i].accepted = 0;
    segments_[i].value.ClearTyped();
}

int SegmentedEntry::Type(int i, QChar c) {
    Entry& entry = segments_[i];
    if (!entry.value.TypeCharacter(c))
        return -1;
    if (++entry.accepted < entry.digits)
        return i;
    entry.accepted = 0;
    return i + 1 < Count() ? i + 1 : i;
}

void SegmentedEntry::Zero(int i) {
    segments_[i].value.Set(0);
    segments_[i].accepted = 0;
}

void SegmentedEntry::StepUp(int i) {
    segments_[i].value.StepUp();
    segments_[i].accepted = 0;
}

void SegmentedEntry::StepDown(int i) {
    segments_[i].value.StepDown();
    segments_[i].accepted = 0;
}

QStringList SegmentedEntry::Texts() const {
    QStringList texts;
    for (const Entry& entry : segments_)
        texts.append(FormatText("%0*d", entry.width, entry.value.Value()));
    return texts;
}
