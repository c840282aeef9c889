#include "core/common/text/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <limits>
#include <string>

namespace {

bool IsSpace(QChar c) {
    const char16_t u = c.unicode();
    return u == ' ' || (u >= '\t' && u <= '\r');
}

bool IsDigit(QStringView text, qsizetype i) {
    return i < text.size() && text[i] >= u'0' && text[i] <= u'9';
}

qsizetype SkipSpace(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && IsSpace(text[i]))
        ++i;
    return i;
}

qsizetype SkipDigits(QStringView text, qsizetype i) {
    while (IsDigit(text, i))
        ++i;
    return i;
}

// A number text beyond the range of a double: infinity (with its sign) when its magnitude is at
// least 1, zero when it is tiny. The magnitude is 10 to the power of the first non-zero digit's
// place plus the exponent, whatever the number of leading zeros (".7e400" is infinite).
double OutOfRange(const std::string& ascii) {
    const bool negative = !ascii.empty() && ascii.front() == '-';
    const size_t exponentAt = std::min(ascii.find_first_of("eE"), ascii.size());
    const std::string mantissa = ascii.substr(negative ? 1 : 0, exponentAt - (negative ? 1 : 0));
    const long long exponent =
        exponentAt < ascii.size() ? std::strtoll(ascii.c_str() + exponentAt + 1, nullptr, 10) : 0;
    const size_t point = std::min(mantissa.find('.'), mantissa.size());
    const size_t first = mantissa.find_first_of("123456789");
    if (first == std::string::npos)
        return negative ? -0.0 : 0.0;
    const long long place = first < point ? static_cast<long long>(point - first - 1)
                                          : -static_cast<long long>(first - point);
    const double magnitude = exponent >= -place ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -magnitude : magnitude;
}

} // namespace

double TextToDouble(QStringView text) {
    const qsizetype start = SkipSpace(text);
    qsizetype i = start;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    const qsizetype intStart = i;
    i = SkipDigits(text, i);
    bool digits = i > intStart;
    if (i < text.size() && text[i] == u'.') {
        const qsizetype fracStart = i + 1;
        const qsizetype fracEnd = SkipDigits(text, fracStart);
        if (fracEnd > fracStart || digits) {
            digits = true;
            i = fracEnd;
        }
    }
    if (!digits)
        return 0.0;
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype e = i + 1;
        if (e < text.size() && (text[e] == u'+' || text[e] == u'-'))
            ++e;
        if (IsDigit(text, e))
            i = SkipDigits(text, e);
    }
    std::string ascii;
    ascii.reserve(static_cast<size_t>(i - start));
    for (qsizetype k = start; k < i; ++k) {
        const char c = static_cast<char>(text[k].unicode());
        if (c != '+')
            ascii.push_back(c);
    }
    double value = 0.0;
    const auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        return OutOfRange(ascii);
    return value;
}

int TextToInt(QStringView text) {
    qsizetype i = SkipSpace(text);
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    long long value = 0;
    constexpr long long limit = static_cast<long long>(std::numeric_limits<int>::max()) + 1;
    for (; IsDigit(text, i); ++i) {
        value = value * 10 + (text[i].unicode() - u'0');
        if (value > limit)
            value = limit;
    }
    if (negative)
        return static_cast<int>(-value);
    return value >= limit ? std::numeric_limits<int>::max() : static_cast<int>(value);
}
