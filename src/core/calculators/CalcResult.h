#pragma once
// What a calculator computes from its dialog's input texts: the output texts in the dialog's
// order, or the message that stopped it. A stopped calculation may still carry outputs: the
// texts the dialog shows after the message (often cleared fields). A calculator may also rewrite
// an input field (a direction "0" becomes "360"); those fields and their new texts are listed in
// `replaced`, and the dialog puts them into its fields whether or not the calculation stopped.

#include "core/common/Outcome.h"

#include <QString>
#include <QVector>

#include <optional>

struct CalcField {
    QString label; // the dialog's label of the field, without the colon
    QString text;  // exactly as the dialog shows it
    bool operator==(const CalcField&) const = default;
};

struct CalcResult {
    QVector<CalcField> outputs;
    std::optional<Message> stop;
    QVector<CalcField> replaced; // input fields whose text the calculator rewrote

    void Add(const QString& label, const QString& text) { outputs.append({label, text}); }
    // The value the dialog stores as the run-wide last calculator result, when it stores one.
    std::optional<double> lastCalcResult;
    // A message the dialog shows while the calculation goes on (e.g. a setting replaced by its
    // default); the outputs are still valid.
    std::optional<Message> notice;
    // The label of the input field a stop message names, which then takes the focus; "" if none.
    QString focusLabel;

    bool Stopped() const { return stop.has_value(); }
    // The text of the output with this label; "" when absent.
    QString Text(const QString& label) const {
        for (const CalcField& f : outputs)
            if (f.label == label)
                return f.text;
        return {};
    }
};
