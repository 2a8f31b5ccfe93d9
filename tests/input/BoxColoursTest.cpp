// The value boxes coloured by the bands after every drawing.
#include "input/Hyser_Input.h"
#include "tests/input/InputWindowFixture.h"

using namespace forms;
using namespace input;
using namespace testing_support;
using namespace Qt::Literals::StringLiterals;

namespace {

class BoxColoursTest : public InputWindowFixture {};

struct Band {
    QString text;
    Color back;
    Color fore;
};

TEST_F(BoxColoursTest, TemperatureBoxesTakeTheTemperatureBands) {
    const Band cases[] = {
        {QString(), 0xFFFFE9, 0x808000},  // an empty box reads 0
        {u"0"_s, 0xFFFFE9, 0x808000},     // 0 is the first band at and below zero
        {u"0.1"_s, 0xE0FFFF, 0xC0},      {u"5"_s, 0xD0FFFF, 0xC0},       {u"4.99999999"_s, 0xD0FFFF, 0xC0},  // 5 in single precision
        {u"8"_s, 0xC0FFFF, 0xC0},        {u"12.5"_s, 0xB0FFFF, 0xC0},    {u"13"_s, 0xA0FFFF, 0xC0},
        {u"15"_s, 0x90FFFF, 0xC0},       {u"18"_s, 0x60FFFF, 0xC0},      {u"20"_s, 0x30FFFF, 0xC0},
        {u"23"_s, 0xD0FF, 0xC0},         {u"25"_s, 0xD0D0FF, 0xC0},      {u"28"_s, 0xB0B0FF, 0xC0},
        {u"30"_s, 0x9090FF, 0xC0},       {u"33"_s, 0x7070FF, 0xC0},      {u"35"_s, 0x5050FF, 0xC0},
        {u"38"_s, 0x3030FF, 0xC0},       {u"1e300"_s, 0x3030FF, 0xC0},   {u"-5"_s, 0xFFFFD0, 0x808000},
        {u"-10"_s, 0xFFFFA0, 0x808000},  {u"-15"_s, 0xFFFF00, 0x808000}, {u"-24.9"_s, 0xFFFF00, 0xA00000},
        {u"-25"_s, 0xFFFF00, 0xC00000},  {u"-60"_s, 0xFFFF00, 0xC00000}, {u"-1e400"_s, 0xFFFF00, 0xC00000},
    };
    Hyser_Input& w = instance<Hyser_Input>();
    for (const Band& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        for (int i : {1, 13}) {
            w.Text3(i).setText(c.text);
            w.Kion_Color();
            EXPECT_EQ(w.Text3(i).BackColor(), c.back) << i;
            EXPECT_EQ(w.Text3(i).ForeColor(), c.fore) << i;
        }
    }
}

TEST_F(BoxColoursTest, PrecipitationBoxesTakeTheMonthlyBandsAndTheYearTheAnnualOnes) {
    const Band months[] = {
        {QString(), 0x80FFFF, 0x4000},   {u"0"_s, 0x80FFFF, 0x4000},     {u"10"_s, 0xE0FFE0, 0x4000},      {u"50"_s, 0xC0FFC0, 0x4000},
        {u"100"_s, 0x90FF90, 0x4000},    {u"150"_s, 0x60FF60, 0x4000},   {u"200"_s, 0x40FF40, 0x4000},     {u"299.9"_s, 0x20FF20, 0x4000},
        {u"300"_s, 0x20FF20, 0xC00000},  {u"350"_s, 0xFFFF80, 0xC00000}, {u"699.9"_s, 0xFFFF00, 0xC00000}, {u"700"_s, 0xFFFF00, 0x800000},
        {u"1200"_s, 0xFFFF00, 0x800000}, {u"-5"_s, 0xFFFFFF, 0x4000},
    };
    const Band years[] = {
        {u"50"_s, 0x80FFFF, 0x4000},     {u"1200"_s, 0x90FF90, 0x4000},   {u"2999"_s, 0x20FF20, 0x4000}, {u"3000"_s, 0x20FF20, 0xC00000},
        {u"4500"_s, 0xFFFF00, 0xC00000}, {u"5000"_s, 0xFFFF00, 0x800000}, {u"-1"_s, 0xFFFFFF, 0x4000},
    };
    Hyser_Input& w = instance<Hyser_Input>();
    for (const Band& c : months) {
        SCOPED_TRACE((u"month "_s + c.text).toStdString());
        w.Text4(7).setText(c.text);
        w.Kion_Color();
        EXPECT_EQ(w.Text4(7).BackColor(), c.back);
        EXPECT_EQ(w.Text4(7).ForeColor(), c.fore);
    }
    for (const Band& c : years) {
        SCOPED_TRACE((u"year "_s + c.text).toStdString());
        w.Text4(13).setText(c.text);
        w.Kion_Color();
        EXPECT_EQ(w.Text4(13).BackColor(), c.back);
        EXPECT_EQ(w.Text4(13).ForeColor(), c.fore);
    }
}

TEST_F(BoxColoursTest, LatitudeLongitudeAndElevationBoxes) {
    struct Case {
        const char* name;
        TextBox& (*box)(Hyser_Input&);
        QString text;
        Color back;
    };
    const Case cases[] = {
        {"north", [](Hyser_Input& w) -> TextBox& { return w.Text5; }, u"43.1N"_s, 0xFFFF80},
        {"south", [](Hyser_Input& w) -> TextBox& { return w.Text5; }, u"33.9S"_s, 0x8080FF},
        {"a latitude without its letter keeps its colour", [](Hyser_Input& w) -> TextBox& { return w.Text5; }, u"43.1n"_s, 0x8080FF},
        {"west", [](Hyser_Input& w) -> TextBox& { return w.Text6; }, u"74.0W"_s, 0x80FFFF},
        {"east", [](Hyser_Input& w) -> TextBox& { return w.Text6; }, u"141.3E"_s, 0xC0FFC0},
        {"low", [](Hyser_Input& w) -> TextBox& { return w.Text7; }, u"17"_s, 0x80FFFF},
        {"high", [](Hyser_Input& w) -> TextBox& { return w.Text7; }, u"2230"_s, 0x40FF40},
        {"3500 m", [](Hyser_Input& w) -> TextBox& { return w.Text7; }, u"3500"_s, 0xFFFF80},
        {"below the sea", [](Hyser_Input& w) -> TextBox& { return w.Text7; }, u"-28"_s, 0xFFFFFF},
        {"north in full width", [](Hyser_Input& w) -> TextBox& { return w.Text5; }, u"４３．１Ｎ"_s, 0xFFFF80},
        {"west in full width", [](Hyser_Input& w) -> TextBox& { return w.Text6; }, u"７４．０Ｗ"_s, 0x80FFFF},
        {"high in full width", [](Hyser_Input& w) -> TextBox& { return w.Text7; }, u"２２３０"_s, 0x40FF40},
    };
    Hyser_Input& w = instance<Hyser_Input>();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.box(w).setText(c.text);
        w.Kion_Color();
        EXPECT_EQ(c.box(w).BackColor(), c.back);
    }
}

TEST_F(BoxColoursTest, ABoxTheLookTurnedBlackGetsItsBandTextColourBack) {
    Hyser_Input& w = instance<Hyser_Input>();
    typeYear(w, kTemps, kRains);
    w.menu(u"View_BKWT"_s).click();
    EXPECT_EQ(w.Text3(7).ForeColor(), kSysButtonText);
    w.Command2.click();
    EXPECT_EQ(w.Text3(7).ForeColor(), 0xC0u);
    EXPECT_EQ(w.Text3(1).ForeColor(), 0x808000u);
    EXPECT_EQ(w.Text3(7).BackColor(), 0x30FFFFu);
}

}  // namespace
