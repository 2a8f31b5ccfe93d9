#pragma once
// The station catalogue and the station lookup: a display name gives the station number
// (its row in the normal-values table), its single-year table and its region (the
// database the table lies in). 155 Japanese stations and 204 world stations.

#include <QString>

#include <vector>

namespace data {

struct Station_Ref {
    QString name;   // display name, the key
    int number;     // 47xxx for Japan, 57001..57204 for the world
    QString table;  // single-year table; every world station names kWorldTable
    int region;     // 1..7; world stations carry 1
};

extern const QString kWorldTable;
// A name the catalogue does not know is read as 帯広.
inline constexpr int kFallbackStation = 47417;

const std::vector<Station_Ref>& stationCatalogue();

// The row of a display name (also accepted inside ASCII double quotes), or 帯広's.
const Station_Ref& lookupStation(const QString& caption);

// lookupStation, knowing station 57196 also by the name the Oceania pickers of the
// climograph and two-graph windows show, ウェリントン (its row says オークランド).
const Station_Ref& lookupPickedStation(const QString& caption);

// The row of a station number, or null.
const Station_Ref* stationByNumber(int number);

inline bool isJapanese(const Station_Ref& s) { return s.number < 57001; }

}  // namespace data
