#pragma once
// A station chart window as a picker sees it, recording what the picker does to it in
// order: each call with whether the owner was busy and whether the picker was still
// there. Like a chart window, it runs its switch to normal values when its 平年値 box is
// ticked from code, and that switch names the station of its current record.

#include "pickers/StationOwner.h"
#include "platform/forms/Design.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace testing_support {

class RecordingOwner : public forms::Form, public pickers::StationOwner {
public:
    struct Call {
        QString what;
        bool ownerBusy;
        bool pickerLoaded;
    };

    explicit RecordingOwner(const QString& name = QStringLiteral("Owner")) : Form(forms::plainDesign(name, name)) {}

    std::vector<Call> calls;
    // Whether the picker is there, noted with each call.
    std::function<bool()> pickerLoaded = [] { return false; };

    // The owner's state as the calls leave it.
    QString stationName = QStringLiteral("東京");  // Label29
    double pointSize = 24;
    QString recordStation = QStringLiteral("東京");  // the station of the current record
    bool normalValues = true;
    bool normalValuesEnabled = true;
    int region = 3;
    std::shared_ptr<ado::Connection> connection;
    bool tookRecordset = false;

    QStringList callNames() const {
        QStringList names;
        for (const auto& c : calls) names << c.what;
        return names;
    }

    forms::Form& ownerForm() override { return *this; }
    bool showsNormalValues() const override { return normalValues; }
    void setStationName(const QString& name, double size) override {
        record(QStringLiteral("setStationName ") + name + (size > 0 ? QStringLiteral(" ") + QString::number(size) : QString()));
        stationName = name;
        if (size > 0) pointSize = size;
    }
    void takeStationData(std::shared_ptr<ado::Connection> c, std::shared_ptr<ado::Recordset> rs) override {
        record(QStringLiteral("takeStationData"));
        connection = std::move(c);
        tookRecordset = rs != nullptr;
    }
    void resetForNewStation() override { record(QStringLiteral("resetForNewStation")); }
    void setRegion(int r) override {
        record(QStringLiteral("setRegion ") + QString::number(r));
        region = r;
    }
    void setNormalValues(bool on) override {
        record(QStringLiteral("setNormalValues ") + QString::number(on ? 1 : 0));
        if (on == normalValues) return;
        normalValues = on;
        record(QStringLiteral("Check2_Click"));
        stationName = recordStation;
    }
    void setNormalValuesEnabled(bool enabled) override {
        record(QStringLiteral("setNormalValuesEnabled ") + QString::number(enabled ? 1 : 0));
        normalValuesEnabled = enabled;
    }
    void Command1_Click() override { record(QStringLiteral("Command1_Click")); }
    void Heinen_Name() override { record(QStringLiteral("Heinen_Name")); }
    void DB_conect() override { record(QStringLiteral("DB_conect")); }
    void Hyouji() override {
        record(QStringLiteral("Hyouji"));
        recordStation = stationName;
    }
    void Hyouji_Hyther() override { record(QStringLiteral("Hyouji_Hyther")); }
    void Kion_Color() override { record(QStringLiteral("Kion_Color")); }

private:
    void record(const QString& what) { calls.push_back({what, busy(), pickerLoaded()}); }
};

}  // namespace testing_support
