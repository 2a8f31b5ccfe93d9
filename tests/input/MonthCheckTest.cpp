// The check of a month box as the user leaves it: a number or nothing redraws the chart;
// any other text asks "このデータで良いですか。" and changes nothing else.
#include "chart/InputChart.h"
#include "input/Hyser_Input.h"
#include "tests/input/InputWindowFixture.h"

using namespace forms;
using namespace input;
using namespace testing_support;
using namespace Qt::Literals::StringLiterals;

namespace {

class MonthCheckTest : public InputWindowFixture {
protected:
    Hyser_Input& open() {
        Hyser_Input& w = instance<Hyser_Input>();
        typeYear(w, kTemps, kRains);
        return w;
    }
};

TEST_F(MonthCheckTest, NumbersAndTheEmptyBoxPassAndRedrawEverythingElseAsks) {
    struct Case {
        const char* name;
        QString text;
        bool asks;
        std::size_t points;  // after leaving April's temperature box
    };
    const Case cases[] = {
        {"a decimal", u"12.5"_s, false, 24},  {"nothing: a missing month", QString(), false, 22},
        {"an exponent", u"1e1"_s, false, 24}, {"blanks around a sign", u" -3 "_s, false, 24},
        {"letters", u"abc"_s, true, 24},      {"the missing mark", u"×"_s, true, 24},
        {"a blank", u" "_s, true, 24},        {"leading digits", u"12abc"_s, true, 24},
        {"a comma", u"1,5"_s, true, 24},      {"full-width digits", u"１２"_s, true, 24},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Hyser_Input& w = open();
        services.messages.clear();
        if (c.asks) services.expectMessage(vbContinue);
        w.Cls();  // a redraw draws the chart again; a refused text draws nothing
        typeInto(w.Text3(4), c.text);
        leave(w);
        if (c.asks) {
            ASSERT_EQ(services.messages.size(), 1u);
            EXPECT_EQ(services.messages[0].prompt, u"このデータで良いですか。"_s);
            EXPECT_EQ(services.messages[0].title, u"入力チェック"_s);
            EXPECT_EQ(services.messages[0].style, 278) << "キャンセル, 再試行 (the default) and 続行 with the stop sign";
            EXPECT_TRUE(w.drawing().empty()) << "the chart is not redrawn";
        } else {
            EXPECT_TRUE(services.messages.empty());
            EXPECT_EQ(w.drawing().size(), c.points);
        }
        w.Unload();
    }
}

TEST_F(MonthCheckTest, TryAgainAndCancelTakeTheUserBackToTheBoxWithItsTextSelected) {
    struct Case {
        const char* name;
        int answer;
        bool back;
    };
    const Case cases[] = {
        {"再試行", vbTryAgain, true},
        {"キャンセル", vbCancel, true},
        {"続行", vbContinue, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Hyser_Input& w = open();
        const std::vector<DrawOp> before = w.drawing();
        const double aprilX = w.state.Plot_X[4];
        services.expectMessage(c.answer);
        typeInto(w.Text4(4), u"12O"_s);  // a letter O for a zero
        w.Text4(5).SetFocus();
        EXPECT_EQ(w.Text4(4).Text(), u"12O"_s) << "the text stays";
        EXPECT_EQ(w.drawing().size(), before.size());
        EXPECT_EQ(w.state.Plot_X[4], aprilX);
        EXPECT_EQ(w.Text4(4).BackColor(), chart::kFailedBack) << "the box shows that it failed";
        if (c.back) {
            EXPECT_EQ(w.ActiveControl(), &w.Text4(4));
            EXPECT_EQ(w.Text4(4).SelStart(), 0);
            EXPECT_EQ(w.Text4(4).SelLength(), 3);
        } else {
            EXPECT_EQ(w.ActiveControl(), &w.Text4(5)) << "the focus stays where the user moved it";
        }
        EXPECT_EQ(services.messages.size(), 1u) << "leaving the next box on the way back asks nothing";
        services.messages.clear();
        w.Unload();
    }
}

TEST_F(MonthCheckTest, ARefusedMonthIsDrawnAsMissingAndKeepsItsMarkUntilCorrected) {
    Hyser_Input& w = open();
    services.expectMessage(vbContinue);
    typeInto(w.Text3(2), u"abc"_s);
    leave(w);
    w.Command2.click();  // 作図
    EXPECT_FALSE(w.Line11(1).Visible());
    EXPECT_FALSE(w.Line11(2).Visible());
    EXPECT_GT(w.Shape3(2).Left(), w.ScaleWidth()) << "never drawn as 0 or as its leading digits";
    EXPECT_EQ(w.Text3(2).BackColor(), chart::kFailedBack) << "the redraw's colouring keeps the mark";
    EXPECT_EQ(w.Text3(2).ForeColor(), chart::kFailedFore);

    typeInto(w.Text3(2), u"-3.1"_s);
    leave(w);
    EXPECT_TRUE(w.Line11(1).Visible());
    EXPECT_EQ(w.Text3(2).BackColor(), 0xFFFFE9u) << "the band's colour once corrected";
}

TEST_F(MonthCheckTest, TheYearBoxesAreCheckedLikeTheMonths) {
    Hyser_Input& w = open();
    for (TextBox* box : {&w.Text3(13), &w.Text4(13)}) {
        services.expectMessage(vbContinue);
        typeInto(*box, u"×"_s);
        leave(w);
    }
    EXPECT_EQ(services.messages.size(), 2u);
}

TEST_F(MonthCheckTest, ThePlaceYearAndFactsAreNeverChecked) {
    Hyser_Input& w = open();
    for (TextBox* box : {&w.Text1, &w.Text2, &w.Text8, &w.Text5, &w.Text6, &w.Text7}) {
        typeInto(*box, u"abc"_s);
        w.Text3(1).SetFocus();
    }
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(MonthCheckTest, WhatReadsAsATypedValue) {
    struct Case {
        QString text;
        bool number;
    };
    // "12\n" fails: a line break is no blank, not even at the end of the text.
    const Case cases[] = {
        {u"12.5"_s, true}, {u"-0.5"_s, true}, {u"+7"_s, true},     {u".5"_s, true},    {u"5."_s, true},
        {u"1e3"_s, true},  {u"1E-2"_s, true}, {u"\t8 "_s, true},   {QString(), false}, {u"×"_s, false},
        {u" "_s, false},   {u"."_s, false},   {u"1e"_s, false},    {u"1 2"_s, false},  {u"--1"_s, false},
        {u"nan"_s, false}, {u"inf"_s, false}, {u"1.2.3"_s, false}, {u"12\n"_s, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(chart::readsAsNumber(c.text), c.number);
    }
}

}  // namespace
