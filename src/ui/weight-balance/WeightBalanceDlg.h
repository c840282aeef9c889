#pragma once
// The "Weight & Balance" dialog of the weight and balance view: the details of the loading in
// the upper half and its CG graph in the lower half. A tap on the graph opens the graph options'
// pop-up menu at the graph's centre.

#include "core/weight-balance/LoadingDetails.h"
#include "resource.h"
#include "ui/framework/CalcDialog.h"
#include "ui/weight-balance/CgGraph.h"

class CWeightBalanceDlg : public CCalcDialog {
    Q_OBJECT
public:
    static constexpr LayoutTriple kTemplates{IDD_WB_DETAILS_P, IDD_WB_DETAILS_L, IDD_WB_DETAILS_S};

    // Everything is copied.
    CWeightBalanceDlg(const AircraftType& type, const Aircraft& aircraft, const Loading& loading,
                      const LoadingResults& results, QWidget* parent = nullptr);

    void done(int result) override;

protected:
    bool OnInitDialog() override;

private:
    AircraftType type_;
    LoadingResults results_;
    LoadingDetails details_;
    CCgGraph graph_;
};
