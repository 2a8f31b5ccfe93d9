#include "hythergraph/Hyser_Main.h"

namespace hythergraph {

// Closing this window, or its 終了, ends the program.
Hyser_Main::Hyser_Main() : HythergraphWindow(design(), windows::Family::Hythergraph, true, 12) {}

}  // namespace hythergraph
