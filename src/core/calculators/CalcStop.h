#pragma once
// Small helpers for the calculators' stopping messages: string-table messages and literal texts,
// both with the information icon that calculator messages use.

#include "core/calculators/CalcResult.h"
#include "core/common/resources/Resources.h"

// A calculator message from the string table.
inline Message CalcMessage(int stringId) {
    return Message{LoadString(stringId), MessageIcon::Information};
}

inline Message CalcMessage(const char* text) {
    return Message{QString::fromUtf8(text), MessageIcon::Information};
}

// A result that stops with this message (and no outputs).
inline CalcResult StopWith(Message message) {
    CalcResult result;
    result.stop = std::move(message);
    return result;
}
