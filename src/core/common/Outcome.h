#pragma once
// Outcome of a core operation: a value, or the message that explains why there is none.
// Core code never shows anything; the UI turns a failed outcome into one message box.

#include <QString>

#include <optional>
#include <utility>

enum class MessageIcon { None, Information, Warning, Error, Question };

struct Message {
    QString text;
    MessageIcon icon = MessageIcon::Information;

    bool operator==(const Message&) const = default;
};

template <typename T> class [[nodiscard]] Outcome {
public:
    Outcome(T value) : value_(std::move(value)) {}
    Outcome(Message error) : error_(std::move(error)) {}

    static Outcome Fail(QString text, MessageIcon icon = MessageIcon::Error) {
        return Outcome(Message{std::move(text), icon});
    }

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }
    const T& value() const& { return *value_; }
    T& value() & { return *value_; }
    T&& value() && { return std::move(*value_); }
    const T* operator->() const { return &*value_; }
    const Message& error() const { return error_; }

private:
    std::optional<T> value_;
    Message error_;
};

// Outcome without a value: success, or the message of the failure.
class [[nodiscard]] Status {
public:
    Status() = default;
    Status(Message error) : failed_(true), error_(std::move(error)) {}
    // A failure told once and taken from where it waited (SettingsStore::TakeFailure): a
    // success when there is none.
    explicit Status(std::optional<Message> pending)
        : failed_(pending.has_value()), error_(pending ? std::move(*pending) : Message{}) {}

    static Status Fail(QString text, MessageIcon icon = MessageIcon::Error) {
        return Status(Message{std::move(text), icon});
    }

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const Message& error() const { return error_; }

private:
    bool failed_ = false;
    Message error_;
};
