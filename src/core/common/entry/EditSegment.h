#pragma once
// One numeric segment of a segmented entry field (degrees, minutes, hours ...): a value kept
// within [minimum, maximum], stepped with wrap-around, and filled digit by digit.

#include <QChar>
#include <QString>

#include <cstdint>

class EditSegment {
public:
    EditSegment(int32_t minimum = 0, int32_t maximum = 0, int32_t step = 1);

    int32_t Value() const { return value_; }
    int32_t Minimum() const { return minimum_; }
    int32_t Maximum() const { return maximum_; }
    int32_t Step() const { return step_; }
    bool Negative() const { return negative_; }
    bool NegativesAllowed() const { return minimum_ < 0; }
    // The digits typed since the segment was last set, stepped or entered.
    const QString& TypedText() const { return typed_; }

    // Changes the range; a value outside it becomes the minimum.
    void SetRange(int32_t minimum, int32_t maximum);
    // Sets v when minimum <= v <= maximum and returns true; otherwise keeps the value and returns
    // false. A value of 0 clears the negative flag; the typed text is cleared either way.
    bool Set(int32_t v);
    // One step up (above the maximum wraps to the minimum) or down (below the minimum wraps to
    // the maximum). Both clear the typed text.
    void StepUp();
    void StepDown();
    // The value becomes the minimum.
    void Reset();
    // Forgets the typed digits, so the next digit starts a new number.
    void ClearTyped() { typed_.clear(); }
    // A typed character: a digit extends the typed number (restarting with this digit alone when
    // the number would exceed the maximum); "-" toggles the sign where negatives are allowed.
    // Returns false (keeping the value) for any other character, and for a digit that exceeds
    // the maximum even alone.
    bool TypeCharacter(QChar c);

private:
    int32_t value_ = 0;
    int32_t minimum_ = 0;
    int32_t maximum_ = 0;
    int32_t step_ = 1;
    QString typed_;
    bool negative_ = false;
};
