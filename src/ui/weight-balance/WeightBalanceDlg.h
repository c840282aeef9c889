#pragma once
// The "Weight & Balance" dialog of the weight and balance view: the details of the loading in
// the upper half and its CG graph in the lower half. A tap on the graph opens the graph options'
// pop-up menu at the graph's centre.

#include "core/weight-balance/LoadingDetails.h"
#include "resource.h"
#include "ui/weight-balance/GraphHostDlg.h"

class CWeightBalanceDlg : public CGraphHostDlg {
    Q_OBJECT
public:
    static constexpr LayoutTriple kTemplates{IDD_WB_DETAILS_P, IDD_WB_DETAILS_L, IDD_WB_DETAILS_S};

    // Everything is copied.
    CWeightBalanceDlg(const AircraftType& type, const Aircraft& aircraft, const Loading& loading,
                      const LoadingResults& results, QWidget* parent = nullptr);

protected:
    bool OnInitDialog() override;

private:
    LoadingDetails details_;
};
