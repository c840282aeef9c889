#include "ui/calculators/CalcResultDisplay.h"

#include "ui/framework/AppContext.h"
#include "ui/framework/CalcDialog.h"

#include <QDebug>
#include <QWidget>

namespace {

int FieldId(const CalcFieldIds& fields, const QString& label) {
    for (const auto& [name, id] : fields)
        if (name == label)
            return id;
    return 0;
}

// Every text a calculator returns has its field: a label the dialog does not map is a fault of
// the dialog, which stops a debug build (and every test run) instead of dropping the text.
void SetTexts(CCalcDialog& dialog, const QVector<CalcField>& texts, const CalcFieldIds& fields) {
    for (const CalcField& text : texts) {
        const int id = FieldId(fields, text.label);
        if (id == 0) {
            qCritical("%s: no field shows the calculator's \"%s\"", qPrintable(dialog.Caption()),
                      qPrintable(text.label));
            Q_ASSERT_X(false, "ShowCalcResult", "a calculator output has no field");
            continue;
        }
        dialog.SetDlgItemText(id, text.text);
    }
}

} // namespace

bool ShowCalcResult(CCalcDialog& dialog, const CalcResult& result, const CalcFieldIds& fields) {
    SetTexts(dialog, result.replaced, fields);
    if (result.notice)
        dialog.ShowStatus(*result.notice);
    if (result.stop) {
        dialog.ShowStatus(*result.stop);
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
