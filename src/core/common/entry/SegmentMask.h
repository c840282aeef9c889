#pragma once
// The text of a segmented entry field and where each segment lies in it:
// prefix + segment 0 + separator + segment 1 + ... + last segment + suffix. Each segment is as
// wide as its initial text; one separator serves every gap, or there is one per gap.

#include <QString>
#include <QStringList>

class SegmentMask {
public:
    // Fails (changing nothing) unless there are at least 2 segments, the separator count is 1 or
    // segments - 1, and every initial text is at least one character long.
    bool Configure(const QStringList& initialTexts, const QStringList& separators,
                   const QString& prefix = {}, const QString& suffix = {});
    bool IsConfigured() const { return !texts_.isEmpty(); }
    int Count() const { return static_cast<int>(texts_.size()); }

    // Needs at least one text per segment (false otherwise, changing nothing). A longer text is
    // cut to its segment's width; a shorter one is padded with spaces on the left so that the
    // segments keep their places.
    bool SetTexts(const QStringList& texts);
    const QStringList& Texts() const { return texts_; }
    // Replaces the separators (1 or segments - 1 of them); false otherwise, changing nothing.
    bool SetSeparators(const QStringList& separators);

    QString Text() const;
    // Character range [Start(i), End(i)) of segment i in Text(); i must be < Count().
    int Start(int i) const;
    int End(int i) const { return Start(i) + Width(i); }
    int Width(int i) const { return widths_[i]; }

    // The segment a tap selects, given the caret position just after the tapped character:
    // up to the end of segment 0 gives 0; after the end of segment i - 1 up to the end of
    // segment i gives i; beyond the last segment gives the last. -1 when not configured.
    int SegmentAtPosition(int position) const;

private:
    const QString& SeparatorAfter(int i) const;

    QStringList texts_;
    QList<int> widths_;
    QStringList separators_;
    QString prefix_;
    QString suffix_;
};
