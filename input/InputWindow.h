#pragma once
// What the two own-town input windows share: a value table of text boxes the user fills
// in (place, year, country, twelve months and the year, latitude, longitude, elevation),
// the check of each month box as the user leaves it, the clear, the point sizes, the
// looks, printing and the capture without the buttons. Each window draws its own chart
// (a hythergraph or a climograph) through the chart engine and keeps its own scale,
// point size and marker offsets; neither reads nor changes another window's.

#include "chart/InputChart.h"
#include "platform/forms/Form.h"
#include "windows/Navigation.h"

#include <memory>
#include <optional>

namespace chart {
class CScreenCapture;
}

namespace input {

class InputWindow : public forms::Form {
public:
    ~InputWindow() override;

    // Events.
    void Form_Load() override;
    void Form_end_Click();
    void Text3_LostFocus(int index);
    void Text4_LostFocus(int index);
    void Command2_Click();
    void Command1_Click();
    void Command1_GotFocus();
    void clear_suuji_Click();
    void CheckBox3_Change();
    virtual void CheckBox4_Click() = 0;
    void Yo_tatenaga_Max_Click();
    void Yokohaba_defolt_Click();

    // Looks and printing.
    void View_White_Click();
    void View_gray_Click();
    void View_BKWT_Click();
    void View_Color_Click();
    void Print_White_Click();
    void Print_Black_White_Click();
    void Print_Gray_Click();

    // Capture.
    void Cap_White_Click();
    void Cap_Gray_Click();
    void Make_Folda();
    QString Cap_File;
    QString Cap_Folder;
    std::unique_ptr<chart::CScreenCapture> Screen_Cap;

    // Drawing: the window's own chart.
    virtual void Line_Set() = 0;
    virtual void Line_Set_BW() = 0;
    virtual void Line_Reset() = 0;
    void Kion_Color();

    // The controls both windows have.
    forms::TextBox& Text1{control<forms::TextBox>(QStringLiteral("Text1"))};
    forms::TextBox& Text2{control<forms::TextBox>(QStringLiteral("Text2"))};
    forms::TextBox& Text8{control<forms::TextBox>(QStringLiteral("Text8"))};
    forms::TextBox& Text5{control<forms::TextBox>(QStringLiteral("Text5"))};
    forms::TextBox& Text6{control<forms::TextBox>(QStringLiteral("Text6"))};
    forms::TextBox& Text7{control<forms::TextBox>(QStringLiteral("Text7"))};
    forms::ControlArray<forms::TextBox> Text3{controls<forms::TextBox>(QStringLiteral("Text3"))};
    forms::ControlArray<forms::TextBox> Text4{controls<forms::TextBox>(QStringLiteral("Text4"))};
    forms::CommandButton& Command1{control<forms::CommandButton>(QStringLiteral("Command1"))};
    forms::CommandButton& Command2{control<forms::CommandButton>(QStringLiteral("Command2"))};
    forms::FormsCheckBox& CheckBox3{control<forms::FormsCheckBox>(QStringLiteral("CheckBox3"))};
    forms::FormsCheckBox& CheckBox4{control<forms::FormsCheckBox>(QStringLiteral("CheckBox4"))};
    forms::Label& Label5{control<forms::Label>(QStringLiteral("Label5"))};
    forms::Label& Label6{control<forms::Label>(QStringLiteral("Label6"))};
    forms::Label& Label7{control<forms::Label>(QStringLiteral("Label7"))};
    forms::Label& Label8{control<forms::Label>(QStringLiteral("Label8"))};
    forms::Label& Label9{control<forms::Label>(QStringLiteral("Label9"))};
    forms::Label& Label10{control<forms::Label>(QStringLiteral("Label10"))};
    forms::Label& Label11{control<forms::Label>(QStringLiteral("Label11"))};
    forms::Label& Label14{control<forms::Label>(QStringLiteral("Label14"))};
    forms::Label& Label19{control<forms::Label>(QStringLiteral("Label19"))};
    forms::Label& Label23{control<forms::Label>(QStringLiteral("Label23"))};
    forms::Label& Label24{control<forms::Label>(QStringLiteral("Label24"))};
    forms::Label& Label25{control<forms::Label>(QStringLiteral("Label25"))};
    forms::Label& Label26{control<forms::Label>(QStringLiteral("Label26"))};
    forms::Label& Label27{control<forms::Label>(QStringLiteral("Label27"))};
    forms::ControlArray<forms::Label> Label12{controls<forms::Label>(QStringLiteral("Label12"))};
    forms::ControlArray<forms::Label> Label13{controls<forms::Label>(QStringLiteral("Label13"))};
    forms::ControlArray<forms::Label> lblLabels{controls<forms::Label>(QStringLiteral("lblLabels"))};
    forms::ControlArray<forms::Label> Label28{controls<forms::Label>(QStringLiteral("Label28"))};
    forms::ControlArray<forms::Shape> Shape3{controls<forms::Shape>(QStringLiteral("Shape3"))};
    forms::ControlArray<forms::Line> Line11{controls<forms::Line>(QStringLiteral("Line11"))};

    chart::InputBoxes boxes{Text3, Text4, Text5, Text6, Text7};

protected:
    // What differs between the two windows beyond their designs and drawings.
    struct Traits {
        windows::Window databaseWindow;                // データベースモード: the station window of the same chart
        windows::Window otherChart;                    // the station window of the other chart
        QString captureSuffix;                         // "_Hyser_In.bmp", "_Uonz_In.bmp"
        std::optional<forms::Color> yearBackInColour;  // the year box in the colour look
        forms::Color yearForeInColour;
    };
    InputWindow(forms::FormDesign design, Traits traits);

    // The window's own state as its load step sets it.
    virtual void startState() = 0;
    // The full drawing of the window's chart from the boxes (Hyouji_..._Input).
    virtual void drawChart() = 0;
    // The window's own point size and marker offsets.
    virtual void setPointSize(int width, double dx, double dy, double size) = 0;
    // Controls of one window only that the looks recolour.
    virtual void paintBlackAndWhite() {}
    virtual void paintColour() {}
    virtual void paintBackground(forms::Color) {}
    // What the colour look redraws after recolouring.
    virtual void redrawInColour() = 0;

    // The redraw sequence: clear, the window's drawing, the box colours.
    void redraw();
    // Puts the check mark on one point-size item, sets the size and redraws without clearing.
    void pointSize(const QString& item, int width, double dx, double dy, double size);
    // The window's capture into CAP/<place>/<place><year><suffix>.
    void captureWindow();
    // Puts the check mark on one window-size item.

private:
    void wire();
    void checkMonthBox(forms::TextBox& box);
    void showAsRead(forms::TextBox& box);
    void markFailedBoxes();
    void setBackground(forms::Color c);
    void showWithout(void (InputWindow::*look)());
    void print();

    Traits traits_;
    bool returningFocus_ = false;  // the check is moving the focus back to a box
    bool capturesBesideProgram_ = true;
};

}  // namespace input
