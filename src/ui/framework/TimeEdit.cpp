#include "ui/framework/TimeEdit.h"

#include "core/common/text/NumberText.h"

CTimeEdit::CTimeEdit(QWidget* parent) : CSegmentEdit(parent) {
    entry_.AddSegment(0, 23, 2, 2);
    entry_.AddSegment(0, 59, 2, 2);
    UseEntry(&entry_);
    Configure(entry_.Texts(), {":"});
}

void CTimeEdit::SetTime(int hours, int minutes) {
    entry_.Segment(0).Set(hours);
    entry_.Segment(1).Set(minutes);
    SetSegmentTexts(entry_.Texts());
}

void CTimeEdit::OnExternalText(const QString& text) {
    const QStringList parts = text.split(':');
    if (text.trimmed().isEmpty())
        SetTime(0, 0);
    else if (parts.size() >= 2)
        SetTime(TextToInt(parts[0]), TextToInt(parts[1]));
}
