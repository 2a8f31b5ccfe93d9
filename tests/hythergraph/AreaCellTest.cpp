// The main window's area cell: every area name of the data shows whole as the spin
// button steps to it.
#include "platform/forms/Controls.h"
#include "tests/hythergraph/MainWindowFixture.h"

#include <set>

using namespace hythergraph;
using namespace Qt::Literals::StringLiterals;

namespace {

class AreaCellTest : public testing_support::MainWindowFixture {
protected:
    AreaCellTest() : MainWindowFixture(true) {}
};

TEST_F(AreaCellTest, EveryAreaOfTheNormalValuesFitsItsCellWhenSteppedTo) {
    Hyser_Main& w = start();
    std::set<QString> seen;
    const auto fits = [&w] { return forms::textWidthTwips(w.Label53.Font(), w.Label53.Caption()) <= w.Label53.Width() - 60; };
    // Stepping through the normal-values table shows every station's area in turn.
    for (std::size_t i = 0; i < fixture.normals.size() + 1; ++i) {
        w.SpinButton1.spinUp();
        const QString area = w.Label53.Caption();
        if (area.isEmpty() || !seen.insert(area).second) continue;
        SCOPED_TRACE(area.toStdString());
        EXPECT_TRUE(fits()) << w.Label53.Font().size << " pt";
    }
    EXPECT_TRUE(seen.contains(u"アラブ首長国連邦"_s));
    EXPECT_TRUE(seen.contains(u"コートジボワール"_s));
    EXPECT_GT(seen.size(), 40u);
}

}  // namespace
