#pragma once
// The Köppen-Geiger classes with their conventional colours and Japanese names, and the
// 0.5° grid of classes read from the public data set (Lat,Lon,Cls; land cells only).

#include <QList>
#include <QRgb>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace koppen {

struct ClimateClass {
    QString code;  // "Af" ... "EF"
    QRgb colour;
    QString name;  // in Japanese, for the legend
};

// The 30 classes of the data set, in the conventional order A, B, C, D, E.
const std::vector<ClimateClass>& classes();
// The class of a code, or nullptr.
const ClimateClass* classOf(const QString& code);

// What the pictures draw besides the classes.
inline constexpr QRgb kSea = qRgb(236, 243, 250);
inline constexpr QRgb kPaper = qRgb(255, 255, 255);
inline constexpr QRgb kInk = qRgb(0, 0, 0);
inline constexpr QRgb kGraticule = qRgb(186, 200, 214);
inline constexpr QRgb kOutline = qRgb(90, 90, 90);
// The about window's background, round the globes.
inline constexpr QRgb kAboutBack = qRgb(239, 239, 228);
// Every colour a picture may hold: the classes and the colours above.
QList<QRgb> palette();

class Grid {
public:
    static constexpr double kStep = 0.5;  // degrees
    static constexpr int kColumns = 720;  // 180°W .. 180°E
    static constexpr int kRows = 360;     // 90°N .. 90°S

    // Reads the CSV; nullopt with a message on a missing file, a bad line, an unknown
    // class or a cell off the 0.5° grid.
    static std::optional<Grid> read(const QString& csvPath, QString* error);

    // The class at a place (longitude and latitude in degrees), or nullptr for the sea.
    const ClimateClass* at(double lon, double lat) const;
    int landCells() const { return landCells_; }

private:
    std::vector<signed char> cells_ = std::vector<signed char>(kColumns * kRows, -1);  // index into classes()
    int landCells_ = 0;
};

}  // namespace koppen
