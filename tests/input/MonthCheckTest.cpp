// The check of a month box as the user leaves it: a number or nothing redraws the chart;
// any other text asks "このデータで良いですか。" and changes nothing else.
#include "chart/InputChart.h"
#include "input/Hyser_Input.h"
#include "input/Uonz_Input.h"
#include "tests/input/InputWindowFixture.h"

#include <optional>

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
        {"a decimal", u"12.5"_s, false, 24},
        {"nothing: a missing month", QString(), false, 22},
        {"an exponent", u"1e1"_s, false, 24},
        {"blanks around a sign", u" -3 "_s, false, 24},
        {"letters", u"abc"_s, true, 24},
        {"the missing mark", u"×"_s, true, 24},
        {"a blank", u" "_s, true, 24},
        {"leading digits", u"12abc"_s, true, 24},
        {"a comma", u"1,5"_s, true, 24},
        {"full-width digits", u"１２"_s, false, 24},
        {"full-width letters", u"１２ａｂｃ"_s, true, 24},
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

// With the input method on, a user types "１２．３" and "－３": they read as 12.3 and -3.
TEST_F(MonthCheckTest, TextTypedWithTheInputMethodOnReadsAsItsAsciiForm) {
    struct Case {
        QString text;
        std::optional<double> value;
    };
    const Case cases[] = {
        {u"１２．３"_s, 12.3}, {u"－３"_s, -3},    {u"−３．５"_s, -3.5},  {u"＋７"_s, 7},    {u"１２.５"_s, 12.5}, {u"\u3000８\u3000"_s, 8},
        {u"．５"_s, 0.5},      {u"１Ｅ２"_s, 100}, {u"１２ａｂｃ"_s, {}}, {u"ー３"_s, {}},   {u"１，５"_s, {}},    {u"１２。３"_s, {}},
        {u"－－１"_s, {}},     {u"\u3000"_s, {}},  {u"\u0663"_s, {}},     {u"１２\n"_s, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(chart::typedValue(c.text), c.value);
        EXPECT_EQ(chart::readsAsNumber(c.text), c.value.has_value());
        EXPECT_EQ(chart::failsCheck(c.text), !c.value.has_value());
    }
}

// The value boxes show what the window read once the user leaves them; the place, the
// year and the country stay as typed, and a refused text stays for the correction.
TEST_F(MonthCheckTest, AValueTypedInFullWidthIsDrawnAsItsAsciiFormAndShowsAsItOnceLeft) {
    const std::pair<const char*, InputWindow* (*)()> windows[] = {
        {"hythergraph", [] { return static_cast<InputWindow*>(&instance<Hyser_Input>()); }},
        {"climograph", [] { return static_cast<InputWindow*>(&instance<Uonz_Input>()); }},
    };
    for (const auto& [name, open] : windows) {
        SCOPED_TRACE(name);
        InputWindow& w = *open();
        typeYear(w, kTemps, kRains);
        typeInto(w.Text3(4), u"-12.5"_s);
        typeInto(w.Text4(4), u"250"_s);
        leave(w);
        const std::vector<DrawOp> typedInAscii = w.drawing();
        const Color band = w.Text3(4).BackColor();

        typeInto(w.Text3(4), u"－１２．５"_s);
        typeInto(w.Text4(4), u"２５０"_s);
        leave(w);
        EXPECT_TRUE(services.messages.empty());
        EXPECT_EQ(w.Text3(4).Text(), u"-12.5"_s);
        EXPECT_EQ(w.Text4(4).Text(), u"250"_s);
        ASSERT_EQ(w.drawing().size(), typedInAscii.size());
        for (std::size_t i = 0; i < typedInAscii.size(); ++i) {
            EXPECT_EQ(w.drawing()[i].x1, typedInAscii[i].x1) << i;
            EXPECT_EQ(w.drawing()[i].y1, typedInAscii[i].y1) << i;
        }
        EXPECT_EQ(w.Text3(4).BackColor(), band);

        services.expectMessage(vbContinue);
        typeInto(w.Text3(5), u"１２ａｂｃ"_s);
        leave(w);
        EXPECT_EQ(w.Text3(5).Text(), u"１２ａｂｃ"_s) << "a refused text stays as typed";

        const std::pair<TextBox*, QString> facts[] = {{&w.Text5, u"35.7N"_s}, {&w.Text6, u"139.8E"_s}, {&w.Text7, u"1234"_s}};
        typeInto(w.Text5, u"３５．７Ｎ"_s);
        typeInto(w.Text6, u"１３９．８Ｅ"_s);
        typeInto(w.Text7, u"１２３４"_s);
        typeInto(w.Text1, u"東京"_s);
        typeInto(w.Text2, u"２０２０年"_s);
        typeInto(w.Text8, u"日本"_s);
        for (const auto& [box, shown] : facts) EXPECT_EQ(box->Text(), shown) << box->Name().toStdString();
        EXPECT_EQ(w.Text2.Text(), u"２０２０年"_s) << "the year is part of the title and stays as typed";
        w.Command2.click();
        EXPECT_EQ(w.Text5.BackColor(), 0xFFFF80u) << "north";
        EXPECT_EQ(w.Text6.BackColor(), 0xC0FFC0u) << "east";
        services.messages.clear();
        w.Unload();
    }
}

}  // namespace
