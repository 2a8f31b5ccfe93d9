#include "data/ClimateDb.h"

#include "data/Catalogue.h"
#include "platform/ado/Ado.h"

#include <QDir>
#include <QFile>
#include <QTextStream>

#include <map>
#include <stdexcept>

using namespace Qt::Literals::StringLiterals;

namespace data {

const QString kNormalsTable = u"Heinenchi_Hyser_Data"_s;
const QString kDefaultStationTable = u"Tokyo_Hyser_Data"_s;

namespace {

const QString kPassword = u"pm3Kd_vrhx_tq"_s;

const QString kRegionFiles[kRegionCount] = {
    u"Hokkaido_Hyser_Data.mdb"_s, u"Touhok_Hyser_Data.mdb"_s, u"Kanto_Hyser_Data.mdb"_s,   u"Kinki_Hyser_Data.mdb"_s,
    u"Chugok_Hyser_Data.mdb"_s,   u"Kyusyu_Hyser_Data.mdb"_s, u"Okinawa_Hyser_Data.mdb"_s,
};

bool isNumberField(const QString& f) { return f == u"nen"_s || f == u"Point_No"_s || f == u"ID"_s; }

std::vector<ado::DatabaseWriter::Column> columnsOf(const QStringList& fields) {
    std::vector<ado::DatabaseWriter::Column> cols;
    for (const QString& f : fields) cols.push_back({f, isNumberField(f)});
    return cols;
}

QStringList valuesOf(const ClimateRow& row, const QStringList& fields, const QString& where) {
    QStringList values;
    for (const QString& f : fields) {
        const auto it = row.find(f);
        if (it == row.end()) throw std::runtime_error((u"フィールドがありません: "_s + f + u" ("_s + where + u')').toStdString());
        values << it.value();
    }
    return values;
}

}  // namespace

QString regionDatabase(int region) {
    if (region < 1 || region > kRegionCount) return QString();
    return u"Hyther_DB\\"_s + kRegionFiles[region - 1];
}

QString connectionString(int region) { return connectionStringFor(regionDatabase(region)); }

QString connectionStringFor(const QString& databasePath) {
    QString path = databasePath;
    path.replace(u'/', u'\\');
    return u"Provider=Microsoft.Jet.OLEDB.4.0;"_s + u"Data Source="_s + path + u";"_s + u"Jet OLEDB:Database Password="_s + kPassword;
}

QString ondoField(int month) { return u"Ondo_"_s + QString::number(month); }
QString rainField(int month) { return u"Rain_"_s + QString::number(month); }

static QStringList monthFields() {
    QStringList f;
    for (int i = 1; i <= 13; ++i) f << ondoField(i);
    for (int i = 1; i <= 13; ++i) f << rainField(i);
    return f;
}

QStringList normalsFields() {
    return QStringList{u"spot"_s, u"nen"_s, u"latitude"_s, u"longitude"_s, u"P_High"_s, u"area"_s, u"Point_No"_s} + monthFields();
}

QStringList yearFields() {
    return QStringList{u"ID"_s, u"spot"_s, u"nen"_s, u"latitude"_s, u"longitude"_s, u"P_High"_s, u"area"_s, u"TS"_s, u"KS"_s} +
           monthFields();
}

std::vector<ClimateRow> readClimateCsv(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw std::runtime_error((u"データファイルを開けません: "_s + path).toStdString());
    }
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    std::vector<ClimateRow> rows;
    QStringList header;
    int lineNo = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        ++lineNo;
        if (line.isEmpty()) continue;
        const QStringList cells = line.split(u',');
        if (header.isEmpty()) {
            header = cells;
            continue;
        }
        if (cells.size() != header.size()) {
            throw std::runtime_error((path + u":"_s + QString::number(lineNo) + u": 列の数が見出しと合いません"_s).toStdString());
        }
        ClimateRow row;
        for (int i = 0; i < header.size(); ++i) row.insert(header[i], cells[i]);
        rows.push_back(std::move(row));
    }
    return rows;
}

void buildClimateDatabases(const QString& folder, const std::vector<ClimateRow>& normals, const std::vector<ClimateRow>& years) {
    const QString dbFolder = QDir(folder).filePath(u"Hyther_DB"_s);
    if (!QDir().mkpath(dbFolder)) throw std::runtime_error((u"フォルダーを作れません: "_s + dbFolder).toStdString());

    std::map<int, std::vector<const ClimateRow*>> yearsByStation;
    for (const ClimateRow& r : years) {
        const int number = r.value(u"Point_No"_s).toInt();
        const Station_Ref* s = stationByNumber(number);
        if (!s || !isJapanese(*s)) {
            throw std::runtime_error((u"単年データの地点番号が目録にありません: "_s + r.value(u"Point_No"_s)).toStdString());
        }
        yearsByStation[number].push_back(&r);
    }

    const QStringList nFields = normalsFields();
    const QStringList yFields = yearFields();
    for (int region = 1; region <= kRegionCount; ++region) {
        const QString path = QDir(dbFolder).filePath(kRegionFiles[region - 1]);
        ado::DatabaseWriter db(path);
        if (region == 1) {
            db.createTable(kNormalsTable, columnsOf(nFields));
            for (const ClimateRow& r : normals) db.insert(kNormalsTable, valuesOf(r, nFields, kNormalsTable));
        }
        for (const Station_Ref& s : stationCatalogue()) {
            if (!isJapanese(s) || s.region != region) continue;
            db.createTable(s.table, columnsOf(yFields));
            for (const ClimateRow* r : yearsByStation[s.number]) db.insert(s.table, valuesOf(*r, yFields, s.table));
        }
        db.commit();
    }
}

}  // namespace data
