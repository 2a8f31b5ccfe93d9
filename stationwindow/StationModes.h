#pragma once
// The two ways a station chart window shows a station, its normal values or one of its
// years: opening, looking up, binding and finding its records, the switch between the two
// (the 平年値 box) and the steps through the rows and the years (the spin button). Every
// station chart window does these alike, by the names its design gives the controls; its
// data objects and what it draws are its own.

#include "data/Catalogue.h"
#include "data/StationData.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

#include <QString>

#include <memory>
#include <optional>

namespace stationwindow {

using data::RecordLabels;
using data::Station_Ref;
using data::StationYears;

// What a window does its own way when its mode switches or it steps.
class StationModeWindow {
public:
    virtual ~StationModeWindow() = default;
    // The station a caption names; windows differ in the names they accept.
    virtual const Station_Ref& stationNamed(const QString& caption) const = 0;
    // The area cell, with its caption in a size that fits.
    virtual void setArea(const QString& area) = 0;
    // The row shown found again and everything drawn: after a switch and a year step.
    virtual void redraw() = 0;
    // The current normal-values row drawn: after a step through the rows.
    virtual void drawRow() = 0;
    // Before a step, and at its end before the focus goes back to the spin button.
    virtual void stepStarting() {}
    virtual void stepEnding() {}
};

class StationModes {
public:
    // The window's data objects and what it looked up last: opened, replaced and set
    // here, read by the window's drawing.
    struct Records {
        std::shared_ptr<ado::Connection>& normalsConnection;
        std::shared_ptr<ado::Recordset>& normals;
        std::shared_ptr<ado::Connection>& yearsConnection;
        std::shared_ptr<ado::Recordset>& years;
        int& stationNumber;
        QString& stationTable;
        QString& findKey;  // the last search
    };
    struct Labels {
        RecordLabels record;  // where the rows' areas are bound
        QString areaCell;     // the area cell shown
        QString tableCell;    // where the looked-up table is named; empty for nowhere
    };
    // choiceYear: the year the window stands on with normal values.
    StationModes(const forms::Form& form, StationModeWindow& window, const Records& records, Labels labels, int choiceYear,
                 bool focusModeBoxAfterStep = true);

    // As the window starts: the normal values of every station and 東京's years opened,
    // 東京's normal values bound.
    void openAtStart();
    // The station the name label names: its number, table and region.
    void lookUp();
    // The rows of the mode shown bound to the window's labels: the looked-up station's
    // normal-values row, or the station's years, opened (or taken from the last switch)
    // before the window's objects are replaced.
    void bind();
    // The row of the station (normal values) or of the year (single years) made current;
    // none found leaves the recordset after its last row, so the cells stay empty.
    void find();

    // The 平年値 box's Click.
    void switchMode();
    // The 平年値 box ticked or cleared for a station a picker hands over, which the picker
    // then looks up, binds and draws: a change switches the mode's tags only.
    void handOver(bool normalValues);
    // The spin button's SpinUp (+1) and SpinDown (-1).
    void step(int by);

    // True while the window itself changes 平年値 or 累積表示: their Clicks must not act.
    bool reverting() const { return reverting_; }

private:
    StationYears openYears(const QString& regionCaption, const QString& table) const;
    void bindNormalValues();
    void bindYearLabels(bool nameAndYear);
    QString stationForSwitch() const;
    void showMode(int mode);
    bool atFirstYear() const;
    void stepEnd();

    const forms::Form& form_;
    StationModeWindow& window_;
    Records records_;
    Labels labels_;
    int choiceYear_;
    bool focusModeBoxAfterStep_;
    forms::Label& mode_;  // 平年値 or 各年値
    forms::Label& year_;
    forms::Label& yearsPiled_;  // the years 累積表示 has piled up
    forms::Label& station_;
    forms::Label& boundStation_;
    forms::Label& boundId_;
    forms::Label& normalsArea_;  // the areas bound to the two kinds of row
    forms::Label& yearsArea_;
    forms::Label& area_;
    forms::Label& region_;
    forms::CheckBox& normalValues_;
    forms::FormsCheckBox& cumulative_;
    forms::SpinButton& spin_;
    std::optional<StationYears> prepared_;  // opened by the mode switch for the binding
    int firstYear_ = 0;
    bool reverting_ = false;
    bool handingOver_ = false;
};

}  // namespace stationwindow
