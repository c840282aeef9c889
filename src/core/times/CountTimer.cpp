#include "core/times/CountTimer.h"
#include "core/common/text/Format.h"

#include "core/common/settings/SettingsSchema.h"

using namespace timer_options;

CountTimer::CountTimer(int index) : index_(index), name_(FormatText("Timer %i", index + 1)) {}

void CountTimer::SetOption(uint32_t bit, bool on) {
    options_ = on ? (options_ | bit) : (options_ & ~bit);
}

ZeroAction CountTimer::GetZeroAction() const {
    if (HasOption(kCountUp))
        return ZeroAction::CountUp;
    if (HasOption(kRestart))
        return ZeroAction::Restart;
    return ZeroAction::Stop;
}

void CountTimer::SetZeroAction(ZeroAction action) {
    options_ &= ~(kRestart | kCountUp);
    if (action == ZeroAction::Restart)
        options_ |= kRestart;
    else if (action == ZeroAction::CountUp)
        options_ |= kCountUp;
}

void CountTimer::Reset() {
    value_ = HasOption(kCountDown) ? start_ : 0;
}

Status CountTimer::Start() {
    if (!HasOption(kCountDown)) {
        state_ = TimerState::CountingUp;
        return Status();
    }
    if (value_ == 0 && start_ == 0)
        return Status::Fail(
            QStringLiteral("You must set a starting time to start a count down timer."),
            MessageIcon::Information);
    if (value_ == 0)
        value_ = start_;
    state_ = TimerState::CountingDown;
    return Status();
}

TimerAdvance CountTimer::Advance(uint32_t e) {
    TimerAdvance result;
    if (state_ == TimerState::CountingUp) {
        value_ += e;
        if (value_ > kCountUpLimit)
            value_ = 0;
        return result;
    }
    if (state_ != TimerState::CountingDown)
        return result;
    if (e <= value_) {
        value_ -= e;
        return result;
    }
    // Passing zero; a timer showing 0:00 passes on the next tick.
    result.playSound = HasOption(kPlaySound);
    if (HasOption(kRestart)) {
        // One cycle from the start down through 0:00 lasts start + 1 ticks; a late tick that
        // spans several cycles lands where the count-down would be, never below zero.
        const uint64_t beyondZero = static_cast<uint64_t>(e) - value_ - 1;
        value_ = start_ - static_cast<uint32_t>(beyondZero % (static_cast<uint64_t>(start_) + 1));
    } else if (HasOption(kCountUp)) {
        state_ = TimerState::CountingUp;
        value_ = e - value_;
    } else {
        value_ = 0;
        state_ = TimerState::Stopped;
        result.stopped = true;
    }
    return result;
}

void CountTimer::MinuteDown() {
    if (value_ > 60)
        value_ -= 60;
}

void CountTimer::SecondDown() {
    if (value_ > 0)
        value_ -= 1;
}

void CountTimer::PickMinutes(uint32_t minutes) {
    value_ = minutes * 60 + value_ % 60;
}

void CountTimer::PickSeconds(uint32_t seconds) {
    value_ = value_ / 60 * 60 + seconds;
}

QString CountTimer::Text() const {
    return FormatText("%02u:%02u", value_ / 60, value_ % 60);
}

void CountTimer::Load(const SettingsStore& store) {
    const QString name = setting::kTimerName.At(index_).Read(store);
    name_ = name.isEmpty() ? FormatText("Timer %i", index_ + 1) : name;
    sound_ = setting::kTimerSound.At(index_).Read(store);
    start_ = static_cast<uint32_t>(setting::kTimerStart.At(index_).Read(store));
    options_ = static_cast<uint32_t>(setting::kTimerOptions.At(index_).Read(store));
    value_ = start_;
    state_ = TimerState::Stopped;
}

void CountTimer::SaveSettings(SettingsStore& store) const {
    setting::kTimerName.At(index_).Write(store, name_);
    setting::kTimerSound.At(index_).Write(store, sound_);
    setting::kTimerOptions.At(index_).Write(store, static_cast<int>(options_));
}

Message CountTimer::SetStarting(SettingsStore& store) {
    start_ = value_;
    setting::kTimerStart.At(index_).Write(store, static_cast<int>(start_));
    return Message{QStringLiteral("Starting time saved."), MessageIcon::Information};
}
