#pragma once
// The hold entry dialog ("Hold"): the entry ("Direct", "Offset" or "Parallel") into a holding
// pattern from the inbound course, the approach course and the turn direction, with the pattern
// drawn. The last courses are remembered for the program's run.

#include "core/calculators/HoldEntry.h"
#include "resource.h"
#include "ui/framework/CalcDialog.h"

class CHoldEntryDlg : public CCalcDialog {
    Q_OBJECT
public:
    static constexpr LayoutTriple kTemplates{IDD_HOLD_ENTRY_P, IDD_HOLD_ENTRY_L, IDD_HOLD_ENTRY_S};

    explicit CHoldEntryDlg(QWidget* parent = nullptr);

    // Evaluates the entry from the lists and redraws the pattern (on opening and on every change).
    void Evaluate();
    const HoldEntryResult& Entry() const { return entry_; }

    // The courses remembered for the run: inbound 360 and approach 0 at first.
    struct Remembered {
        int inbound = 360;
        int approach = 0;
    };
    static Remembered& LastCourses();

protected:
    bool OnInitDialog() override;

private:
    // The course of a field in whole degrees, picked or typed; -1 when its text is no course.
    int CourseDegrees(int id) const;
    HoldTurns Turns() const;

    HoldEntryResult entry_;
};
