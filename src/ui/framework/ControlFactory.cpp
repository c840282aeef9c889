#include "ui/framework/ControlFactory.h"

#include "ui/framework/FittingTabBar.h"

#include "ui/framework/OwnerDrawArea.h"
#include "ui/framework/SpinButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QStyledItemDelegate>
#include <QTimeEdit>
#include <QTreeWidget>

namespace {

bool Is(const ControlTemplate& c, const char* keyword, const char* className) {
    return c.keyword == QLatin1String(keyword) ||
           (c.keyword == QLatin1String("CONTROL") &&
            c.className.compare(QLatin1String(className), Qt::CaseInsensitive) == 0);
}

// Upper-cases what is typed (ES_UPPERCASE).
class UpperCaseValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        input = input.toUpper();
        return Acceptable;
    }
};

QWidget* CreateLabel(const ControlTemplate& c, QWidget* parent) {
    if (c.HasStyle("SS_BLACKFRAME") || c.HasStyle("SS_ETCHEDFRAME") || c.HasStyle("SS_GRAYFRAME")) {
        auto* frame = new QFrame(parent);
        frame->setFrameShape(QFrame::Box);
        return frame;
    }
    auto* label = new QLabel(StaticDisplayText(c.text), parent);
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (c.keyword == QLatin1String("RTEXT") || c.HasStyle("SS_RIGHT"))
        horizontal = Qt::AlignRight;
    else if (c.keyword == QLatin1String("CTEXT") || c.HasStyle("SS_CENTER"))
        horizontal = Qt::AlignHCenter;
    label->setAlignment(horizontal |
                        (c.HasStyle("SS_CENTERIMAGE") ? Qt::AlignVCenter : Qt::AlignTop));
    label->setWordWrap(!c.HasStyle("SS_LEFTNOWORDWRAP"));
    if (c.HasStyle("SS_SUNKEN") || c.HasStyle("WS_BORDER")) {
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
    }
    return label;
}

QWidget* CreateEdit(const ControlTemplate& c, QWidget* parent) {
    if (c.HasStyle("ES_MULTILINE")) {
        auto* edit = new QPlainTextEdit(parent);
        edit->setReadOnly(c.HasStyle("ES_READONLY"));
        return edit;
    }
    auto* edit = new QLineEdit(parent);
    ApplyEditStyles(edit, c);
    return edit;
}

QWidget* CreateCombo(const ControlTemplate& c, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setEditable(!c.HasStyle("CBS_DROPDOWNLIST"));
    combo->setInsertPolicy(QComboBox::NoInsert);
    // What is typed stays as typed: Qt's default completer would turn "35" into the list's
    // "350" and the calculation would use that.
    if (combo->isEditable())
        combo->setCompleter(nullptr);
    // A styled delegate sizes the drop-down's rows through the style (at least a finger high).
    combo->setItemDelegate(new QStyledItemDelegate(combo));
    if (combo->isEditable() && c.HasStyle("CBS_UPPERCASE"))
        combo->lineEdit()->setValidator(new UpperCaseValidator(combo));
    return combo;
}

QPushButton* NewPushButton(const QString& text, bool isDefault, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setAutoDefault(false);
    button->setDefault(isDefault);
    return button;
}

QWidget* CreateButtonClass(const ControlTemplate& c, QWidget* parent) {
    if (c.HasStyle("BS_OWNERDRAW"))
        return new COwnerDrawArea(parent);
    if (c.HasStyle("BS_AUTOCHECKBOX") || c.HasStyle("BS_CHECKBOX"))
        return new QCheckBox(c.text, parent);
    if (c.HasStyle("BS_AUTORADIOBUTTON") || c.HasStyle("BS_RADIOBUTTON"))
        return new QRadioButton(c.text, parent);
    if (c.HasStyle("BS_GROUPBOX"))
        return new QGroupBox(c.text, parent);
    return NewPushButton(c.text, c.HasStyle("BS_DEFPUSHBUTTON"), parent);
}

