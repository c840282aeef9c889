#pragma once
// The cell editor of the editable grids: one value field at a time for the whole program,
// opened over a grid cell by CEditGrid. It takes the grid's font, shows the cell's text all
// selected and takes the focus. Characters outside the grid's allowed set are refused with a
// beep (copy, cut, paste and backspace excepted); a paste is taken only when every character is
// allowed. Escape cancels; Escape and Enter give the focus back to the grid. Losing the focus
// ends the edit: the grid hears the new text (the initial one when cancelled) and the editor
// closes itself. Its value menu is the grid's (IDR_WEIGHTS unless the grid sets another).

#include "resource.h"
#include "ui/framework/ValueEdit.h"

#include <QPointer>

class CEditGrid;

class CCellEdit : public CValueEdit {
    Q_OBJECT
public:
    static constexpr int kDefaultMenu = IDR_WEIGHTS;

    // Opens the editor over the cell (a rectangle of the grid's viewport) unless an editor is
    // already open anywhere, in which case nothing happens and nullptr is returned.
    static CCellEdit* Start(CEditGrid* grid, const QRect& cellRect, int row, int column,
                            const QString& allowedCharacters, const QString& initialText);
    // The open editor; nullptr when none is open.
    static CCellEdit* Instance();
    // The grid is going away: its open editor is destroyed without notifying it.
    static void Release(CEditGrid* grid);

    CEditGrid* Grid() const;
    int Row() const { return row_; }
    int Column() const { return column_; }
    const QString& InitialText() const { return initialText_; }
    bool Cancelled() const { return cancelled_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    CCellEdit(CEditGrid* grid, int row, int column, QString allowed, QString initialText);
    ~CCellEdit() override;

    bool IsAllowed(QStringView text) const;
    void PasteChecked();
    // Ends the edit once: notifies the grid and closes the editor.
    void Finish();

    QPointer<CEditGrid> grid_;
    int row_;
    int column_;
    QString allowed_;
    QString initialText_;
    bool cancelled_ = false;
    bool finished_ = false;
};
