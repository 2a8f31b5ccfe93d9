#pragma once
// A program folder for one test: the seven climate databases built by the program's own
// builder from a few stations of our committed data files (real values), plus whatever
// rows a test adds or changes to show its case.

#include "data/ClimateDb.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/TempFolder.h"

#include <initializer_list>
#include <vector>

namespace testing_support {

class ClimateFixture {
public:
    // The stations whose rows are taken from the data files: normals and years.
    explicit ClimateFixture(std::initializer_list<int> stations = {47401, 47412, 47417, 47662, 47765, 47936, 57001, 57196});

    std::vector<data::ClimateRow> normals;
    std::vector<data::ClimateRow> years;

    // The normals row of a station (it must be among the rows).
    data::ClimateRow& normalsRow(int number);
    // The year row of a station.
    data::ClimateRow& yearRow(int number, int year);
    // A copy of a normals row under another station number, placed in number order.
    data::ClimateRow& addNormals(const data::ClimateRow& row);

    // Every station of the data files.
    static ClimateFixture allStations();

    // Writes the databases; the folder then looks like the program's folder.
    QString build();
    // Puts the region maps into the folder's W_GIF/, as the build puts them beside the
    // program.
    void copyMaps();
    QString folder() const { return temp_.path(); }

private:
    struct All {};
    explicit ClimateFixture(All);
    TempFolder temp_;
};

// All rows of the committed data files.
const std::vector<data::ClimateRow>& committedNormals();
const std::vector<data::ClimateRow>& committedYears();

}  // namespace testing_support
