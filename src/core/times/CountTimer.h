#pragma once
// One of the document's four count-down/count-up timers: its settings (name, sound, starting
// time, option bits, stored as "TimerName%i", "TimerSound%i", "TimerVal%i", "TimerOptions%i")
// and its running state, advanced once a second by ClockTick. Playing sounds is the caller's job:
// Advance reports when one is due.

#include "core/common/Outcome.h"

#include <QString>

#include <cstdint>

class SettingsStore;

// Option bits.
namespace timer_options {
inline constexpr uint32_t kCountDown = 0x01;
inline constexpr uint32_t kRestart = 0x04;   // at zero: start the count-down again
inline constexpr uint32_t kCountUp = 0x08;   // at zero: go on counting up
inline constexpr uint32_t kPlaySound = 0x10; // play the sound file when passing zero
inline constexpr uint32_t kRepeat = 0x20;    // stored and shown; the sound plays once
inline constexpr uint32_t kStartOnTakeoff = 0x40;
} // namespace timer_options

enum class TimerState { Stopped = 0, CountingDown = 1, CountingUp = 2 };
// What a count-down does at zero (the "then" list: "Stop", "Restart", "Count up").
enum class ZeroAction { Stop = 0, Restart = 1, CountUp = 2 };

// What one advance did.
struct TimerAdvance {
    bool playSound = false; // passed zero with the sound option: play Sound() once
    bool stopped = false;   // stopped at zero: an open Timers dialog refreshes its buttons
};

class CountTimer {
public:
    static constexpr uint32_t kCountUpLimit = 5940; // 99:00; counting beyond it starts at 0

    explicit CountTimer(int index = 0);

    int Index() const { return index_; }
    uint32_t Value() const { return value_; }
    uint32_t StartValue() const { return start_; }
    TimerState State() const { return state_; }
    bool IsRunning() const { return state_ != TimerState::Stopped; }
    uint32_t Options() const { return options_; }
    bool HasOption(uint32_t bit) const { return (options_ & bit) != 0; }
    const QString& Name() const { return name_; }
    const QString& Sound() const { return sound_; }

    void SetValue(uint32_t seconds) { value_ = seconds; }
    void SetOptions(uint32_t options) { options_ = options; }
    void SetOption(uint32_t bit, bool on);
    void SetName(const QString& name) { name_ = name; }
    void SetSound(const QString& path) { sound_ = path; }
    ZeroAction GetZeroAction() const;
    void SetZeroAction(ZeroAction action);

    // Value = start with the count-down option, else 0.
    void Reset();
    // Counts down (from the start when the value is 0) with the count-down option, else counts up.
    // Refused, with "You must set a starting time to start a count down timer.", when a
    // count-down would have nothing to count (value and start both 0).
    Status Start();
    void Stop() { state_ = TimerState::Stopped; }
    TimerAdvance Advance(uint32_t elapsedSeconds);

    // The Timers dialog's spinners: a minute up; a minute down only above 60 seconds; a second
    // up; a second down only above 0.
    void MinuteUp() { value_ += 60; }
    void MinuteDown();
    void SecondUp() { value_ += 1; }
    void SecondDown();
    // The 0-59 picker: replaces the minutes or the seconds of the value.
    void PickMinutes(uint32_t minutes);
    void PickSeconds(uint32_t seconds);

    // "%02u:%02u" of minutes and seconds.
    QString Text() const;

    // Reads the four stored values (stopped, value = start; name "Timer %i" with index + 1 when
    // none is stored).
    void Load(const SettingsStore& store);
    // Saves name, sound and options (after the option dialogs).
    void SaveSettings(SettingsStore& store) const;
    // "Set starting": start = value, saved as "TimerVal%u". Returns "Starting time saved.".
    Message SetStarting(SettingsStore& store);

private:
    uint32_t value_ = 0;
    TimerState state_ = TimerState::Stopped;
    uint32_t start_ = 0;
    int index_ = 0;
    uint32_t options_ = 0;
    QString name_;
    QString sound_;
};
