#pragma once
// The two ways a station chart window shows a station, its normal values or one of its
// years: the switch between them (the 平年値 box) and the steps through the rows and the
// years (the spin button). Every station chart window does these alike, by the names its
// design gives the controls; what it draws, and where its area cell is, are its own.

#include "data/Catalogue.h"
#include "data/StationData.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

#include <QString>

#include <memory>
#include <optional>

namespace data {

// What a window does its own way when its mode switches or it steps.
class StationModeWindow {
public:
    virtual ~StationModeWindow() = default;
    // The station a caption names; windows differ in the names they accept.
    virtual const Station_Ref& stationNamed(const QString& caption) const = 0;
    // The station the window last looked up.
    virtual int lookedUpStation() const = 0;
    // Opens a station's table of years without binding it; throws when it cannot.
    virtual StationYears openYears(const QString& regionCaption, const QString& table) const = 0;
    virtual ado::Recordset& normalRows() = 0;
    virtual ado::Recordset& yearRows() = 0;
    // The year of the first row of the station's years.
    virtual int firstYear() const = 0;
    // The area cell, with its caption in a size that fits.
    virtual void setArea(const QString& area) = 0;
    // After a switch: the station looked up again, its rows bound, everything drawn.
    virtual void modeSwitched() = 0;
    // After a step to another normal-values row, and to another year.
    virtual void drawRow() = 0;
    virtual void drawYear() = 0;
    // Before a step, and at its end before the focus goes back to the spin button.
    virtual void stepStarting() {}
    virtual void stepEnding() {}
};

class StationModes {
public:
    struct Labels {
        RecordLabels record;  // where the rows' areas are bound
        QString areaCell;     // the area cell shown
    };
    // choiceYear: the year the window stands on with normal values.
    StationModes(const forms::Form& form, StationModeWindow& window, const Labels& labels, int choiceYear,
                 bool focusModeBoxAfterStep = true);

    // The 平年値 box's Click.
    void switchMode();
    // The spin button's SpinUp (+1) and SpinDown (-1).
    void step(int by);

    // True while the window itself changes 平年値 or 累積表示: their Clicks must not act.
    bool reverting() const { return reverting_; }
    // The years the last switch opened ahead, when they are the table's; otherwise the
    // table opened now. The window replaces its objects only with what this returns.
    StationYears takeYears(const QString& regionCaption, const QString& table);

private:
    QString stationForSwitch() const;
    bool atFirstYear() const;
    void stepEnd();

    StationModeWindow& window_;
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
    forms::CheckBox& normalValues_;
    forms::FormsCheckBox& cumulative_;
    forms::SpinButton& spin_;
    std::optional<StationYears> prepared_;
    bool reverting_ = false;
};

}  // namespace data
