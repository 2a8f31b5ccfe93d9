#include "chart/AreaCell.h"

#include "platform/forms/Controls.h"

using namespace Qt::Literals::StringLiterals;

namespace chart {

double areaFontSize(const QString& area, const forms::FontDesign& font, double cellWidth) {
    constexpr double kInset = 60;       // the border and two pixels of air, both sides
    constexpr double kOnePixel = 0.75;  // points
    constexpr double kSmallest = 8;
    forms::FontDesign f = font;
    f.size = area == u"パプアニューギニア"_s || area == u"トリニダード・トバゴ"_s ? 18 : 20;
    while (f.size - kOnePixel >= kSmallest && forms::textWidthTwips(f, area) > cellWidth - kInset) f.size -= kOnePixel;
    return f.size;
}

void showArea(forms::Label& cell, const QString& area) {
    cell.setCaption(area);
    cell.setFontSize(areaFontSize(area, cell.Font(), cell.Width()));
}

}  // namespace chart
