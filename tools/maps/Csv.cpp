#include "tools/maps/Csv.h"

#include <QFile>
#include <QTextStream>

using namespace Qt::Literals::StringLiterals;

namespace maps {

QStringList splitCsv(const QString& line) {
    QStringList fields;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted) {
            if (c == u'"' && i + 1 < line.size() && line[i + 1] == u'"') {
                field += c;
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            fields << field;
            field.clear();
        } else {
            field += c;
        }
    }
    fields << field;
    return fields;
}

std::optional<QList<QHash<QString, QString>>> readCsv(const QString& path, int skip, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = u"cannot read "_s + path;
        return std::nullopt;
    }
    QTextStream in(&file);
    for (int i = 0; i < skip; ++i) in.readLine();
    const QStringList header = splitCsv(in.readLine());
    QList<QHash<QString, QString>> records;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.trimmed().isEmpty()) continue;
        const QStringList fields = splitCsv(line);
        QHash<QString, QString> record;
        for (qsizetype i = 0; i < header.size() && i < fields.size(); ++i) record.insert(header[i], fields[i]);
        records << record;
    }
    return records;
}

}  // namespace maps
