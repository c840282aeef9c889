#pragma once
// "Runways": a drawing of an airport's runways (one scale for both axes, north up) under a
// header band with the airport's identifier and elevation. Works on its own copy of the airport.

#include "core/navdata/NavRecords.h"
#include "resource.h"
#include "ui/framework/CalcDialog.h"

class QPainter;

class CRunwayDiagramDlg : public CCalcDialog {
    Q_OBJECT
public:
    static constexpr LayoutTriple kTemplates{IDD_RUNWAYS_P, IDD_RUNWAYS_L, IDD_RUNWAYS_S};
    static constexpr int kHeaderHeight = 24;

    CRunwayDiagramDlg(const AirportDetails& airport, QWidget* parent = nullptr);

    // "Runways - " and the identifier.
    QString HeaderText() const;
    // Draws the diagram into an area (the owner-drawn control's paint).
    void PaintDiagram(QPainter& painter, const QRect& area) const;

protected:
    bool OnInitDialog() override;
    void paintEvent(QPaintEvent* event) override;

private:
    AirportDetails airport_;
};
