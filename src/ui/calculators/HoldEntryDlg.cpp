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
        if (course.degrees % 10 == 0)
            list->setCurrentIndex(course.degrees / 10);
        else
            list->setEditText(QString::number(course.degrees)); // a course typed last time
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

int CHoldEntryDlg::CourseDegrees(int id) const {
    return HoldCourseDegrees(GetDlgItemText(id));
}

HoldTurns CHoldEntryDlg::Turns() const {
    const QComboBox* type = Combo(IDC_HOLD_TYPE);
    return type && type->currentIndex() == 1 ? HoldTurns::LeftHand : HoldTurns::Standard;
}

void CHoldEntryDlg::Evaluate() {
    entry_ = EvaluateHoldEntry(CourseDegrees(IDC_HOLD_INBOUND_COURSE),
                               CourseDegrees(IDC_HOLD_APPROACH), Turns());
    if (entry_.entry != HoldEntryKind::None)
        LastCourses() = {entry_.inbound, entry_.approach};
    SetDlgItemText(IDC_HOLD_ENTRY, entry_.text);
    if (QWidget* area = GetDlgItem(IDC_WIND_GRAPH))
        area->update();
}
