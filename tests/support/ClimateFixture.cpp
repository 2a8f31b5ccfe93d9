#include "tests/support/ClimateFixture.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <stdexcept>

using namespace Qt::Literals::StringLiterals;

namespace testing_support {

const std::vector<data::ClimateRow>& committedNormals() {
    static const auto rows = data::readClimateCsv(QStringLiteral(TAVRIN_SOURCE_DIR "/data/climate/normals.csv"));
    return rows;
}

const std::vector<data::ClimateRow>& committedYears() {
    static const auto rows = data::readClimateCsv(QStringLiteral(TAVRIN_SOURCE_DIR "/data/climate/years.csv"));
    return rows;
}

ClimateFixture::ClimateFixture(std::initializer_list<int> stations) {
    const auto wanted = [&](const data::ClimateRow& r) {
        const int n = r.value(u"Point_No"_s).toInt();
        return std::find(stations.begin(), stations.end(), n) != stations.end();
    };
    for (const auto& r : committedNormals()) {
        if (wanted(r)) normals.push_back(r);
    }
    for (const auto& r : committedYears()) {
        if (wanted(r)) years.push_back(r);
    }
}

ClimateFixture::ClimateFixture(All) : normals(committedNormals()), years(committedYears()) {}

ClimateFixture ClimateFixture::allStations() { return ClimateFixture(All{}); }

void ClimateFixture::copyMaps() {
    const QDir source(QStringLiteral(TAVRIN_SOURCE_DIR "/pickers/W_GIF"));
    QDir(folder()).mkpath(u"W_GIF"_s);
    for (const QString& name : source.entryList({u"*.gif"_s}, QDir::Files)) {
        QFile::copy(source.filePath(name), QDir(folder()).filePath(u"W_GIF/"_s + name));
    }
}

data::ClimateRow& ClimateFixture::normalsRow(int number) {
    for (auto& r : normals) {
        if (r.value(u"Point_No"_s).toInt() == number) return r;
    }
    throw std::logic_error("no normals row for that station in the fixture");
}

data::ClimateRow& ClimateFixture::yearRow(int number, int year) {
    for (auto& r : years) {
        if (r.value(u"Point_No"_s).toInt() == number && r.value(u"nen"_s).toInt() == year) return r;
    }
    throw std::logic_error("no year row for that station in the fixture");
}

data::ClimateRow& ClimateFixture::addNormals(const data::ClimateRow& row) {
    const int n = row.value(u"Point_No"_s).toInt();
    auto at = std::find_if(normals.begin(), normals.end(), [n](const data::ClimateRow& r) { return r.value(u"Point_No"_s).toInt() > n; });
    return *normals.insert(at, row);
}

QString ClimateFixture::build() {
    data::buildClimateDatabases(folder(), normals, years);
    return folder();
}

}  // namespace testing_support
