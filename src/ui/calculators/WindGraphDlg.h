#pragma once
// The base of the two dialogs with the compass graph ("Ground Speed" and "Wind"): the graph in
// the owner-drawn area, redrawn from the values the last calculation gave, and the legend text
// of the layout in use (the landscape template carries a shorter one).

#include "core/calculators/WindCalculators.h"
#include "ui/framework/CalcDialog.h"

class CWindGraphDlg : public CCalcDialog {
    Q_OBJECT
public:
    CWindGraphDlg(LayoutTriple templates, QWidget* parent);

    const WindGraphValues& Graph() const { return graph_; }
    // Runs the dialog's calculation (the Calculate button).
    virtual void OnCalculate() = 0;

protected:
    // Binds Calculate and the graph; derived dialogs call it after the base initialisation.
    bool OnInitDialog() override;
    // Takes new graph values and redraws the graph.
    void SetGraph(const WindGraphValues& values);

private:
    void ShowLegendOfLayout();

    WindGraphValues graph_;
};
