// Number text: TextToDouble and TextToInt against the C library. The longest prefix of the text
// that forms a decimal number (white space, sign, digits with a point, an exponent with digits)
// is converted by strtod and strtoll in the "C" locale; the results must agree bit for bit,
// which also covers the sign of zero and of infinity for numbers beyond a double's range.

#include "FuzzSupport.h"

#include "core/common/text/NumberText.h"

#include <QString>

#include <algorithm>
#include <bit>
#include <climits>
#include <clocale>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace {

bool IsSpace(char16_t c) {
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

bool IsDigit(const QString& text, qsizetype i) {
    return i < text.size() && text[i] >= u'0' && text[i] <= u'9';
}

struct NumberPrefix {
    std::string ascii; // the number's characters, white space skipped
    bool digits = false;
};

qsizetype SkipDigits(const QString& text, qsizetype i) {
    while (IsDigit(text, i))
        ++i;
    return i;
}

// The decimal number at the start of the text, as the C library would read it (no words, no
// hexadecimal: those are no numbers here).
NumberPrefix DecimalPrefix(const QString& text, bool allowFraction) {
    qsizetype i = 0;
    while (i < text.size() && IsSpace(text[i].unicode()))
        ++i;
    const qsizetype start = i;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    const qsizetype whole = i;
    i = SkipDigits(text, i);
    NumberPrefix prefix;
    prefix.digits = i > whole;
    if (allowFraction && i < text.size() && text[i] == u'.') {
        const qsizetype end = SkipDigits(text, i + 1);
        if (end > i + 1 || prefix.digits) {
            prefix.digits = true;
            i = end;
        }
    }
    if (allowFraction && prefix.digits && i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype e = i + 1;
        if (e < text.size() && (text[e] == u'+' || text[e] == u'-'))
            ++e;
        if (IsDigit(text, e))
            i = SkipDigits(text, e);
    }
    prefix.ascii = text.mid(start, i - start).toStdString();
    return prefix;
}

locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(0));
    return c;
}

void CheckDouble(const QString& text) {
    const NumberPrefix prefix = DecimalPrefix(text, true);
    const double expected =
        prefix.digits ? strtod_l(prefix.ascii.c_str(), nullptr, CLocale()) : 0.0;
    const double actual = TextToDouble(text);
    if (std::bit_cast<uint64_t>(actual) != std::bit_cast<uint64_t>(expected)) {
        std::fprintf(stderr, "TextToDouble(\"%s\") = %.17g, strtod gives %.17g\n",
                     prefix.ascii.c_str(), actual, expected);
        FUZZ_CHECK(std::bit_cast<uint64_t>(actual) == std::bit_cast<uint64_t>(expected));
    }
}

void CheckInt(const QString& text) {
    const NumberPrefix prefix = DecimalPrefix(text, false);
    const long long wide =
        prefix.digits ? strtoll_l(prefix.ascii.c_str(), nullptr, 10, CLocale()) : 0;
    const int expected = static_cast<int>(std::clamp<long long>(wide, INT_MIN, INT_MAX));
    FUZZ_CHECK(TextToInt(text) == expected);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(FuzzBytes(data, size));
    CheckDouble(text);
    CheckInt(text);
    return 0;
}
