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

#include "core/common/ResourceTypes.h"

class QWidget;

QWidget* CreateStandardControl(const ControlTemplate& control, QWidget* parent);

// A static text as shown: "&&" becomes "&" and a single "&" (a mnemonic marker) disappears.
QString StaticDisplayText(const QString& templateText);
