#include "core/navdata/IdentKey.h"

std::optional<IdentKey> IdentKey::FromText(QStringView text) {
    if (text.isEmpty() || text.size() > 4)
        return std::nullopt;
    uint32_t raw = 0;
    for (qsizetype i = 0; i < text.size(); ++i)
        raw |= static_cast<uint32_t>(text[i].unicode() & 0xFF) << (8 * i);
    return IdentKey(raw);
}

QString IdentKey::Text() const {
    QString text;
    for (int i = 0; i < 4; ++i) {
        const auto c = static_cast<uchar>((raw_ >> (8 * i)) & 0xFF);
        if (c == 0)
            break;
        text.append(QChar(c));
    }
    return text;
}
