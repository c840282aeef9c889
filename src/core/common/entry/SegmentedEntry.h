#pragma once
// The numeric segments of a coordinate or time field and how typing fills them: each accepted
// digit is counted, and once a segment has its full number of digits, input moves on to the
// next segment (in the last segment the count restarts and the segment stays current).

#include "core/common/entry/EditSegment.h"

#include <QList>
#include <QStringList>

class SegmentedEntry {
public:
    // Appends a segment with its range, its display width (zero-padded digits) and the number of
    // accepted digits after which input moves on.
    void AddSegment(int32_t minimum, int32_t maximum, int width, int digits);
    int Count() const { return static_cast<int>(segments_.size()); }

    // Segment i (i < Count()).
    EditSegment& Segment(int i) { return segments_[i].value; }
    const EditSegment& Segment(int i) const { return segments_[i].value; }
    int Value(int i) const { return segments_[i].value.Value(); }
    void SetWidth(int i, int width) { segments_[i].width = width; }
    void SetDigits(int i, int digits) { segments_[i].digits = digits; }
    int AcceptedDigits(int i) const { return segments_[i].accepted; }

    // Segment i becomes current: its typed digits and its count restart.
    void Enter(int i);
    // A character typed into segment i. Returns the segment that is current afterwards (i, or
    // i + 1 when segment i got its last digit), or -1 when the segment refused the character.
    int Type(int i, QChar c);
    // Backspace/Delete: the segment becomes 0 (when 0 is in its range) and its count restarts.
    void Zero(int i);
    // Up/Down arrows: one step with wrap-around; the count restarts.
    void StepUp(int i);
    void StepDown(int i);

    // The display texts: each value zero-padded to its width ("%02d", "%03d").
    QStringList Texts() const;

private:
    struct Entry {
        EditSegment value;
        int width = 2;
        int digits = 2;
        int accepted = 0;
    };
    QList<Entry> segments_;
};
