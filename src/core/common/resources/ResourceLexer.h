#pragma once
// Splits a resource script into tokens: names, numbers, quoted texts and punctuation.
// Comments (// and /* */) and preprocessor lines (#include ...) are skipped.

#include <QString>
#include <QVector>

struct ResourceToken {
    enum Kind { Name, Number, Text, Punct, End } kind = End;
    QString text; // the name, the punctuation character, or the unescaped text
    long long number = 0;
    int line = 0;
};

// Tokenises `source`. On a malformed token (an unterminated text, a stray character) returns
// false with the line and a message.
bool TokenizeResourceScript(const QString& source, QVector<ResourceToken>* tokens, int* errorLine,
                            QString* errorMessage);
