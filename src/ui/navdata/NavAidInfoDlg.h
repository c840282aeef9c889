#pragma once
// "View Nav Aid": a nav aid's identifier, name, type, position and frequency.

#include "core/navdata/NavRecords.h"
#include "resource.h"
#include "ui/framework/CalcDialog.h"

class CNavAidInfoDlg : public CCalcDialog {
    Q_OBJECT
public:
    static constexpr LayoutTriple kTemplates{IDD_NAV_AID_INFO_P, IDD_NAV_AID_INFO_L,
                                             IDD_NAV_AID_INFO_S};

    CNavAidInfoDlg(const NavAidRecord& record, const QString& name, QWidget* parent = nullptr);

protected:
    bool OnInitDialog() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Fill();

    NavAidRecord record_;
    QString name_;
};
