#pragma once
// Creates the standard widget for one control of a dialog template:
//   LTEXT/RTEXT/CTEXT, "Static"        -> QLabel (frames -> QFrame)
//   EDITTEXT, "Edit"                   -> QLineEdit (ES_MULTILINE -> QPlainTextEdit)
//   COMBOBOX, "ComboBox"               -> QComboBox (editable unless CBS_DROPDOWNLIST)
//   LISTBOX, "ListBox"                 -> QListWidget
//   PUSHBUTTON/DEFPUSHBUTTON           -> QPushButton
//   GROUPBOX                           -> QGroupBox (a frame only; it holds no children)
//   AUTOCHECKBOX/CHECKBOX              -> QCheckBox;  AUTORADIOBUTTON/RADIOBUTTON -> QRadioButton
//   "Button" with BS_OWNERDRAW         -> COwnerDrawArea
//   "SysListView32", "SysTreeView32"   -> QTreeWidget;  "SysTabControl32" -> QTabBar
//   "msctls_updown32"                  -> CSpinButton;  "SysDateTimePick32" -> QDateEdit/QTimeEdit
// Returns nullptr for a control it does not know.

#include "core/common/resources/ResourceTypes.h"

class QLineEdit;
class QWidget;

QWidget* CreateStandardControl(const ControlTemplate& control, QWidget* parent);

// Gives a line edit (a standard one, or a value field a screen makes itself) the template's edit
// styles: ES_READONLY, ES_RIGHT/ES_CENTER, ES_NUMBER (digits only), ES_UPPERCASE.
void ApplyEditStyles(QLineEdit* edit, const ControlTemplate& control);

// A static text as shown: "&&" becomes "&" and a single "&" (a mnemonic marker) disappears.
QString StaticDisplayText(const QString& templateText);
