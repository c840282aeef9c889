#include "core/common/text/Utf8String.h"

QByteArray Utf8Prefix(const QString& text, qsizetype maxBytes) {
    QByteArray bytes = text.toUtf8();
    if (bytes.size() <= maxBytes)
        return bytes;
    qsizetype cut = maxBytes;
    // Step back over continuation bytes (10xxxxxx) to the start of the cut character.
    while (cut > 0 && (static_cast<unsigned char>(bytes[cut]) & 0xC0) == 0x80)
        --cut;
    bytes.truncate(cut);
    return bytes;
}

void WriteUtf8String(ByteWriter& out, const QString& text) {
    const QByteArray bytes = Utf8Prefix(text, kUtf8StringBufferBytes - 1);
    out.U32(static_cast<uint32_t>(bytes.size() + 1));
    out.Bytes(bytes);
    out.U8(0);
}

std::optional<QString> ReadUtf8String(ByteReader& in, int capacity) {
    const uint32_t count = in.U32();
    if (!in.Ok() || count == 0 || count > kUtf8StringBufferBytes) {
        in.Fail();
        return std::nullopt;
    }
    QByteArray bytes = in.Bytes(count);
    if (!in.Ok())
        return std::nullopt;
    const qsizetype zero = bytes.indexOf('\0');
    if (zero >= 0)
        bytes.truncate(zero);
    const QString text = QString::fromUtf8(bytes);
    if (text.size() + 1 > capacity) {
        in.Fail();
        return std::nullopt;
    }
    return text;
}
