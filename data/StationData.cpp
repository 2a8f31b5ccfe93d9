#include "data/StationData.h"

#include "data/ClimateDb.h"
#include "platform/forms/Text.h"

using namespace Qt::Literals::StringLiterals;

namespace data {

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

}  // namespace data
