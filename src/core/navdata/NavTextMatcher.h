#pragma once
// Finds a search text anywhere in 8-bit texts of a .nav file, ignoring letter case: the search
// text keeps the low 8 bits of each character, and both sides are compared in upper case
// (Latin-1 letters whose upper case is also Latin-1).

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class NavTextMatcher {
public:
    explicit NavTextMatcher(const QString& text);

    // True when the text occurs in `bytes` (an empty search text occurs everywhere).
    bool Matches(QByteArrayView bytes) const;

    // The search text as compared: its characters' low 8 bits, upper-cased.
    const QByteArray& Needle() const { return needle_; }

    // The 8-bit upper case of one character.
    static char Upper(char c);

private:
    QByteArray needle_;
};
