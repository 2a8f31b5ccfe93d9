#pragma once
// The looks of a window laid out as the hythergraph main window is (the main and the
// step-mode windows): its grounds (白地, 淡地) and its two screens (白黒画面, カラー画面),
// applied to the controls the two windows share by name, and their chart options. The
// chart itself is redrawn by the window.

#include "chart/Hythergraph.h"
#include "platform/forms/Form.h"

namespace chart {

// A new background colour wipes the drawing surface; the looks, print and capture items
// only recolour, so the years piled up by 累積表示 come back as they were drawn.
void setBackColorKeepingChart(forms::Form& w, forms::Color c);

// The background and the controls standing on it.
void hythergraphGround(forms::Form& w, forms::Color c);

// 白黒画面: white grounds and text-coloured writing.
void hythergraphBlackAndWhite(forms::Form& w);

// カラー画面: the pale ground and each control's own colours.
void hythergraphColours(forms::Form& w);

// 月表示: the month numbers beside the points shown or hidden.
void showMonthNumbers(forms::Form& w, bool shown);

// 目盛変更: the precipitation axis at 50 mm a line instead of 100, and the scales that
// go with it; the drawing surface is wiped.
void changePrecipitationScale(forms::Form& w, HytherState& state, bool changed);

// The four point sizes of the オプション menu: the pen, the markers' offsets and size,
// and the item ticked.
enum class PointSize { VeryBig, Big, Mid, Mini };
void setPointSize(forms::Form& w, HytherState& state, PointSize size);

}  // namespace chart
