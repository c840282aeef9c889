#pragma once
// Calculators of trevallion-calc. Each registers itself with a static CalcCommandRegistration:
//
//   static const CalcCommandRegistration kGroundSpeed{
//       "ground-speed", "Ground Speed",
//       {{"wind-direction", "Wind Direction"}, {"wind-speed", "Wind Speed"}, ...},
//       [](const CalcArgs& a) { return GroundSpeed(a.Text("wind-direction"), ...); }};
//
// The keys are the dialog's field labels in lower case with dashes; a key not given reads as an
// empty field. The result is printed as "Label: text" lines; a stopped calculation prints its
// message on standard error and exits 1; bad usage exits 2.

#include "core/calculators/CalcResult.h"

#include <QStringList>

#include <functional>

struct CalcKey {
    QString key;   // "wind-direction"
    QString label; // "Wind Direction"
};

class CalcArgs {
public:
    using Pairs = QList<QPair<QString, QString>>;
    explicit CalcArgs(Pairs pairs) : pairs_(std::move(pairs)) {}
    // The text given for a key (the last one when given twice), "" when not given.
    QString Text(const QString& key) const {
        const QStringList all = All(key);
        return all.isEmpty() ? QString() : all.last();
    }
    bool Has(const QString& key) const { return !All(key).isEmpty(); }
    // Every value given for a key, in the order given (e.g. the steps of time-sum).
    QStringList All(const QString& key) const {
        QStringList values;
        for (const auto& pair : pairs_)
            if (pair.first == key)
                values.append(pair.second);
        return values;
    }
    const Pairs& InOrder() const { return pairs_; }

    // A calculator that finds a value no dialog could hold (a list item that does not exist)
    // reports it here: the command line treats it as bad usage (exit 2), not a refused input.
    void ReportUsage(const QString& problem) const { usageProblem_ = problem; }
    const QString& UsageProblem() const { return usageProblem_; }

private:
    Pairs pairs_;
    mutable QString usageProblem_;
};

struct CalcCommand {
    QString name;
    QString title; // the dialog's caption
    QList<CalcKey> keys;
    std::function<CalcResult(const CalcArgs&)> run;
    bool repeatableKeys = false; // keys may be given more than once (in order)
    QStringList flags = {};      // keys given without a value (they read as "yes")
    bool plainLines = false;     // outputs printed as their texts alone, one a line
};

struct CalcCommandRegistration {
    explicit CalcCommandRegistration(CalcCommand command);
};

const QList<CalcCommand>& CalcCommands();
