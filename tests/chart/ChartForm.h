#pragma once
// A small window with the controls the chart engine reads and moves, by the names the
// chart windows give them, and the chart state a hythergraph window keeps: what the
// engine's tests draw on instead of a whole chart window.

#include "chart/Hythergraph.h"
#include "platform/forms/Form.h"

#include <QString>
#include <QStringList>

namespace testing_support {

inline forms::FormDesign chartFormDesign() {
    using namespace forms;
    FormDesign d;
    d.name = QStringLiteral("ChartProbe");
    d.clientWidth = 14700;
    d.clientHeight = 8145;
    d.backColor = 0xE4EFEF;
    auto& c = d.controls;
    c.push_back(drawingSurface());
    for (int i = 1; i <= 13; ++i) {
        c.push_back(label(QStringLiteral("Label2"), 1035, 1400 + 420 * i, 990, 420).at(i).back(0xFFFFFF).fore(0xC0).font(15.75, true));
        c.push_back(label(QStringLiteral("Label3"), 2040, 1400 + 420 * i, 1110, 420).at(i).back(0xFFFFFF).fore(0x4000).font(15.75, true));
    }
    // The values a row binds to, hidden far right as in the windows.
    for (int i = 1; i <= 13; ++i) {
        c.push_back(label(QStringLiteral("Label30"), 30000, 300 * i, 600, 255).at(i).hidden());
        c.push_back(label(QStringLiteral("Label31"), 30600, 300 * i, 600, 255).at(i).hidden());
    }
    for (int i = 1; i <= 12; ++i) c.push_back(line(QStringLiteral("Line11"), 12330, 300 + 150 * i, 13410, 300 + 150 * i).at(i));
    for (int i = 1; i <= 12; ++i) c.push_back(shape(QStringLiteral("Shape3"), 30000, 0, 90, 90).at(i).fill(0x80FF80));
    for (int i = 1; i <= 13; ++i) {
        auto n = label(QStringLiteral("Label28"), 13500, 300 * i, 300, 255).at(i).caption_(QString::number(i));
        if (i == 13) n.hidden();
        c.push_back(n);
    }
    c.push_back(label(QStringLiteral("Label15"), 12330, 2400, 600, 255).caption_(QStringLiteral("0")));
    c.push_back(label(QStringLiteral("Label20"), 750, 7050, 1170, 315).back(0x8080FF));
    c.push_back(label(QStringLiteral("Label21"), 1935, 7050, 465, 315).back(0x8080FF));
    c.push_back(label(QStringLiteral("Label22"), 2415, 7050, 780, 315).back(0xFFFF00));
    c.push_back(label(QStringLiteral("Label53"), 210, 780, 3075, 465).font(20.25));
    c.push_back(formsCheckBox(QStringLiteral("CheckBox1"), 10140, 30, 1245, 315));
    c.push_back(formsCheckBox(QStringLiteral("CheckBox3"), 10140, 570, 1215, 315).checked());
    return d;
}

// The window, with the hythergraph main window's scales, marker offsets and pen.
class ChartForm : public forms::Form {
public:
    ChartForm() : Form(chartFormDesign()) {
        setDrawWidth(6);
        state.Rain_Scale = 11;
        state.Temp_Scale = 110;
        state.Mark_DX = 45;
        state.Mark_DY = 30;
    }

    forms::ControlArray<forms::Label> Label2{controls<forms::Label>(QStringLiteral("Label2"))};
    forms::ControlArray<forms::Label> Label3{controls<forms::Label>(QStringLiteral("Label3"))};
    forms::ControlArray<forms::Label> Label30{controls<forms::Label>(QStringLiteral("Label30"))};
    forms::ControlArray<forms::Label> Label31{controls<forms::Label>(QStringLiteral("Label31"))};
    forms::ControlArray<forms::Label> Label28{controls<forms::Label>(QStringLiteral("Label28"))};
    forms::ControlArray<forms::Line> Line11{controls<forms::Line>(QStringLiteral("Line11"))};
    forms::ControlArray<forms::Shape> Shape3{controls<forms::Shape>(QStringLiteral("Shape3"))};
    forms::Label& Label15{control<forms::Label>(QStringLiteral("Label15"))};
    forms::Label& Label20{control<forms::Label>(QStringLiteral("Label20"))};
    forms::Label& Label21{control<forms::Label>(QStringLiteral("Label21"))};
    forms::Label& Label22{control<forms::Label>(QStringLiteral("Label22"))};
    forms::Label& Label53{control<forms::Label>(QStringLiteral("Label53"))};
    forms::FormsCheckBox& CheckBox1{control<forms::FormsCheckBox>(QStringLiteral("CheckBox1"))};
    forms::FormsCheckBox& CheckBox3{control<forms::FormsCheckBox>(QStringLiteral("CheckBox3"))};

    chart::HytherState state;
    static constexpr chart::HytherGeometry geometry{};
    chart::HytherControls hyther{*this, Label2, Label3, Label28, Line11, Shape3, Label15, CheckBox3, CheckBox1};
    chart::ValueTableControls valueTable{Label2, Label3, Label20, Label21, Label22};

    // A row of values shown as a chart window shows it: its cells filled from the values,
    // the months plotted and joined, the cells coloured.
    void show(const QStringList& temperatures, const QStringList& precipitation) {
        for (int i = 1; i <= 13; ++i) {
            Label30(i).setCaption(temperatures.value(i - 1));
            Label31(i).setCaption(precipitation.value(i - 1));
        }
        chart::fillValueTable(hyther, Label30, Label31);
        chart::plotMonths(hyther, state, geometry);
        chart::colourValueTable(valueTable, state);
    }

    // The points the drawing holds in one colour, in the order drawn.
    std::vector<forms::DrawOp> pointsIn(forms::Color colour) const {
        std::vector<forms::DrawOp> found;
        for (const forms::DrawOp& op : drawing()) {
            if (op.kind == forms::DrawOp::Point && op.color == colour) found.push_back(op);
        }
        return found;
    }
};

}  // namespace testing_support
