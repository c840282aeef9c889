#pragma once
// The "Heading && Time" dialog: ground speed, true and magnetic heading, time en route and
// arrival for a track and distance in a wind. Its fields are remembered in the "Track." values
// after every successful calculation and restored on opening; the last Distance & Track result,
// when there is one, replaces the track and distance.

#include "resource.h"
#include "ui/framework/CalcDialog.h"

class CCommandTable;

class CHeadingTimeDlg : public CCalcDialog {
    Q_OBJECT
public:
    static constexpr LayoutTriple kTemplates{IDD_HEADING_TIME_P, IDD_HEADING_TIME_L,
                                             IDD_HEADING_TIME_S};
    // The result of the "Distance && Track" button, which also posts the "Distance/Track..."
    // command to the command table, to run once this dialog has closed.
    static constexpr int kDistanceTrackResult = 0;

    // The table runs the hand-off to Distance & Track; it must outlive the dialog.
    explicit CHeadingTimeDlg(CCommandTable& commands, QWidget* parent = nullptr);
    void OnCalculate();

protected:
    bool OnInitDialog() override;
    QWidget* CreateControl(const ControlTemplate& control) override;

private:
    void FillLists();
    void RestoreLastValues();
    void SaveLastValues();
    // The departure field steps the selected part of its time up or down.
    void StepDeparture(int delta);

    CCommandTable& commands_;
};