QWidget* CreateListView(const ControlTemplate& c, QWidget* parent) {
    auto* tree = new QTreeWidget(parent);
    const bool treeView = c.className.compare("SysTreeView32", Qt::CaseInsensitive) == 0;
    tree->setRootIsDecorated(treeView);
    tree->setHeaderHidden(treeView || c.HasStyle("LVS_NOCOLUMNHEADER"));
    tree->setUniformRowHeights(true);
    if (!treeView)
        tree->header()->setStretchLastSection(false);
    return tree;
}

QWidget* CreateDatePicker(const ControlTemplate& c, QWidget* parent) {
    if (c.HasStyle("DTS_TIMEFORMAT"))
        return new QTimeEdit(parent);
    auto* date = new QDateEdit(parent);
    date->setCalendarPopup(true);
    return date;
}

} // namespace

void ApplyEditStyles(QLineEdit* edit, const ControlTemplate& c) {
    edit->setReadOnly(c.HasStyle("ES_READONLY"));
    // A result field can be tapped (to copy its text) but Tab moves from input to input.
    if (edit->isReadOnly())
        edit->setFocusPolicy(Qt::ClickFocus);
    if (c.HasStyle("ES_RIGHT"))
        edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    else if (c.HasStyle("ES_CENTER"))
        edit->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    if (c.HasStyle("ES_NUMBER"))
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), edit));
    else if (c.HasStyle("ES_UPPERCASE"))
        edit->setValidator(new UpperCaseValidator(edit));
}

QString StaticDisplayText(const QString& templateText) {
    QString shown;
    shown.reserve(templateText.size());
    for (qsizetype i = 0; i < templateText.size(); ++i) {
        if (templateText[i] == '&') {
            if (i + 1 < templateText.size() && templateText[i + 1] == '&')
                shown += '&', ++i;
            continue;
        }
        shown += templateText[i];
    }
    return shown;
}

QWidget* CreateStandardControl(const ControlTemplate& c, QWidget* parent) {
    if (Is(c, "LTEXT", "Static") || c.keyword == QLatin1String("RTEXT") ||
        c.keyword == QLatin1String("CTEXT"))
        return CreateLabel(c, parent);
    if (Is(c, "EDITTEXT", "Edit"))
        return CreateEdit(c, parent);
    if (Is(c, "COMBOBOX", "ComboBox"))
        return CreateCombo(c, parent);
    if (Is(c, "LISTBOX", "ListBox"))
        return new QListWidget(parent);
    if (c.keyword == QLatin1String("PUSHBUTTON") || c.keyword == QLatin1String("DEFPUSHBUTTON"))
        return NewPushButton(c.text, c.keyword == QLatin1String("DEFPUSHBUTTON"), parent);
    if (c.keyword == QLatin1String("GROUPBOX"))
        return new QGroupBox(c.text, parent);
    if (c.keyword == QLatin1String("AUTOCHECKBOX") || c.keyword == QLatin1String("CHECKBOX"))
        return new QCheckBox(c.text, parent);
    if (c.keyword == QLatin1String("AUTORADIOBUTTON") || c.keyword == QLatin1String("RADIOBUTTON"))
        return new QRadioButton(c.text, parent);
    if (c.keyword != QLatin1String("CONTROL"))
        return nullptr;
    const QString& cls = c.className;
    if (cls.compare("Button", Qt::CaseInsensitive) == 0)
        return CreateButtonClass(c, parent);
    if (cls.compare("SysListView32", Qt::CaseInsensitive) == 0 ||
        cls.compare("SysTreeView32", Qt::CaseInsensitive) == 0)
        return CreateListView(c, parent);
    if (cls.compare("SysTabControl32", Qt::CaseInsensitive) == 0) {
        auto* tabs = new CFittingTabBar(parent);
        tabs->setDrawBase(true);
        tabs->setExpanding(false);
        return tabs;
    }
    if (cls.compare("msctls_updown32", Qt::CaseInsensitive) == 0)
        return new CSpinButton(c.HasStyle("UDS_HORZ") ? Qt::Horizontal : Qt::Vertical, parent);
    if (cls.compare("SysDateTimePick32", Qt::CaseInsensitive) == 0)
        return CreateDatePicker(c, parent);
    return nullptr;
}
