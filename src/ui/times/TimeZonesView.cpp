#include "ui/times/TimeZonesView.h"

#include "core/common/Clock.h"
#include "resource.h"
#include "ui/document/TrevallionDoc.h"
#include "ui/framework/DeviceScreen.h"
#include "ui/times/TimeZonesDlg.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

CTimeZonesView::CTimeZonesView(CTrevallionDoc& document, CCommandTable& commands, QWidget* parent)
    : CCustomFormView(LayoutTriple{}, QStringLiteral("Time Zones"), parent), document_(document),
      ownCommands_(commands.Add({{ID_EDIT_TIME_ZONES, [this] { EditTimeZones(); }}})) {}

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
    painter.setPen(Qt::black);
    minute_.Changed(CurrentClock().NowUtc());
    const int screenWidth = CurrentPlatform().Screen().Width();
    const int timeX = screenWidth - 7 * digitWidth_;
    const int nameX = digitWidth_ / 2;
    const QFontMetrics metrics(clockFont_);
    int y = lineHeight_ / 2 + 10;
    for (const WorldClockRow& row : Rows()) {
        // A long name gives way to the time rather than run under it.
        const QString name =
            metrics.elidedText(row.name, Qt::ElideRight, std::max(0, timeX - nameX - 2));
        painter.drawText(QRect(nameX, y, timeX - nameX, lineHeight_),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, name);
        painter.drawText(QRect(timeX, y, screenWidth - timeX, lineHeight_),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, row.time);
        y += lineHeight_;
    }
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
    Repaint();
}
