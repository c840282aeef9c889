#pragma once
// The clock-time entry field: hours 0-23 and minutes 0-59 shown as 00:00. Typing moves on to the
// minutes after 2 hour digits; Backspace/Delete zero the current segment, Up/Down step it with
// wrap-around (23 steps up to 00).

#include "core/common/entry/SegmentedEntry.h"
#include "ui/framework/SegmentEdit.h"

class CTimeEdit : public CSegmentEdit {
    Q_OBJECT
public:
    explicit CTimeEdit(QWidget* parent = nullptr);

    // Sets both segments; a value out of its range is ignored (the segment keeps its value).
    void SetTime(int hours, int minutes);
    int Hours() const { return entry_.Value(0); }
    int Minutes() const { return entry_.Value(1); }

protected:
    // Empty text gives 00:00; "h:mm" sets the time.
    void OnExternalText(const QString& text) override;

private:
    SegmentedEntry entry_;
};
