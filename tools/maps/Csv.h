#pragma once
// The comma-separated files of the shared data folder: a header line naming the fields,
// then one record per line; fields may be quoted, with quotes inside doubled.

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace maps {

QStringList splitCsv(const QString& line);

// The file's records after its header, field name -> text; `skip` lines come before the
// header. None, with the reason in `error`, when the file cannot be read.
std::optional<QList<QHash<QString, QString>>> readCsv(const QString& path, int skip, QString* error);

}  // namespace maps
