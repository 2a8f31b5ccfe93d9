#include "data/StationData.h"

#include "data/ClimateDb.h"
#include "platform/forms/Text.h"

using namespace Qt::Literals::StringLiterals;

namespace data {

NormalValues openNormalValues() {
    NormalValues normals;
    normals.connection = std::make_shared<ado::Connection>();
    normals.connection->ConnectionString = connectionString(kNormalsRegion);
    normals.connection->Open(QString(), QString(), QString(), -1);
    normals.recordset = std::make_shared<ado::Recordset>();
    normals.recordset->Open(kNormalsTable, normals.connection, ado::adOpenStatic, -1, -1);
    return normals;
}

StationYears openStationYears(const QString& regionCaption, const QString& table, const std::shared_ptr<ado::Connection>& current) {
    StationYears years;
    years.connection = current;
    for (int region = 1; region <= kRegionCount; ++region) {
        if (regionCaption == QString::number(region)) {
            years.connection = std::make_shared<ado::Connection>();
            years.connection->ConnectionString = connectionString(region);
            years.connection->Open(QString(), QString(), QString(), -1);
            break;
        }
    }
    years.recordset = std::make_shared<ado::Recordset>();
    years.recordset->Open(table, years.connection, ado::adOpenStatic, -1, -1);
    if (years.recordset->RecordCount() > 0) {
        years.recordset->MoveFirst();
        years.firstYear = forms::truncateToInt(forms::Val(years.recordset->Fields(u"nen"_s)));
    }
    years.table = table;
    return years;
}

void bindFields(const std::shared_ptr<ado::Recordset>& rs, std::initializer_list<std::pair<forms::Label*, QString>> fields,
                const forms::ControlArray<forms::Label>& ondo, const forms::ControlArray<forms::Label>& rain) {
    for (const auto& [label, field] : fields) {
        label->setDataSource(rs);
        label->setDataField(field);
    }
    for (int i = 1; i <= 13; ++i) {
        ondo(i).setDataSource(rs);
        rain(i).setDataSource(rs);
        ondo(i).setDataField(ondoField(i));
        rain(i).setDataField(rainField(i));
    }
}

namespace {

using forms::ControlArray;
using forms::Label;

// Copies the months and the position of the bound labels into the window's cells.
void copyToCells(const forms::Form& w, const QString& ondo, const QString& rain, const QString& latitude, const QString& longitude,
                 const QString& elevation) {
    const ControlArray<Label> fromOndo = w.controls<Label>(ondo);
    const ControlArray<Label> fromRain = w.controls<Label>(rain);
    const ControlArray<Label> toOndo = w.controls<Label>(u"Label2"_s);
    const ControlArray<Label> toRain = w.controls<Label>(u"Label3"_s);
    for (int i = 1; i <= 13; ++i) {
        toOndo(i).setCaption(fromOndo(i).Caption());
        toRain(i).setCaption(fromRain(i).Caption());
    }
    w.control<Label>(u"Label20"_s).setCaption(w.control<Label>(latitude).Caption());
    w.control<Label>(u"Label21"_s).setCaption(w.control<Label>(longitude).Caption());
    w.control<Label>(u"Label22"_s).setCaption(w.control<Label>(elevation).Caption());
}

Label* label(const forms::Form& w, const QString& name) { return &w.control<Label>(name); }

}  // namespace

void bindNormalValues(const forms::Form& w, const std::shared_ptr<ado::Recordset>& rs, const RecordLabels& labels) {
    bindFields(rs,
               {{label(w, u"Label36"_s), u"spot"_s},
                {label(w, u"Label1"_s), u"nen"_s},
                {label(w, u"Label32"_s), u"latitude"_s},
                {label(w, u"Label33"_s), u"longitude"_s},
                {label(w, u"Label34"_s), u"P_High"_s},
                {label(w, labels.normalsArea), u"area"_s}},
               w.controls<Label>(u"Label30"_s), w.controls<Label>(u"Label31"_s));
    copyToCells(w, u"Label30"_s, u"Label31"_s, u"Label32"_s, u"Label33"_s, u"Label34"_s);
}

void bindYearLabels(const forms::Form& w, const std::shared_ptr<ado::Recordset>& rs, const RecordLabels& labels, bool nameAndYear) {
    const ControlArray<Label> ondo = w.controls<Label>(u"Label40"_s);
    const ControlArray<Label> rain = w.controls<Label>(u"Label41"_s);
    bindFields(rs,
               {{label(w, u"Label39"_s), u"ID"_s},
                {label(w, u"Label42"_s), u"latitude"_s},
                {label(w, u"Label43"_s), u"longitude"_s},
                {label(w, u"Label44"_s), u"P_High"_s},
                {label(w, u"Label47"_s), u"TS"_s},
                {label(w, u"Label48"_s), u"KS"_s},
                {label(w, labels.yearsArea), u"area"_s}},
               ondo, rain);
    if (nameAndYear) bindFields(rs, {{label(w, u"Label36"_s), u"spot"_s}, {label(w, u"Label1"_s), u"nen"_s}}, ondo, rain);
}

void showYearInCells(const forms::Form& w) { copyToCells(w, u"Label40"_s, u"Label41"_s, u"Label42"_s, u"Label43"_s, u"Label44"_s); }

}  // namespace data
