#include "core/common/entry/EditSegment.h"

#include <algorithm>

namespace {

// The typed digits as a number; long digit strings saturate instead of overflowing.
int64_t TypedNumber(const QString& digits) {
    int64_t n = 0;
    for (QChar d : digits)
        n = std::min<int64_t>(n * 10 + (d.unicode() - u'0'), INT32_MAX + int64_t{1});
    return n;
}

} // namespace

EditSegment::EditSegment(int32_t minimum, int32_t maximum, int32_t step)
    : value_(minimum), minimum_(minimum), maximum_(std::max(minimum, maximum)), step_(step) {}

void EditSegment::SetRange(int32_t minimum, int32_t maximum) {
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
    if (value_ < minimum_ || value_ > maximum_)
        value_ = minimum_;
}

bool EditSegment::Set(int32_t v) {
    typed_.clear();
    if (v < minimum_ || v > maximum_)
        return false;
    value_ = v;
    if (v == 0)
        negative_ = false;
    return true;
}

void EditSegment::StepUp() {
    const int64_t next = int64_t{value_} + step_;
    value_ = next > maximum_ ? minimum_ : static_cast<int32_t>(next);
    typed_.clear();
}

void EditSegment::StepDown() {
    const int64_t next = int64_t{value_} - step_;
    value_ = next < minimum_ ? maximum_ : static_cast<int32_t>(next);
    typed_.clear();
}

void EditSegment::Reset() {
    value_ = minimum_;
}

bool EditSegment::TypeCharacter(QChar c) {
    if (c == u'-') {
        if (!NegativesAllowed())
            return false;
        if (value_ == INT32_MIN)
            return false;
        negative_ = !negative_;
        value_ = -value_;
        return true;
    }
    if (c < u'0' || c > u'9')
        return false;
    typed_ += c;
    int64_t number = TypedNumber(typed_);
    if (number > maximum_) {
        typed_ = QString(c);
        number = c.unicode() - u'0';
        if (number > maximum_) { // a range below 9: even the digit alone does not fit
            typed_.clear();
            return false;
        }
    }
    value_ = static_cast<int32_t>(negative_ ? -number : number);
    return true;
}
