#include "core/navdata/NavTextMatcher.h"

#include <array>
#include <string_view>

namespace {

std::array<char, 256> BuildUpperTable() {
    std::array<char, 256> table{};
    for (int c = 0; c < 256; ++c) {
        const char16_t upper = QChar(static_cast<char16_t>(c)).toUpper().unicode();
        table[static_cast<size_t>(c)] = static_cast<char>(upper <= 0xFF ? upper : c);
    }
    return table;
}

const std::array<char, 256>& UpperTable() {
    static const std::array<char, 256> table = BuildUpperTable();
    return table;
}

} // namespace

char NavTextMatcher::Upper(char c) {
    return UpperTable()[static_cast<uchar>(c)];
}

NavTextMatcher::NavTextMatcher(const QString& text) {
    needle_.reserve(text.size());
    for (const QChar c : text)
        needle_.append(Upper(static_cast<char>(c.unicode() & 0xFF)));
}

bool NavTextMatcher::Matches(QByteArrayView bytes) const {
    if (bytes.size() < needle_.size())
        return false;
    const std::array<char, 256>& table = UpperTable();
    char upper[256];
    const qsizetype n = qMin<qsizetype>(bytes.size(), sizeof upper);
    for (qsizetype i = 0; i < n; ++i)
        upper[i] = table[static_cast<uchar>(bytes[i])];
    const std::string_view haystack(upper, static_cast<size_t>(n));
    return haystack.find(std::string_view(needle_.constData(), needle_.size())) !=
           std::string_view::npos;
}
