#include "ui/times/TimeZonesView.h"

#include "core/common/Clock.h"
#include "resource.h"
#include "ui/document/TrevallionDoc.h"
#include "ui/framework/ColourScheme.h"
#include "ui/framework/DeviceScreen.h"
#include "ui/times/TimeZonesDlg.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>

CTimeZonesView::CTimeZonesView(CTrevallionDoc& document, CCommandTable& commands, QWidget* parent)
    : CCustomFormView(LayoutTriple{}, QStringLiteral("Time Zones"), parent), document_(document),
      ownCommands_(commands.Add({{ID_EDIT_TIME_ZONES, [this] { EditTimeZones(); }}})) {
    setFocusPolicy(Qt::StrongFocus); // the arrow and page keys scroll the rows
}

void CTimeZonesView::OnInitialUpdate() {
    clocks_ = WorldClocks::Load(document_.Settings());
    clockFont_ = font();
    clockFont_.setPixelSize(20);
    clockFont_.setWeight(QFont::Bold);
    const QFontMetrics metrics(clockFont_);
    digitWidth_ = metrics.horizontalAdvance(QLatin1Char('0'));
    lineHeight_ = metrics.height();
    minute_.Changed(CurrentClock().NowUtc());
    CCustomFormView::OnInitialUpdate();
}

void CTimeZonesView::paintEvent(QPaintEvent* event) {
    CCustomFormView::paintEvent(event); // the title band
    QPainter painter(this);
    painter.setFont(clockFont_);
    painter.setPen(CurrentColourScheme().ink);
    minute_.Changed(CurrentClock().NowUtc());
    const int screenWidth = CurrentPlatform().Screen().Width();
    const int timeX = screenWidth - 7 * digitWidth_;
    const int nameX = digitWidth_ / 2;
    const QFontMetrics metrics(clockFont_);
    const QVector<WorldClockRow> rows = Rows();
    int y = TopOfRows();
    for (const WorldClockRow& row : rows.mid(std::min<qsizetype>(firstRow_, rows.size()))) {
        // A long name gives way to the time rather than run under it.
        const QString name =
            metrics.elidedText(row.name, Qt::ElideRight, std::max(0, timeX - nameX - 2));
        painter.drawText(QRect(nameX, y, timeX - nameX, lineHeight_),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, name);
        painter.drawText(QRect(timeX, y, screenWidth - timeX, lineHeight_),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, row.time);
        y += lineHeight_;
    }
    PaintScrollBar(painter, static_cast<int>(rows.size()));
}

void CTimeZonesView::PaintScrollBar(QPainter& painter, int rowCount) const {
    const int shown = VisibleRowCount();
    if (rowCount <= shown || rowCount == 0)
        return;
    const int top = TopOfRows();
    const int length = height() - top - 2;
    const int thumbTop = top + length * firstRow_ / rowCount;
    const int thumbLength = std::max(8, length * shown / rowCount);
    painter.fillRect(QRect(width() - 4, top, 3, length), CurrentColourScheme().scrollTrack);
    painter.fillRect(QRect(width() - 4, thumbTop, 3, thumbLength),
                     CurrentColourScheme().scrollThumb);
}

int CTimeZonesView::VisibleRowCount() const {
    return lineHeight_ > 0 ? std::max(1, (height() - TopOfRows()) / lineHeight_) : 1;
}

void CTimeZonesView::ScrollRows(int rows) {
    // The shown places, without working out their times.
    const auto count =
        static_cast<int>(std::count_if(clocks_.places.cbegin(), clocks_.places.cend(),
                                       [](const WorldClock& p) { return p.Shown(); }));
    const int last = std::max(0, count - VisibleRowCount());
    const int first = std::clamp(firstRow_ + rows, 0, last);
    if (first == firstRow_)
        return;
    firstRow_ = first;
    Repaint();
}

void CTimeZonesView::mousePressEvent(QMouseEvent* event) {
    dragStartY_ = event->position().toPoint().y();
    CCustomFormView::mousePressEvent(event);
}

void CTimeZonesView::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton) || lineHeight_ <= 0) {
        CCustomFormView::mouseMoveEvent(event);
        return;
    }
    // A finger dragged up shows the rows below, a row for each row's height dragged.
    const int y = event->position().toPoint().y();
    const int rows = (dragStartY_ - y) / lineHeight_;
    if (rows != 0) {
        ScrollRows(rows);
        dragStartY_ -= rows * lineHeight_;
    }
}

void CTimeZonesView::wheelEvent(QWheelEvent* event) {
    const int steps = event->angleDelta().y() / 120;
    if (steps != 0)
        ScrollRows(-steps);
    event->accept();
}

void CTimeZonesView::keyPressEvent(QKeyEvent* event) {
    const int page = VisibleRowCount();
    const int rows = event->key() == Qt::Key_Down       ? 1
                     : event->key() == Qt::Key_Up       ? -1
                     : event->key() == Qt::Key_PageDown ? page
                     : event->key() == Qt::Key_PageUp   ? -page
                                                        : 0;
    if (rows == 0) {
        CCustomFormView::keyPressEvent(event);
        return;
    }
    ScrollRows(rows);
}

void CTimeZonesView::resizeEvent(QResizeEvent* event) {
    CCustomFormView::resizeEvent(event);
    ScrollRows(0); // a taller screen (a turn to portrait) shows the rows that now fit
}

void CTimeZonesView::Repaint() {
    ++repaints_;
    update();
}

void CTimeZonesView::OnTimerTick() {
    if (minute_.Changed(CurrentClock().NowUtc()))
        Repaint();
}

void CTimeZonesView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        EditTimeZones();
        return;
    }
    CCustomFormView::mouseDoubleClickEvent(event);
}

void CTimeZonesView::EditTimeZones() {
    CTimeZonesDlg editor(clocks_, this);
    if (editor.DoModal() != kIdOk)
        return;
    clocks_ = editor.Clocks();
    clocks_.Save(document_.Settings());
    ScrollRows(0); // fewer places may leave nothing below the first row shown
    Repaint();
}
