// dataconv: converts the public source data into the program's committed climate files.
//   dataconv <shared-data-folder> <output-folder>
// writes normals.csv, years.csv, README.md and DataPeriod.h into the output folder.
#include "tools/dataconv/CsvFile.h"
#include "tools/dataconv/Output.h"
#include "tools/dataconv/Sources.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

using namespace Qt::Literals::StringLiterals;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (args.size() != 3) {
        err << "usage: dataconv <shared-data-folder> <output-folder>\n";
        return 2;
    }
    try {
        const ClimateData data = readClimateData(args[1]);
        const QDir output(args[2]);
        if (!output.mkpath(u"."_s)) throw ConversionError(u"%1: cannot create the folder"_s.arg(args[2]));
        writeNormals(output.filePath(u"normals.csv"_s), data);
        writeYears(output.filePath(u"years.csv"_s), data);
        writeReadme(output.filePath(u"README.md"_s), data);
        writeDataPeriod(output.filePath(u"DataPeriod.h"_s), data);

        int yearRows = 0;
        for (const StationYears& station : data.years) yearRows += int(station.years.size());
        out << "normals.csv: " << data.normals.size() << " stations\n"
            << "years.csv: " << yearRows << " rows for " << data.years.size() << " stations, " << data.firstYear << "-" << data.lastYear
            << "\n";
    } catch (const ConversionError& e) {
        err << "dataconv: " << QString::fromStdString(e.what()) << '\n';
        return 1;
    }
    return 0;
}
