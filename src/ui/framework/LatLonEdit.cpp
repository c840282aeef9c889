#include "ui/framework/LatLonEdit.h"

#include "core/common/text/NumberText.h"

namespace {
enum { kDegrees, kMinutes, kLast };
}

CLatLonEdit::CLatLonEdit(QWidget* parent) : CSegmentEdit(parent) {
    entry_.AddSegment(0, 89, 2, 2);
    entry_.AddSegment(0, 59, 2, 2);
    entry_.AddSegment(0, 99, 2, 2);
    UseEntry(&entry_);
    Reconfigure();
}

void CLatLonEdit::Reconfigure() {
    const QStringList separators = seconds_ ? QStringList{":"} : QStringList{":", "."};
    Configure(entry_.Texts(), separators);
}

void CLatLonEdit::SetLongitude() {
    SetSecondsForm(false);
    longitude_ = true;
    entry_.Segment(kDegrees).SetRange(0, 179);
    entry_.SetWidth(kDegrees, 3);
    entry_.SetDigits(kDegrees, 3);
    Reconfigure();
}

void CLatLonEdit::SetSecondsForm(bool seconds) {
    if (seconds == seconds_)
        return;
    EditSegment& last = entry_.Segment(kLast);
    const int32_t converted =
        seconds ? HundredthsToSeconds(last.Value()) : SecondsToHundredths(last.Value());
    last.SetRange(0, seconds ? 59 : 99);
    last.Set(converted);
    seconds_ = seconds;
    Reconfigure();
}

void CLatLonEdit::SetSegments(const CoordinateSegments& segments) {
    entry_.Segment(kDegrees).Set(segments.degrees);
    entry_.Segment(kMinutes).Set(segments.minutes);
    entry_.Segment(kLast).Set(segments.last);
    SetSegmentTexts(entry_.Texts());
}

void CLatLonEdit::SetSecondsOfArc(int32_t secondsOfArc) {
    SetSegments(SegmentsFromSecondsOfArc(secondsOfArc, seconds_));
}

bool CLatLonEdit::SetFromText(const QString& text) {
    const QStringList parts = text.split(':');
    if (parts.size() < 3)
        return false;
    SetSegments({TextToInt(parts[0]), TextToInt(parts[1]), TextToInt(parts[2])});
    return true;
}

void CLatLonEdit::OnExternalText(const QString& text) {
    if (text.trimmed().isEmpty()) {
        for (int i = 0; i < entry_.Count(); ++i)
            entry_.Zero(i);
        SetSegmentTexts(entry_.Texts());
        return;
    }
    SetFromText(QString(text).replace('.', ':'));
}

CoordinateSegments CLatLonEdit::Segments() const {
    return {entry_.Value(kDegrees), entry_.Value(kMinutes), entry_.Value(kLast)};
}

int32_t CLatLonEdit::SecondsOfArc() const {
    return SecondsOfArcFromSegments(Segments(), seconds_);
}

double CLatLonEdit::DecimalDegrees() const {
    return DecimalDegreesFromSegments(Segments(), seconds_);
}
