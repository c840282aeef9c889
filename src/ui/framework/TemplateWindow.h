#pragma once
// Controls created from a dialog template and reached by id: the part that dialogs
// (CCalcDialog) and form views (CCustomFormView) share, with what goes with them: the template
// chosen for the screen's shape, creation once, the title painted at the top and message boxes
// titled with it. The host widget owns the controls.
//
// Controls are created in template order (which is also the tab order); a derived class can
// supply its own widget for a control id through CreateControl. Re-layout moves and sizes the
// same widgets to another template's rectangles; it never recreates them.

#include "core/common/Outcome.h"
#include "core/common/resources/ResourceTypes.h"
#include "ui/framework/LayoutTriple.h"
#include "ui/framework/Platform.h"

#include <QHash>
#include <QList>
#include <QString>

#include <functional>

class QAbstractButton;
class QComboBox;
class QLabel;
class QLineEdit;
class QPainter;
class QPushButton;
class QWidget;

class CTemplateWindow {
public:
    CTemplateWindow(QWidget* host, LayoutTriple templates);
    virtual ~CTemplateWindow() = default;
    CTemplateWindow(const CTemplateWindow&) = delete;
    CTemplateWindow& operator=(const CTemplateWindow&) = delete;

    const LayoutTriple& Templates() const { return templates_; }
    // The template picked for the screen at construction (0 when the window has none).
    int ChosenTemplateId() const { return chosenTemplate_; }

    // Creates the controls from the chosen template, then runs OnControlsCreated; once, later
    // calls give the first answer. False when the template is broken (the reason is then in
    // CreateError()) or the window declined to start.
    bool Create();
    const QString& CreateError() const { return createError_; }

    // The title painted at the top; message boxes are titled with it ("&&" shown as "&").
    const QString& Title() const { return title_; }
    // A message box over the host; returns the pressed button.
    int ShowMessage(const QString& text, MessageButtons buttons = MessageButtons::Ok,
                    MessageIcon icon = MessageIcon::Information);
    // A failed status's message over the host (see ::ShowStatus); true when it succeeded.
    bool ShowStatus(const Status& status) const;
    // The template the controls were created from (0 before creation).
    int CreatedTemplateId() const { return createdTemplate_; }
    // The template whose positions the controls have now.
    int CurrentLayoutId() const { return currentLayout_; }

    // The control with this id (the first one for a repeated id such as -1); nullptr if none.
    QWidget* GetDlgItem(int id) const;
    template <typename T> T* Item(int id) const { return qobject_cast<T*>(GetDlgItem(id)); }
    QLineEdit* Edit(int id) const;
    // The edit line of a field: the field itself, or the edit part of a drop-down list.
    static QLineEdit* LineEditOf(QWidget* control);
    QComboBox* Combo(int id) const;
    QPushButton* Button(int id) const;
    QLabel* Label(int id) const;
    QAbstractButton* CheckBox(int id) const;

    // The text of a label, field, button or combo box ("" for other controls).
    QString GetDlgItemText(int id) const;
    void SetDlgItemText(int id, const QString& text);
    bool IsDlgButtonChecked(int id) const;
    void CheckDlgButton(int id, bool checked);

    // All controls in template order, and the id of one of them (0 when not a template control).
    const QList<QWidget*>& ControlsInOrder() const { return controls_; }
    int ControlId(const QWidget* control) const;

    // Runs `handler` when the control with this id is clicked (buttons, check boxes, owner-drawn
    // areas). Later bindings of the same id replace earlier ones.
    void Bind(int id, std::function<void()> handler);

protected:
    // Picks the template for the current screen: the square one on a square screen, else the
    // landscape one (when `useLandscape`) on a screen exactly 320 wide, else the portrait one.
    void ChooseTemplate(bool useLandscape);
    // Runs once the controls exist; false ends the window's start (Create answers false).
    virtual bool OnControlsCreated() { return true; }
    void SetTitleText(const QString& title) { title_ = title; }
    // Paints the title band across the top of the host with the host's font.
    void PaintTitle(QPainter& painter) const;

    // Creates the controls from a template. False (with nothing created) when the template is
    // missing or holds a control that cannot be created.
    Status CreateControls(int templateId);
    // Moves and sizes every control to the rectangles of another template of this screen. The
    // templates list the same controls in the same order, so they are matched by position;
    // a template that does not match leaves the controls where they are.
    bool ApplyTemplateGeometry(int templateId);
    // Re-layout on a size change: nothing on a square screen or without a landscape template;
    // else the landscape template when the screen is exactly 320 wide, the portrait otherwise.
    void RelayoutFromTemplate();

    // A derived class's own widget for a control (segmented fields, grids, ...); nullptr for the
    // standard one. Called during creation, after the derived class is fully constructed.
    virtual QWidget* CreateControl(const ControlTemplate& control);
    // A control was clicked. The default runs the bound handler.
    virtual void OnCommand(int id);

    QWidget* Host() const { return host_; }

private:
    void Register(QWidget* widget, const ControlTemplate& control);
    void GroupRadioButtons(const DialogTemplate& dialog);

    QWidget* host_;
    LayoutTriple templates_;
    int chosenTemplate_ = 0;
    QString title_;
    QString createError_;
    bool created_ = false;
    bool createResult_ = false;
    int createdTemplate_ = 0;
    int currentLayout_ = 0;
    QList<QWidget*> controls_;
    QHash<int, QWidget*> byId_;
    QHash<int, std::function<void()>> handlers_;
};
