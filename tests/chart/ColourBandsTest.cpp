// The colour bands of the value tables, at their boundaries, and the colouring of a
// window's value table by them.
#include "chart/ColourBands.h"
#include "data/ClimateDb.h"
#include "tests/chart/ChartForm.h"
#include "tests/support/ClimateFixture.h"
#include "tests/support/FakeServices.h"

#include <gtest/gtest.h>

using namespace chart;
using namespace Qt::Literals::StringLiterals;

namespace {

struct BandCase {
    const char* name;
    double value;
    forms::Color back;
    std::optional<forms::Color> fore;
};

void expectBands(CellColours (*band)(double), std::initializer_list<BandCase> cases) {
    for (const BandCase& c : cases) {
        SCOPED_TRACE(c.name);
        const CellColours got = band(c.value);
        EXPECT_EQ(got.back, c.back);
        EXPECT_EQ(got.fore, c.fore);
    }
}

CellColours temperature(double t) { return temperatureBand(static_cast<float>(t)); }

TEST(ColourBandsTest, TemperatureBandsAtTheirBoundaries) {
    expectBands(temperature, {
                                 {"0.0 is the first cold band", 0.0, 0xFFFFE9, 0x808000},
                                 {"0.1", 0.1, 0xE0FFFF, std::nullopt},
                                 {"5.0 opens its band", 5.0, 0xD0FFFF, std::nullopt},
                                 {"4.9", 4.9, 0xE0FFFF, std::nullopt},
                                 {"23.0", 23.0, 0x00D0FF, std::nullopt},
                                 {"38.0", 38.0, 0x3030FF, std::nullopt},
                                 {"37.9", 37.9, 0x5050FF, std::nullopt},
                                 {"-5.0 closes its band", -5.0, 0xFFFFD0, 0x808000},
                                 {"-4.9", -4.9, 0xFFFFE9, 0x808000},
                                 {"-15.0", -15.0, 0xFFFF00, 0x808000},
                                 {"-20.0", -20.0, 0xFFFF00, 0xA00000},
                                 {"-25.0", -25.0, 0xFFFF00, 0xC00000},
                                 {"-32.0", -32.0, 0xFFFF00, 0xC00000},
                                 {"-40.0", -40.0, 0xFFFF00, 0xC00000},
                             });
}

TEST(ColourBandsTest, MonthlyPrecipitationBandsAtTheirBoundaries) {
    expectBands(monthlyRainBand, {
                                     {"0", 0, 0x80FFFF, 0x4000},
                                     {"9.9", 9.9, 0x80FFFF, 0x4000},
                                     {"10", 10, 0xE0FFE0, 0x4000},
                                     {"299.9", 299.9, 0x20FF20, 0x4000},
                                     {"300 turns the text blue", 300, 0x20FF20, 0xC00000},
                                     {"499.9", 499.9, 0xFFFF80, 0xC00000},
                                     {"700", 700, 0xFFFF00, 0x800000},
                                     {"below zero", -1, 0xFFFFFF, std::nullopt},
                                 });
}

TEST(ColourBandsTest, AnnualPrecipitationBandsTopOutAt4000And5000) {
    expectBands(annualRainBand, {
                                    {"1200 (the monthly bands would say 700+)", 1200, 0x90FF90, 0x4000},
                                    {"2999.9", 2999.9, 0x20FF20, 0x4000},
                                    {"3000", 3000, 0x20FF20, 0xC00000},
                                    {"4000", 4000, 0xFFFF00, 0xC00000},
                                    {"5000", 5000, 0xFFFF00, 0x800000},
                                    {"below zero", -5, 0xFFFFFF, std::nullopt},
                                });
}

TEST(ColourBandsTest, ElevationLatitudeAndLongitude) {
    EXPECT_EQ(elevationBand(-28), 0xFFFFFFu) << "below sea level";
    EXPECT_EQ(elevationBand(0), 0x80FFFFu);
    EXPECT_EQ(elevationBand(25), 0x80FFFFu);
    EXPECT_EQ(elevationBand(100), 0xE0FFE0u);
    EXPECT_EQ(elevationBand(3776), 0xFFFF80u);
    struct HemisphereCase {
        QString text;
        std::optional<forms::Color> lat, lon;
    };
    const HemisphereCase cases[] = {
        {u"35.69N"_s, 0xFFFF80, std::nullopt},   {u"33.87S"_s, 0x8080FF, std::nullopt},     {u"139.75E"_s, std::nullopt, 0xC0FFC0},
        {u"0.46W"_s, std::nullopt, 0x80FFFF},    {u"35.69n"_s, std::nullopt, std::nullopt}, {u"35.69N "_s, std::nullopt, std::nullopt},
        {QString(), std::nullopt, std::nullopt},
    };
    for (const HemisphereCase& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(latitudeColour(c.text), c.lat);
        EXPECT_EQ(longitudeColour(c.text), c.lon);
    }
}

// The value table of a window coloured from a row of 東京's normal values.
class ValueTableColoursTest : public ::testing::Test {
protected:
    ValueTableColoursTest() {
        for (const data::ClimateRow& row : testing_support::committedNormals()) {
            if (row.value(u"Point_No"_s) == u"47662"_s) tokyo = row;
            if (row.value(u"Point_No"_s) == u"47936"_s) naha = row;
        }
    }
    void show(const data::ClimateRow& row) {
        w.Label20.setCaption(row.value(u"latitude"_s));
        w.Label21.setCaption(row.value(u"longitude"_s));
        w.Label22.setCaption(row.value(u"P_High"_s));
        QStringList t, p;
        for (int i = 1; i <= 13; ++i) {
            t << row.value(data::ondoField(i));
            p << row.value(data::rainField(i));
        }
        w.show(t, p);
    }

