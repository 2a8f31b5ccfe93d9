#pragma once
// The month-number position tool: nudges one month number of its chart window at a time,
// 30 twips a step, so that a number that covers a line can be moved clear before the
// chart is printed or captured. Each chart window that has one gets its own tool class
// (Form57 for the hythergraph main window, Form56 for the two-graph window), all of one
// design and one behaviour.

#include "platform/forms/Form.h"
#include "windows/MonthNumbers.h"
#include "windows/Navigation.h"

namespace extras {

class MonthNumberTool : public forms::Form {
public:
    static forms::FormDesign design(const QString& name);
    static constexpr int kStep = 30;  // twips

    void Form_Load() override;
    void Option_Click(int month);
    void SpinButton1_SpinUp();
    void SpinButton1_SpinDown();
    void SpinButton2_SpinUp();
    void SpinButton2_SpinDown();
    // Hands the positions of all twelve numbers to the owner window.
    void tuki_Position();

    int Tuki_No = 1;  // the month whose number the spinners move

    forms::SpinButton& SpinButton1{control<forms::SpinButton>(QStringLiteral("SpinButton1"))};
    forms::SpinButton& SpinButton2{control<forms::SpinButton>(QStringLiteral("SpinButton2"))};
    forms::OptionButton& option(int month) const;

protected:
    MonthNumberTool(const QString& name, windows::Window owner);

private:
    // The owner window, when it is loaded; the tool never loads it.
    windows::MonthNumberOwner* owner() const;
    void move(double dx, double dy);
    windows::Window owner_;
};

// Moves the month numbers of the hythergraph main window.
class Form57 final : public MonthNumberTool {
public:
    Form57();
};

// Moves the month numbers of the two-graph window's hythergraph.
class Form56 final : public MonthNumberTool {
public:
    Form56();
};

}  // namespace extras
