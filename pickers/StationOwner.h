#pragma once
// What a station picker uses of the chart window it belongs to: the controls it writes,
// the station connection and recordset it replaces, and the operations it runs once a
// station is chosen. Every station chart window offers the same surface.

#include "platform/ado/Ado.h"
#include "platform/forms/Form.h"

#include <memory>

namespace pickers {

class StationOwner {
public:
    virtual ~StationOwner() = default;

    virtual forms::Form& ownerForm() = 0;
    virtual forms::Label& stationNameLabel() = 0;                       // Label29
    virtual forms::Label& yearLabel() = 0;                              // Label4
    virtual forms::Label& outOfFrameLabel() = 0;                        // Label15
    virtual forms::Label& stepCountLabel() = 0;                         // Label16
    virtual forms::Label& regionLabel() = 0;                            // Label46
    virtual forms::CheckBox& normalValuesBox() = 0;                     // Check2 (平年値)
    virtual std::shared_ptr<ado::Connection>& stationConnection() = 0;  // Hyser_Cn
    virtual std::shared_ptr<ado::Recordset>& stationRecordset() = 0;    // Hyser_Rs
    virtual int& monthNumbersMoved() = 0;                               // tuki_Moved

    virtual void Command1_Click() = 0;
    virtual void Heinen_Name() = 0;
    virtual void DB_conect() = 0;
    virtual void Hyouji() = 0;
    virtual void Hyouji_Hyther() = 0;
    virtual void Kion_Color() = 0;
};

}  // namespace pickers
