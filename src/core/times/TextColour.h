#pragma once
// The colours the Times view and the Timers dialog draw their texts in. The screens map them to
// black (0, 0, 0), blue (0, 0, 255), red (255, 0, 0) and purple (128, 0, 128).

#include <QString>

enum class TextColour { Black, Blue, Red, Purple };

// A text and the colour it is drawn in.
struct ColouredText {
    QString text;
    TextColour colour = TextColour::Black;

    bool operator==(const ColouredText&) const = default;
};
