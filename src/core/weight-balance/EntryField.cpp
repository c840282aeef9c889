#include "core/weight-balance/EntryField.h"

#include "core/common/text/Format.h"
#include "core/common/text/NumberText.h"

double ReadEntryNumber(const QString& text, const QString& shownText, double shownValue) {
    return text == shownText ? shownValue : TextToDouble(text);
}

double ReadEntryWhole(const QString& text, const QString& shownText, double shownValue) {
    return text == shownText ? shownValue : TextToInt(text);
}

QString EntryCellText(double value) {
    return value == 0.0 ? QString() : FormatText("%.1f", value);
}
