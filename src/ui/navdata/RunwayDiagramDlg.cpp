#include "ui/navdata/RunwayDiagramDlg.h"

#include "core/common/resources/Resources.h"
#include "core/common/text/CoordinateText.h"
#include "core/navdata/RunwayDiagram.h"
#include "ui/framework/AppContext.h"
#include "ui/framework/ColourScheme.h"
#include "ui/framework/DeviceScreen.h"
#include "ui/framework/OwnerDrawArea.h"

#include <QPainter>

namespace {

void PaintLabel(QPainter& painter, const QPoint& end, const QString& label, bool firstEnd) {
    const QFontMetrics metrics(painter.font());
    const QSize text(metrics.horizontalAdvance(label), metrics.height());
    const QPoint offset = RunwayLabelOffset(firstEnd, RunwayNumber(label), text,
                                            metrics.horizontalAdvance(QLatin1Char('0')));
    painter.drawText(QRect(end + offset, text), Qt::AlignLeft | Qt::AlignTop, label);
}

} // namespace

CRunwayDiagramDlg::CRunwayDiagramDlg(const AirportDetails& airport, QWidget* parent)
    : CCalcDialog(kTemplates, parent), airport_(airport) {
    SetNoTitle(true); // the header band is painted here
}

QString CRunwayDiagramDlg::HeaderText() const {
    return QStringLiteral("Runways - ") + airport_.record.key.Text();
}

bool CRunwayDiagramDlg::OnInitDialog() {
    if (!CCalcDialog::OnInitDialog())
        return false;
    setWindowTitle(HeaderText());
    if (auto* area = Item<COwnerDrawArea>(IDC_RUNWAY_DIAGRAM))
        area->SetPaintFunction(
            [this](QPainter& painter, const QRect& rect) { PaintDiagram(painter, rect); });
    return true;
}

void CRunwayDiagramDlg::paintEvent(QPaintEvent* event) {
    CCalcDialog::paintEvent(event);
    QPainter painter(this);
    QFont bold = font();
    bold.setWeight(QFont::Bold);
    painter.setFont(bold);
    painter.setPen(CurrentColourScheme().title);
    const int width = CurrentPlatform().Screen().Width();
    painter.drawText(QRect(8, 0, width - 8, kHeaderHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     HeaderText());
    // The square screen's Cancel button sits at the band's right end; the elevation goes left
    // of it there.
    const int right = CurrentPlatform().Screen().IsSquare() ? width - 54 : width;
    painter.setFont(font());
    painter.setPen(CurrentColourScheme().ink);
    const QString elevation =
        LengthText(airport_.record.elevation, CurrentAppState().settings.metric) + ' ';
    painter.drawText(QRect(0, 0, right, kHeaderHeight), Qt::AlignRight | Qt::AlignVCenter,
                     elevation);
    painter.drawLine(0, kHeaderHeight, width, kHeaderHeight);
}

void CRunwayDiagramDlg::PaintDiagram(QPainter& painter, const QRect& area) const {
    painter.setPen(QPen(CurrentColourScheme().paper, 1));
    painter.drawLine(area.topLeft(), area.topRight());
    painter.drawLine(area.topRight(), area.bottomRight());
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    painter.setBackgroundMode(Qt::TransparentMode);
    const RunwayDiagramLayout layout =
        LayOutRunwayDiagram(airport_.record, airport_.runways, area.size());
    painter.setPen(CurrentColourScheme().ink);
    if (!layout.available) {
        painter.drawText(QRect(area.left(),
                               area.top() + area.height() / 2 - painter.fontMetrics().height() / 2,
                               area.width(), painter.fontMetrics().height()),
                         Qt::AlignHCenter | Qt::AlignTop, LoadString(IDS_RUNWAYS_NOT_AVAILABLE));
        return;
    }
    painter.save();
    painter.translate(area.topLeft());
    painter.setPen(QPen(CurrentColourScheme().ink, 2));
    const QPoint r = layout.reference;
    painter.drawLine(r.x() - 5, r.y(), r.x() + 5, r.y());
    painter.drawLine(r.x(), r.y() - 5, r.x(), r.y() + 5);
    for (const DiagramRunway& runway : layout.runways) {
        painter.setPen(
            QPen(CurrentColourScheme().ink, runway.penWidth, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(runway.end1, runway.end2);
    }
    painter.setPen(CurrentColourScheme().ink);
    for (const DiagramRunway& runway : layout.runways) {
        PaintLabel(painter, runway.end1, runway.label1, true);
        PaintLabel(painter, runway.end2, runway.label2, false);
    }
    painter.restore();
}
