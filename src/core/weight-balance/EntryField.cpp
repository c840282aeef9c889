#include "core/weight-balance/EntryField.h"

#include "core/common/Format.h"
#include "core/common/NumberText.h"

double ReadEntryNumber(const QString& text, const QString& shownText, double shownValue) {
    return text == shownText ? shownValue : TextToDouble(text);
}

double ReadEntryWhole(const QString& text, const QString& shownText, double shownValue) {
    return text == shownText ? shownValue : TextToInt(text);
}

QString EntryCellText(double value) {
    return value == 0.0 ? QString() : FormatText("%.1f", value);
}
