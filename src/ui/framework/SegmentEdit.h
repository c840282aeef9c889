#pragma once
// An entry field that shows a fixed mask of numeric segments (00:00.00, 000:00:00, 00:00) and is
// filled one segment at a time. The current segment is always selected; Right arrow or Space
// moves to the next segment and Left arrow to the previous one (both wrap), and a tap selects
// the segment under the tapped character. Mouse moves, double taps and right-button clicks do
// nothing. The field is a QLineEdit, so the dialogs' keypad reaches it with key events; the
// derived fields (CLatLonEdit, CTimeEdit) decide what typed characters do.
//
// Text set from outside (SetDlgItemText, the keypad's "C") goes to OnExternalText and the mask
// is shown again, so the text and the segment values never disagree.

#include "core/common/entry/SegmentMask.h"

#include <QLineEdit>

class SegmentedEntry;

class CSegmentEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CSegmentEdit(QWidget* parent = nullptr);

    // Fails (changing nothing) unless there are at least 2 segments, 1 or segments - 1
    // separators and no empty initial text. On success segment 0 becomes current and the text
    // is rebuilt.
    bool Configure(const QStringList& initialTexts, const QStringList& separators,
                   const QString& prefix = {}, const QString& suffix = {});
    bool IsConfigured() const { return mask_.IsConfigured(); }
    // Needs a text per segment (false otherwise); each is cut to its segment's width.
    bool SetSegmentTexts(const QStringList& texts);
    // Makes a segment current and selects it (ignored when out of range).
    void SelectSegment(int index);
    int CurrentSegment() const { return current_; }
    int SegmentCount() const { return mask_.Count(); }
    const SegmentMask& Mask() const { return mask_; }

protected:
    // Fields whose segments are numbers hand over their entry (owned by them): typed characters,
    // Backspace/Delete and Up/Down then go to its current segment, input moves on as it says
    // and the field shows its texts.
    void UseEntry(SegmentedEntry* entry) { entry_ = entry; }

    // A typed character for the current segment; true when the field changed. Without an entry
    // the field refuses characters.
    virtual bool OnSegmentCharacter(QChar c);
    // Backspace, Delete, Up and Down; true when handled (only with an entry).
    virtual bool OnSegmentKey(int key);
    // A segment became current (navigation, tap, focus or input moving on).
    virtual void OnSegmentEntered(int index);
    // The text was replaced from outside; the field takes what it can from it.
    virtual void OnExternalText(const QString& text) {}

    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    void Rebuild();
    void SelectCurrent();
    void TextChangedOutside(const QString& text);
    // The caret position just after the character under a point of the field.
    int PositionAfterCharacterAt(const QPoint& point);

    SegmentMask mask_;
    SegmentedEntry* entry_ = nullptr;
    int current_ = 0;
    bool rebuilding_ = false;
};
