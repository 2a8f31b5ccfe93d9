#pragma once
// The looks of a window laid out as the hythergraph main window is (the main and the
// step-mode windows): its grounds (白地, 淡地) and its two screens (白黒画面, カラー画面),
// applied to the controls the two windows share by name. The chart itself is redrawn by
// the window.

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

}  // namespace chart
