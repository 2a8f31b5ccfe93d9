// Builds the program's seven climate databases from our data files at build time:
//   makedb <normals.csv> <years.csv> <program folder>
#include "data/ClimateDb.h"

#include <QCoreApplication>
#include <QTextStream>

#include <exception>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream err(stderr);
    if (args.size() != 4) {
        err << "usage: makedb <normals.csv> <years.csv> <program folder>\n";
        return 2;
    }
    try {
        data::buildClimateDatabases(args[3], data::readClimateCsv(args[1]), data::readClimateCsv(args[2]));
    } catch (const std::exception& e) {
        err << "makedb: " << QString::fromStdString(e.what()) << '\n';
        return 1;
    }
    return 0;
}
