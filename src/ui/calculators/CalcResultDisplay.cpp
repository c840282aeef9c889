#include "ui/calculators/CalcResultDisplay.h"

#include "ui/framework/AppContext.h"
#include "ui/framework/CalcDialog.h"

#include <QWidget>

namespace {

int FieldId(const CalcFieldIds& fields, const QString& label) {
    for (const auto& [name, id] : fields)
        if (name == label)
            return id;
    return 0;
}

void Show(CCalcDialog& dialog, const Message& message) {
    dialog.ShowMessage(message.text, MessageButtons::Ok, message.icon);
}

void SetTexts(CCalcDialog& dialog, const QVector<CalcField>& texts, const CalcFieldIds& fields) {
    for (const CalcField& text : texts)
        if (const int id = FieldId(fields, text.label); id != 0)
            dialog.SetDlgItemText(id, text.text);
}

} // namespace

bool ShowCalcResult(CCalcDialog& dialog, const CalcResult& result, const CalcFieldIds& fields) {
    SetTexts(dialog, result.replaced, fields);
    if (result.notice)
        Show(dialog, *result.notice);
    if (result.stop) {
        Show(dialog, *result.stop);
        if (const int id = FieldId(fields, result.focusLabel); id != 0)
            if (QWidget* field = dialog.GetDlgItem(id))
                field->setFocus();
        SetTexts(dialog, result.outputs, fields); // what a stopped calculation still shows
        return false;
    }
    SetTexts(dialog, result.outputs, fields);
    if (result.lastCalcResult)
        CurrentAppState().lastCalcResult = *result.lastCalcResult;
    return true;
}
