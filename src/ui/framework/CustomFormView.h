#pragma once
// The base of the form-based full-screen views (airport directory, checklist, planning, weight
// and balance). The template is chosen when the view is created: the portrait one, the landscape
// one when the screen is exactly 320 wide, the square one on a square screen (square wins).
// The view re-lays itself out on its initial update and on every size change, paints its title
// like a dialog, and titles its message boxes with it.

#include "ui/framework/LayoutTriple.h"
#include "ui/framework/Platform.h"
#include "ui/framework/TemplateWindow.h"

#include <QWidget>

class CCustomFormView : public QWidget, public CTemplateWindow {
    Q_OBJECT
public:
    CCustomFormView(LayoutTriple templates, QString title, QWidget* parent = nullptr);

    // Creates the controls and runs OnInitialUpdate, once. False when the template is broken
    // (the reason then is in CreateError()).
    bool Create();
    const QString& CreateError() const { return createError_; }

    const QString& ViewTitle() const { return title_; }
    void SetViewTitle(const QString& title);

    int ShowMessage(const QString& text, MessageButtons buttons = MessageButtons::Ok,
                    MessageIcon icon = MessageIcon::Information);

    // The whole file as 8-bit text; on failure shows "Error, Unable to open file.\n" with the
    // system's reason in a plain message box and returns false with an empty text.
    bool ReadTextFile(const QString& path, QString* text);
    // Writes the text as 8-bit characters; a failure is shown and returns false.
    bool WriteTextFile(const QString& path, const QString& text);

    // The main frame's one-second tick reaches the view here.
    virtual void OnTimerTick() {}

protected:
    // Called once the controls exist; the base re-lays the view out.
    virtual void OnInitialUpdate();
    // Re-layout after a size change; the base applies the template of the screen's shape.
    virtual void Relayout();

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int chosenTemplate_ = 0;
    QString title_;
    QString createError_;
    bool created_ = false;
};
