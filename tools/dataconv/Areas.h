#pragma once
// The area text of a normal-values row: a region of Japan, or a world station's country.

#include <QList>
#include <QString>

#include <optional>

// 北海道, 東北, 関東, 近畿, 中国・四国, 九州 or 沖縄 for regions 1 to 7.
QString regionArea(int region);

// The country of a world station in Japanese, for the stations that have normal
// values; nothing for any other number.
std::optional<QString> countryOf(int number);
QList<int> countryTableNumbers();
