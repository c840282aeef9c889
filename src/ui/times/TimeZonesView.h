#pragma once
// The Time Zones view: world clocks. Under its painted title it draws, in the clock font (the
// view's font 20 pixels high, bold), one row per shown place with the place's name and its time,
// "%02u:%02u" followed by "+" or "-" when its date is a day after or before the device's. It
// repaints when the UTC minute changes. A double tap or Edit, Time Zones... opens the editor;
// after OK the places are written back as "TimeZone%i" values. It has no template. More rows
// than the screen holds (landscape holds nine) scroll: dragged with a finger, by the wheel, or by
// the arrow and page keys, with a bar at the right edge showing where the rows shown lie.

#include "core/times/MinuteWatch.h"
#include "core/times/WorldClocks.h"
#include "ui/framework/CommandTable.h"
#include "ui/framework/CustomFormView.h"

#include <QFont>

class CTrevallionDoc;

class CTimeZonesView : public CCustomFormView {
    Q_OBJECT
public:
    // Edit, Time Zones... is in `commands` while the view lives.
    CTimeZonesView(CTrevallionDoc& document, CCommandTable& commands, QWidget* parent = nullptr);

    // The one-second tick: a repaint when the UTC minute has changed.
    void OnTimerTick() override;

    // Opens the "Time Zones" editor; OK rewrites the stored places and repaints.
    void EditTimeZones();

    const WorldClocks& Clocks() const { return clocks_; }
    // The rows the view draws now.
    QVector<WorldClockRow> Rows() const { return clocks_.Rows(); }
    // How many times the view asked to be repainted (tests watch the once-a-minute rule).
    int RepaintCount() const { return repaints_; }

    // The first row drawn, and how many whole rows the view's height holds.
    int FirstRow() const { return firstRow_; }
    int VisibleRowCount() const;
    // Moves the rows shown by `rows` (down for positive), within the rows there are.
    void ScrollRows(int rows);

protected:
    void OnInitialUpdate() override;
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Repaint();
    int TopOfRows() const { return lineHeight_ / 2 + 10; }
    void PaintScrollBar(QPainter& painter, int rowCount) const;

    CTrevallionDoc& document_;
    WorldClocks clocks_;
    QFont clockFont_;
    int digitWidth_ = 0;
    int lineHeight_ = 0;
    MinuteWatch minute_;
    int repaints_ = 0;
    int firstRow_ = 0;
    int dragStartY_ = 0; // where the finger went down, moved on by each whole row dragged
    CCommandTable::Layer ownCommands_;
};
