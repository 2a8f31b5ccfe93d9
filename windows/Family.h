#pragma once
// The station chart windows whose pickers and tools are their own, and how many regions
// each of their two files (日本ファイル, 世界ファイル) offers.

namespace windows {

enum class Family { Hythergraph, Climograph, TwoGraph, StepMode };

// Japan regions 1..7 (Hokkaido .. Okinawa) and world regions 1..7 (Europe .. Oceania).
inline constexpr int kRegions = 7;

}  // namespace windows