    testing_support::FakeServices services;
    data::ClimateRow tokyo, naha;
    testing_support::ChartForm w;
};

TEST_F(ValueTableColoursTest, CellsTakeTheirBandsAndTheYearItsAnnualBand) {
    tokyo[u"Ondo_1"_s] = u"-25.0"_s;
    tokyo[u"Rain_1"_s] = u"700.0"_s;
    tokyo[u"Rain_13"_s] = u"1200.0"_s;
    show(tokyo);
    EXPECT_EQ(w.Label2(1).BackColor(), 0xFFFF00u);
    EXPECT_EQ(w.Label2(1).ForeColor(), 0xC00000u);
    EXPECT_EQ(w.Label3(1).BackColor(), 0xFFFF00u);
    EXPECT_EQ(w.Label3(1).ForeColor(), 0x800000u);
    EXPECT_EQ(w.Label2(13).BackColor(), 0x90FFFFu) << "15.8 °C";
    EXPECT_EQ(w.Label3(13).BackColor(), 0x90FF90u);
    EXPECT_EQ(w.Label3(13).ForeColor(), 0x4000u);
    EXPECT_EQ(w.Label20.BackColor(), 0xFFFF80u);
    EXPECT_EQ(w.Label21.BackColor(), 0xC0FFC0u);
    EXPECT_EQ(w.Label22.BackColor(), 0x80FFFFu) << "25 m";
    EXPECT_FLOAT_EQ(w.state.Kion_Val[13], 15.8f);
    EXPECT_EQ(w.state.Lat_Letter, u"N"_s);
    EXPECT_EQ(w.state.Lon_Letter, u"E"_s);
    EXPECT_EQ(w.state.High_Text, u"25"_s);
}

TEST_F(ValueTableColoursTest, NoTextColourOfAnEarlierRowSurvives) {
    tokyo[u"Ondo_1"_s] = u"-25.0"_s;
    show(tokyo);
    ASSERT_EQ(w.Label2(1).ForeColor(), 0xC00000u);
    show(naha);
    EXPECT_EQ(w.Label2(1).ForeColor(), 0xC0u);
    EXPECT_EQ(w.Label3(1).ForeColor(), 0x4000u);
}

TEST_F(ValueTableColoursTest, MissingValuesKeepTheCellsDesignColours) {
    show(tokyo);
    tokyo[u"Ondo_4"_s] = u"×"_s;
    tokyo[u"Rain_6"_s] = QString();
    show(tokyo);
    EXPECT_EQ(w.Label2(4).BackColor(), 0xFFFFFFu);
    EXPECT_EQ(w.Label2(4).ForeColor(), 0xC0u);
    EXPECT_EQ(w.Label3(6).BackColor(), 0xFFFFFFu);
    EXPECT_EQ(w.Label3(4).BackColor(), 0x90FF90u) << "April's precipitation is coloured by its own value";
}

}  // namespace
