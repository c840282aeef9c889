#pragma once
// The latitude/longitude entry field: degrees, minutes and a last segment that holds hundredths
// of a minute (00:00.00) or seconds (00:00:00); longitudes have three degree digits
// (000:00.00). Typing moves on after 2 degree digits (3 for longitude) and 2 minute digits;
// Backspace/Delete zero the current segment, Up/Down step it with wrap-around. The field carries
// no hemisphere: its values are never negative and the dialogs apply the sign.

#include "core/common/entry/CoordinateSegments.h"
#include "core/common/entry/SegmentedEntry.h"
#include "ui/framework/SegmentEdit.h"

class CLatLonEdit : public CSegmentEdit {
    Q_OBJECT
public:
    // A latitude in the hundredths form: 00:00.00.
    explicit CLatLonEdit(QWidget* parent = nullptr);

    // Makes the field a longitude: degrees 0-179 shown with three digits, in the hundredths form
    // (call SetSecondsForm afterwards for seconds).
    void SetLongitude();
    bool IsLongitude() const { return longitude_; }
    // Switches the last segment between hundredths of a minute and seconds, converting its
    // value (99 hundredths -> 59 s, 59 s -> 98 hundredths). Nothing happens when the field is
    // already in the requested form.
    void SetSecondsForm(bool seconds);
    bool IsSecondsForm() const { return seconds_; }

    // Shows |secondsOfArc|. A segment whose part is out of its range keeps its value.
    void SetSecondsOfArc(int32_t secondsOfArc);
    // Text "degrees:minutes:last", each part a whole number; false (changing nothing) when the
    // text has fewer than two ":". Out-of-range parts are ignored.
    bool SetFromText(const QString& text);

    CoordinateSegments Segments() const;
    int32_t SecondsOfArc() const;
    double DecimalDegrees() const; // never negative

protected:
    // Empty text zeroes the field; "45:30.12" or "45:30:12" sets it.
    void OnExternalText(const QString& text) override;

private:
    void SetSegments(const CoordinateSegments& segments);
    void Reconfigure();

    SegmentedEntry entry_;
    bool longitude_ = false;
    bool seconds_ = false;
};
