// Numbers read from captions and written back, and twips turned into pixels: defined for
// every input, the extreme ones included.
#include "platform/forms/Text.h"
#include "platform/forms/Twips.h"
#include "tests/support/QtPrinters.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace forms;
using namespace Qt::Literals::StringLiterals;

TEST(TextTest, ValReadsTheLeadingNumberAndZeroWhenThereIsNone) {
    struct Case {
        QString text;
        double expected;
    };
    const Case cases[] = {
        {u"2000"_s, 2000},     {u"1981-2010"_s, 1981}, {u""_s, 0},           {u"×"_s, 0},
        {u"-3.5"_s, -3.5},     {u" 12.5mm"_s, 12.5},   {u"--"_s, 0},         {u"x"_s, 0},
        {u"2000.5"_s, 2000.5}, {u".5"_s, 0.5},         {u"35.69N"_s, 35.69}, {u"１２"_s, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_DOUBLE_EQ(Val(c.text), c.expected);
    }
}

TEST(TextTest, AsciiFormsTurnWhatTheInputMethodTypesIntoAscii) {
    struct Case {
        const char* name;
        QString text, ascii;
    };
    const Case cases[] = {
        {"full-width digits and point", u"１２．３"_s, u"12.3"_s},
        {"full-width minus", u"－３"_s, u"-3"_s},
        {"the minus sign", u"−３"_s, u"-3"_s},
        {"full-width plus", u"＋７"_s, u"+7"_s},
        {"mixed with ASCII", u"１2.５"_s, u"12.5"_s},
        {"ideographic blanks", u"\u3000８\u3000"_s, u" 8 "_s},
        {"full-width letters", u"３５．７Ｎ１ｅ"_s, u"35.7N1e"_s},
        {"the ends of the block", u"！～"_s, u"!~"_s},
        {"kanji, kana and marks stay", u"２００５年ー×，"_s, u"2005年ー×,"_s},
        {"the long vowel mark is no minus", u"ー３"_s, u"ー3"_s},
        {"the ideographic full stop is no point", u"１２。３"_s, u"12。3"_s},
        {"half-width katakana stay", u"ｶﾅ"_s, u"ｶﾅ"_s},
        {"ASCII stays", u"-12.5e3 N"_s, u"-12.5e3 N"_s},
        {"nothing", QString(), QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(asciiForms(c.text), c.ascii);
    }
}

TEST(TextTest, StrWritesTheShortestForm) {
    EXPECT_EQ(Str(2000), u"2000"_s);
    EXPECT_EQ(Str(1995), u"1995"_s);
    EXPECT_EQ(Str(0), u"0"_s);
    EXPECT_EQ(Str(2000.5), u"2000.5"_s);
    EXPECT_EQ(Str(-12), u"-12"_s);
}

TEST(TextTest, OneDecimalRoundsHalfAwayFromZeroAndKeepsALeadingDigit) {
    struct Case {
        double value;
        QString expected;
    };
    const Case cases[] = {
        {5.4, u"5.4"_s},
        {15, u"15.0"_s},
        {0.05, u"0.1"_s},
        {0.15, u"0.2"_s},
        {-0.15, u"-0.2"_s},
        {-3, u"-3.0"_s},
        {1598.2, u"1598.2"_s},
        {0.04, u"0.0"_s},
        {12345.67, u"12345.7"_s},
        // Just under a half stays down, however close: the shortest digits decide.
        {0.04999999991, u"0.0"_s},
        {-0.04999999991, u"0.0"_s},
        {2.2499999999, u"2.2"_s},
        {1.25, u"1.3"_s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(FormatOneDecimal(c.value), c.expected);
    }
}

namespace {

constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

}  // namespace

TEST(TextTest, ValIsFiniteForAnyText) {
    struct Case {
        const char* name;
        QString text;
        double expected;
    };
    const Case cases[] = {
        {"too large: the largest double", u"1e999"_s, kMax},
        {"too large and negative", u"-1e999"_s, -kMax},
        {"an exponent beyond any integer", u"1e99999999999999999999"_s, kMax},
        {"four hundred digits", QString(400, u'9'), kMax},
        {"too small: zero", u"1e-999"_s, 0},
        {"too small and negative: zero", u"-1e-999"_s, 0},
        {"the largest double itself", u"1.7976931348623157e308"_s, kMax},
        {"nan is no number", u"nan"_s, 0},
        {"inf is no number", u"inf"_s, 0},
        {"-inf is no number", u"-inf"_s, 0},
        {"a sign alone", u"-"_s, 0},
        {"a point alone", u"."_s, 0},
        {"an exponent without digits is left out", u"2e+"_s, 2},
        {"an exponent ends the number", u"2.5e3x"_s, 2500},
        {"blanks and a tab before it", u" \t-7.25"_s, -7.25},
        {"hexadecimal is not read", u"0x1A"_s, 0},
        {"a plus sign", u"+5"_s, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const double v = Val(c.text);
        EXPECT_TRUE(std::isfinite(v));
        EXPECT_EQ(v, c.expected);
    }
}

TEST(TextTest, StrIsDefinedForAnyNumberAndValReadsItBack) {
    struct Case {
        const char* name;
        double value;
        QString expected;
    };
    const Case cases[] = {
        {"negative zero", -0.0, u"0"_s},
        {"the last whole number written out", 999999999999999, u"999999999999999"_s},
        {"from 1e15 on, an exponent", 1e15, u"1e+15"_s},
        {"the largest double", kMax, u"1.79769313486232e+308"_s},
        {"the smallest negative double", -kMax, u"-1.79769313486232e+308"_s},
        {"a tiny value", 1e-300, u"1e-300"_s},
        {"nan: the missing mark", kNaN, u"×"_s},
        {"infinity: the missing mark", kInf, u"×"_s},
        {"minus infinity: the missing mark", -kInf, u"×"_s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString text = Str(c.value);
        EXPECT_EQ(text, c.expected);
        if (std::isfinite(c.value)) {
            EXPECT_NEAR(Val(text), c.value, std::fabs(c.value) * 1e-14);
        }
    }
}

TEST(TextTest, OneDecimalIsDefinedForAnyNumber) {
    struct Case {
        const char* name;
        double value;
        QString expected;  // empty: checked by its form and by reading it back
    };
    const Case cases[] = {
        {"past the int range", 2147483647.96, u"2147483648.0"_s},
        {"past the int range, negative", -2147483648.04, u"-2147483648.0"_s},
        {"ten digits and tenths", 9876543210.25, u"9876543210.3"_s},
        {"the first value written out in full", 1e15, u"1000000000000000.0"_s},
        {"past the long long range", 1e19, u"10000000000000000000.0"_s},
        {"past the long long range, negative", -9.3e18, u"-9300000000000000000.0"_s},
        {"huge", 1e300, QString()},
        {"the largest double", kMax, QString()},
        {"the smallest negative double", -kMax, QString()},
        {"a tiny negative value shows no sign", -0.04, u"0.0"_s},
        {"negative zero", -0.0, u"0.0"_s},
        {"the smallest positive double", std::numeric_limits<double>::denorm_min(), u"0.0"_s},
        {"nan: the missing mark", kNaN, u"×"_s},
        {"infinity: the missing mark", kInf, u"×"_s},
        {"minus infinity: the missing mark", -kInf, u"×"_s},
    };
    static const QRegularExpression form(u"^-?[0-9]+\\.[0-9]$"_s);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString text = FormatOneDecimal(c.value);
        if (!c.expected.isEmpty()) {
            EXPECT_EQ(text, c.expected);
        }
        if (!std::isfinite(c.value)) continue;
        EXPECT_TRUE(form.match(text).hasMatch()) << text.toStdString();
        if (std::fabs(c.value) >= 1e15) {
            EXPECT_EQ(Val(text), c.value) << "every digit of a huge value is written";
        }
    }
}

TEST(TextTest, WholeNumbersAreHeldAtTheIntRange) {
    struct Case {
        const char* name;
        double value;
        int expected;
    };
    const Case cases[] = {
        {"a month number", 12.0, 12},
        {"tenths are cut off", 12.9, 12},
        {"toward zero below zero", -12.9, -12},
        {"the largest int", 2147483647.0, 2147483647},
        {"past the largest int", 2147483648.0, 2147483647},
        {"the largest double", kMax, 2147483647},
        {"past the smallest int", -1e300, -2147483647 - 1},
        {"infinity", kInf, 2147483647},
        {"nan", kNaN, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(truncateToInt(c.value), c.expected);
    }
}

TEST(TwipsTest, PixelsAreDefinedForAnyTwips) {
    struct Case {
        const char* name;
        double twips;
        int pixels;
    };
    const Case cases[] = {
        {"on a pixel", 150, 10},
        {"half a pixel rounds away from zero", 7.5, 1},
        {"half a pixel below zero", -7.5, -1},
        {"far beyond any window", 1e300, 16777215},
        {"far before any window", -1e300, -16777215},
        {"infinity", kInf, 16777215},
        {"minus infinity", -kInf, -16777215},
        {"nan", kNaN, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(forms::toPixels(c.twips), c.pixels);
    }
}

TEST(TextTest, PlotCoordinatesInSinglePrecisionStayWithinTheFloatsRange) {
    constexpr float kTop = std::numeric_limits<float>::max();
    struct Case {
        const char* name;
        double value;
        float expected;
    };
    const Case cases[] = {
        {"a place on the chart", 4567.25, 4567.25f},
        {"far beyond any window", 1e300, kTop},
        {"far before any window", -1e300, -kTop},
        {"infinity", kInf, kTop},
        {"minus infinity", -kInf, -kTop},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(toSingle(c.value), c.expected);
    }
    EXPECT_TRUE(std::isnan(toSingle(kNaN)));
}
