#pragma once
// The text of an INI settings file, read and written in the layout Qt's QSettings uses, so that
// files written by either read back the same: "[Section]" lines, "key=value" lines, keys with
// "%XX" escapes, values with C-style escapes and quotes around texts holding ',', ';', '=' or
// leading or trailing spaces, UTF-8 throughout.
//
// Values are kept by their full key, "Section/key" ("General" section keys without a section),
// as texts. A value QSettings reads as a list (unquoted commas) is kept as its items joined by
// commas, so "KSEA,KBFI," reads as that text.

#include <QByteArray>
#include <QByteArrayView>
#include <QMap>
#include <QString>

using IniValues = QMap<QString, QString>;

struct IniDocument {
    IniValues values;
    // False when a line is neither a section, a key with a value, a comment nor blank, or the
    // text holds a zero byte or is not UTF-8: the file is damaged (what could be read is kept).
    bool wellFormed = true;
};

IniDocument ParseIniText(QByteArrayView text);

// The whole file: each section in name order ("General" first), a blank line between sections,
// its keys in QSettings' order.
QByteArray WriteIniText(const IniValues& values);
