#include "core/navdata/UserWaypoint.h"

namespace {

// A zero-terminated UTF-16 field of `chars` characters.
QString ReadWideField(ByteReader& in, int chars) {
    QString text;
    bool ended = false;
    for (int i = 0; i < chars; ++i) {
        const char16_t c = in.U16();
        ended = ended || c == 0 || i == chars - 1;
        if (!ended)
            text.append(QChar(c));
    }
    return text;
}

void WriteWideField(ByteWriter& out, const QString& text, int chars) {
    qsizetype length = qMin<qsizetype>(text.size(), chars - 1);
    if (length > 0 && length < text.size() && text[length - 1].isHighSurrogate())
        --length; // never cut a character in two
    for (qsizetype i = 0; i < chars; ++i)
        out.U16(i < length ? text[i].unicode() : 0);
}

} // namespace

UserWaypoint ReadUserWaypoint(ByteReader& in) {
    UserWaypoint w;
    w.ident = ReadWideField(in, waypointfile::kIdentChars);
    w.name = ReadWideField(in, waypointfile::kNameChars);
    w.latitude = in.I32();
    w.longitude = in.I32();
    w.variation = in.I32();
    return w;
}

void WriteUserWaypoint(ByteWriter& out, const UserWaypoint& w) {
    WriteWideField(out, w.ident, waypointfile::kIdentChars);
    WriteWideField(out, w.name, waypointfile::kNameChars);
    out.I32(w.latitude);
    out.I32(w.longitude);
    out.I32(w.variation);
}

UserWaypoint ReadOldUserWaypoint(ByteReader& in) {
    UserWaypoint w;
    w.name = ReadWideField(in, waypointfile::kNameChars);
    w.ident = w.name.left(waypointfile::kOldIdentChars);
    w.latitude = in.I32();
    w.longitude = in.I32();
    return w;
}
