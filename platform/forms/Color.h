#pragma once
// Colours are written as the designs write them: &HBBGGRR (blue in the high byte).
// Two system colours appear in the designs; any other value with a non-zero top byte
// (January's plotting colour &H11111111) keeps only its low three bytes.

#include <cstdint>

class QColor;

namespace forms {

using Color = std::uint32_t;

inline constexpr Color kSysButtonText = 0x80000012;  // button text
inline constexpr Color kSysWindow = 0x80000005;      // window background
inline constexpr Color kSysButtonFace = 0x8000000F;  // button face
inline constexpr Color kSysWindowText = 0x80000008;  // window text

// The colour a value stands for, as red, green and blue.
QColor toQColor(Color c);

}  // namespace forms
