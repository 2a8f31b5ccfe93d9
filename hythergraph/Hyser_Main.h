#pragma once
// The hythergraph main window: the first window of the program. It shows a station's
// normal values or one of its years as a value table beside the hythergraph, and leads
// to every other window through its menus. Its chart and data state are its own.

#include "stationwindow/HythergraphWindow.h"
#include "windows/MonthNumbers.h"

namespace hythergraph {

class Hyser_Main : public stationwindow::HythergraphWindow, public windows::MonthNumberOwner {
public:
    Hyser_Main();

    static forms::FormDesign design();
    static std::vector<forms::MenuDesign> menuTree();

    windows::MonthNumberPositions Tuki_Positions;  // where the month-number tool left them

    // What the month-number tool uses of this window.
    forms::Form& ownerForm() override { return *this; }
    forms::Label& monthNumber(int month) override { return Label28(month); }
    void clearMonthNumbersMoved() override { tuki_Moved = 0; }
    void monthNumbersMoved(const windows::MonthNumberPositions& positions) override {
        tuki_Moved = 1;
        Tuki_Positions = positions;
    }
};

}  // namespace hythergraph
