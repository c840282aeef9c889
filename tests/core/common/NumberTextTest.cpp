#include "core/common/text/NumberText.h"
#include "core/common/text/Format.h"
#include "core/common/text/Rounding.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

struct DoubleCase {
    const char* text;
    double expected;
};

class TextToDoubleTest : public ::testing::TestWithParam<DoubleCase> {};

TEST_P(TextToDoubleTest, ReadsLikeTheCLibrary) {
    EXPECT_DOUBLE_EQ(TextToDouble(QString::fromUtf8(GetParam().text)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextToDoubleTest,
    ::testing::Values(DoubleCase{"  12.5abc", 12.5}, DoubleCase{"abc", 0}, DoubleCase{"-3", -3},
                      DoubleCase{"", 0}, DoubleCase{"+4.25", 4.25}, DoubleCase{".5", 0.5},
                      DoubleCase{"5.", 5}, DoubleCase{"-", 0}, DoubleCase{".", 0},
                      DoubleCase{"1,5", 1}, DoubleCase{"\t\n 7", 7}, DoubleCase{"1e3", 1000},
                      DoubleCase{"2E-1x", 0.2}, DoubleCase{"3e", 3}, DoubleCase{"3e+", 3},
                      DoubleCase{"nan", 0}, DoubleCase{"inf", 0}, DoubleCase{"0x1A", 0},
                      DoubleCase{"29.92\"", 29.92}, DoubleCase{"1e-400", 0}));

// Beyond the range of a double the C library gives infinity for a huge magnitude and zero for a
// tiny one, wherever the first non-zero digit stands.
TEST(TextToDouble, OutOfRangeTextsAreInfiniteOrZeroLikeTheCLibrary) {
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        const char* text;
        double expected;
    } cases[] = {{"1e400", inf},
                 {"-1e400", -inf},
                 {".7e400", inf},
                 {"0.9e309", inf},
                 {"-.7e999", -inf},
                 {"000.0001e320", inf},
                 {"123e-330", 0.0},
                 {"0.001e-400", 0.0},
                 {"1e99999999999999999999", inf},
                 {"1e-99999999999999999999", 0.0},
                 {"-1e-400", -0.0}};
    for (const auto& c : cases) {
        const double got = TextToDouble(QString::fromLatin1(c.text));
        EXPECT_EQ(got, c.expected) << c.text;
        EXPECT_EQ(std::signbit(got), std::signbit(c.expected)) << c.text;
    }
}

TEST(TextToDouble, DecimalPointIgnoresTheLocale) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const char* cLocale = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    EXPECT_DOUBLE_EQ(TextToDouble(u"  12.5abc"), 12.5);
    EXPECT_DOUBLE_EQ(TextToDouble(u"1,5"), 1.0);
    EXPECT_EQ(FormatText("%.1f", 12.5), QStringLiteral("12.5"));
    EXPECT_EQ(FormatText("%.2f", 0.5), QStringLiteral("0.50"));
    if (cLocale)
        std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(before);
}

struct IntCase {
    const char* text;
    int expected;
};

class TextToIntTest : public ::testing::TestWithParam<IntCase> {};

TEST_P(TextToIntTest, ReadsLikeTheCLibrary) {
    EXPECT_EQ(TextToInt(QString::fromUtf8(GetParam().text)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, TextToIntTest,
                         ::testing::Values(IntCase{"  42", 42}, IntCase{"-7x", -7},
                                           IntCase{"12.9", 12}, IntCase{"abc", 0}, IntCase{"", 0},
                                           IntCase{"+5", 5}, IntCase{"99999999999", 2147483647},
                                           IntCase{"-99999999999", -2147483647 - 1}));

TEST(Rounding, RoundTenthRoundsHalvesAwayFromZero) {
    const struct {
        double in, out;
    } cases[] = {{0.05, 0.1},   {-0.05, -0.1}, {1.24, 1.2},     {1.25, 1.3},
                 {-1.25, -1.3}, {0.0, 0.0},    {179.96, 180.0}, {12.34, 12.3}};
    for (const auto& c : cases)
        EXPECT_NEAR(RoundTenth(c.in), c.out, 1e-12) << c.in;
}

TEST(Rounding, RoundWholeAddsAHalfAndSaturates) {
    EXPECT_EQ(RoundWhole(2.5), 3u);
    EXPECT_EQ(RoundWhole(2.49), 2u);
    EXPECT_EQ(RoundWhole(359.6), 360u);
    EXPECT_EQ(RoundWhole(-0.4), 0u);
    EXPECT_EQ(RoundWhole(-5.0), 0u);
    EXPECT_EQ(RoundWhole(std::nan("")), 0u);
    EXPECT_EQ(RoundWhole(1e20), std::numeric_limits<unsigned>::max());
}

} // namespace

namespace {

TEST(FormatText, RoundsHalvesLikeTheCLibrary) {
    const struct {
        const char* format;
        double value;
        const char* expected;
    } cases[] = {{"%.1f", 0.25, "0.2"},     {"%.0f", 2.5, "2"},        {"%.0f", 3.5, "4"},
                 {"%.2f", 0.125, "0.12"},   {"%.1f", 300.25, "300.2"}, {"%.0f", -0.5, "-0"},
                 {"%.1f°", 12.35, "12.3°"}, {"%.2f", 7.034, "7.03"}};
    for (const auto& c : cases)
        EXPECT_EQ(FormatText(c.format, c.value), QString::fromUtf8(c.expected)) << c.format;
    EXPECT_EQ(FormatText("%02u:%02u", 7u, 5u), QStringLiteral("07:05"));
    EXPECT_EQ(FormatText("%s", QString(300, 'x').toUtf8().constData()).size(), 300);
}

} // namespace
