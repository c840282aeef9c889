#pragma once
// Splits a resource script into tokens: names, numbers, quoted texts and punctuation.
// Comments (// and /* */) and preprocessor lines (#include ...) are skipped.

#include "core/common/Outcome.h"

#include <QString>
#include <QVector>

struct ResourceToken {
    enum Kind { Name, Number, Text, Punct, End } kind = End;
    QString text; // the name, the punctuation character, or the unescaped text
    long long number = 0;
    int line = 0;
};

// Tokenises `source` (the file `fileName`): the tokens, ending with an End token. A malformed
// token (an unterminated text, a stray character) fails with "FILE:LINE: message".
Outcome<QVector<ResourceToken>> TokenizeResourceScript(const QString& source,
                                                       const QString& fileName);
