// Numbers read from captions and written back.
#include "platform/forms/Text.h"

#include <gtest/gtest.h>

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
        {5.4, u"5.4"_s}, {15, u"15.0"_s},       {0.05, u"0.1"_s}, {0.15, u"0.2"_s},         {-0.15, u"-0.2"_s},
        {-3, u"-3.0"_s}, {1598.2, u"1598.2"_s}, {0.04, u"0.0"_s}, {12345.67, u"12345.7"_s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(FormatOneDecimal(c.value), c.expected);
    }
}
