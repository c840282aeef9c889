#include "ui/calculators/HoldEntryDlg.h"

#include "resource.h"
#include "ui/calculators/HoldPatternGraph.h"
#include "ui/calculators/NumberList.h"
#include "ui/framework/DeviceScreen.h"
#include "ui/framework/OwnerDrawArea.h"

#include <QComboBox>
#include <QPainter>

CHoldEntryDlg::CHoldEntryDlg(QWidget* parent) : CCalcDialog(kTemplates, parent) {}

CHoldEntryDlg::Remembered& CHoldEntryDlg::LastCourses() {
    static Remembered remembered;
    return remembered;
}

bool CHoldEntryDlg::OnInitDialog() {
    if (!CCalcDialog::OnInitDialog())
        return false;
    const Remembered& last = LastCourses();
    const struct {
        int id;
        int degrees;
    } courses[] = {{IDC_HOLD_INBOUND_COURSE, last.inbound}, {IDC_HOLD_APPROACH, last.approach}};
    for (const auto& course : courses) {
        QComboBox* list = Combo(course.id);
        FillNumberList(list, 0, 360, 10);
        if (!list)
            continue;
        list->setCurrentIndex(course.degrees / 10); // remembered courses are list values
        connect(list, &QComboBox::editTextChanged, this, [this] { Evaluate(); });
    }
    if (QComboBox* type = Combo(IDC_HOLD_TYPE)) {
        type->addItems(HoldTurnItems());
        type->setCurrentIndex(0);
        connect(type, &QComboBox::currentIndexChanged, this, [this] { Evaluate(); });
    }
    if (auto* area = Item<COwnerDrawArea>(IDC_WIND_GRAPH))
        area->SetPaintFunction([this](QPainter& painter, const QRect& rect) {
            DrawHoldPattern(painter, rect, entry_, Turns(),
                            CurrentPlatform().Screen().IsLandscapeWidth());
        });
    Evaluate();
    return true;
}

int CHoldEntryDlg::CourseIndex(int id) const {
    return HoldCourseIndex(GetDlgItemText(id));
}

HoldTurns CHoldEntryDlg::Turns() const {
    const QComboBox* type = Combo(IDC_HOLD_TYPE);
    return type && type->currentIndex() == 1 ? HoldTurns::LeftHand : HoldTurns::Standard;
}

void CHoldEntryDlg::Evaluate() {
    entry_ = EvaluateHoldEntry(CourseIndex(IDC_HOLD_INBOUND_COURSE), CourseIndex(IDC_HOLD_APPROACH),
                               Turns());
    if (entry_.entry != HoldEntryKind::None)
        LastCourses() = {entry_.inbound, entry_.approach};
    SetDlgItemText(IDC_HOLD_ENTRY, entry_.text);
    if (QWidget* area = GetDlgItem(IDC_WIND_GRAPH))
        area->update();
}
