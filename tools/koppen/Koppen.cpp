#include "tools/koppen/Koppen.h"

#include <QFile>
#include <QTextStream>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace koppen {

const std::vector<ClimateClass>& classes() {
    // The colours of the legend that goes with the published 0.5° and 1 km maps (Beck et
    // al.), which most Köppen maps follow; As, which that legend folds into Aw, takes a
    // paler blue of its own so that it can be told apart.
    static const std::vector<ClimateClass> all = {
        {u"Af"_s, qRgb(0, 0, 255), u"熱帯雨林気候"_s},
        {u"Am"_s, qRgb(0, 120, 255), u"熱帯モンスーン気候"_s},
        {u"Aw"_s, qRgb(70, 170, 250), u"サバナ気候（冬季乾燥）"_s},
        {u"As"_s, qRgb(140, 200, 250), u"サバナ気候（夏季乾燥）"_s},
        {u"BWh"_s, qRgb(255, 0, 0), u"砂漠気候（高温）"_s},
        {u"BWk"_s, qRgb(255, 150, 150), u"砂漠気候（低温）"_s},
        {u"BSh"_s, qRgb(245, 165, 0), u"ステップ気候（高温）"_s},
        {u"BSk"_s, qRgb(255, 220, 100), u"ステップ気候（低温）"_s},
        {u"Csa"_s, qRgb(255, 255, 0), u"地中海性気候（夏高温）"_s},
        {u"Csb"_s, qRgb(200, 200, 0), u"地中海性気候（夏温暖）"_s},
        {u"Csc"_s, qRgb(150, 150, 0), u"地中海性気候（夏冷涼）"_s},
        {u"Cwa"_s, qRgb(150, 255, 150), u"温暖冬季少雨気候（夏高温）"_s},
        {u"Cwb"_s, qRgb(100, 200, 100), u"温暖冬季少雨気候（夏温暖）"_s},
        {u"Cwc"_s, qRgb(50, 150, 50), u"温暖冬季少雨気候（夏冷涼）"_s},
        {u"Cfa"_s, qRgb(200, 255, 80), u"温暖湿潤気候"_s},
        {u"Cfb"_s, qRgb(100, 255, 80), u"西岸海洋性気候"_s},
        {u"Cfc"_s, qRgb(50, 200, 0), u"西岸海洋性気候（夏冷涼）"_s},
        {u"Dsa"_s, qRgb(255, 0, 255), u"冷帯夏季少雨気候（夏高温）"_s},
        {u"Dsb"_s, qRgb(200, 0, 200), u"冷帯夏季少雨気候（夏温暖）"_s},
        {u"Dsc"_s, qRgb(150, 50, 150), u"冷帯夏季少雨気候（夏冷涼）"_s},
        {u"Dwa"_s, qRgb(170, 175, 255), u"冷帯冬季少雨気候（夏高温）"_s},
        {u"Dwb"_s, qRgb(90, 120, 220), u"冷帯冬季少雨気候（夏温暖）"_s},
        {u"Dwc"_s, qRgb(75, 80, 180), u"冷帯冬季少雨気候（夏冷涼）"_s},
        {u"Dwd"_s, qRgb(50, 0, 135), u"冷帯冬季少雨気候（極寒）"_s},
        {u"Dfa"_s, qRgb(0, 255, 255), u"冷帯湿潤気候（夏高温）"_s},
        {u"Dfb"_s, qRgb(55, 200, 255), u"冷帯湿潤気候（夏温暖）"_s},
        {u"Dfc"_s, qRgb(0, 125, 125), u"冷帯湿潤気候（夏冷涼）"_s},
        {u"Dfd"_s, qRgb(0, 70, 95), u"冷帯湿潤気候（極寒）"_s},
        {u"ET"_s, qRgb(178, 178, 178), u"ツンドラ気候"_s},
        {u"EF"_s, qRgb(102, 102, 102), u"氷雪気候"_s},
    };
    return all;
}

const ClimateClass* classOf(const QString& code) {
    for (const ClimateClass& c : classes())
        if (c.code == code) return &c;
    return nullptr;
}

QList<QRgb> palette() {
    QList<QRgb> p = {kSea, kPaper, kInk, kGraticule, kOutline, kAboutBack};
    for (const ClimateClass& c : classes()) p << c.colour;
    return p;
}

std::optional<Grid> Grid::read(const QString& csvPath, QString* error) {
    QFile file(csvPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = csvPath + u": "_s + file.errorString();
        return std::nullopt;
    }
    QTextStream in(&file);
    Grid grid;
    int lineNo = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        ++lineNo;
        if (lineNo == 1 || line.isEmpty()) continue;  // the header
        const QStringList f = line.split(u',');
        bool latOk = false, lonOk = false;
        const double lat = f.value(0).toDouble(&latOk);
        const double lon = f.value(1).toDouble(&lonOk);
        const ClimateClass* c = f.size() == 3 ? classOf(f[2]) : nullptr;
        // Cell centres lie at x.25 and x.75 degrees.
        const double column = (lon + 180) / kStep - 0.5;
        const double row = (90 - lat) / kStep - 0.5;
        if (!latOk || !lonOk || !c || column != std::round(column) || row != std::round(row) || column < 0 || column >= kColumns ||
            row < 0 || row >= kRows) {
            *error = csvPath + u':' + QString::number(lineNo) + u": not a 0.5° cell of a known class: "_s + line;
            return std::nullopt;
        }
        signed char& cell = grid.cells_[static_cast<size_t>(row) * kColumns + static_cast<size_t>(column)];
        if (cell < 0) ++grid.landCells_;
        cell = static_cast<signed char>(c - classes().data());
    }
    return grid;
}

const ClimateClass* Grid::at(double lon, double lat) const {
    if (!std::isfinite(lon) || !std::isfinite(lat) || lat > 90 || lat < -90) return nullptr;
    lon = std::fmod(lon + 180, 360);
    if (lon < 0) lon += 360;
    const int column = std::min(kColumns - 1, static_cast<int>(lon / kStep));
    const int row = std::min(kRows - 1, static_cast<int>((90 - lat) / kStep));
    const signed char cell = cells_[static_cast<size_t>(row) * kColumns + static_cast<size_t>(column)];
    return cell < 0 ? nullptr : &classes()[static_cast<size_t>(cell)];
}

}  // namespace koppen
