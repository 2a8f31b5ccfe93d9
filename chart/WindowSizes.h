#pragma once
// The sizes a chart window offers in its options menu: 標準画面 (12000 x 8835 twips above
// the centre of the screen), 横幅最大 (the screen's width) and 縦長最大 (11055 twips high
// from the top). None makes the window larger than the screen or puts it off its top left.

#include "platform/forms/Form.h"

namespace chart {

enum class ChartWindowSize { Standard, Wide, Tall };

// Sizes and places the window, and ticks the menu item of the size among the size items
// the window's menu has.
void sizeChartWindow(forms::Form& w, ChartWindowSize size);

}  // namespace chart
