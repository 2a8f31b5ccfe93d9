#include "tools/dataconv/CsvFile.h"

#include <QFile>
#include <QStringDecoder>

using namespace Qt::Literals::StringLiterals;

ConversionError::ConversionError(const QString& message) : std::runtime_error(message.toStdString()) {}

namespace {

// Reads a whole text file as UTF-8; fails on a missing file or invalid UTF-8.
QString readUtf8File(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) throw ConversionError(u"%1: cannot open: %2"_s.arg(path, file.errorString()));
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(file.readAll());
    if (decoder.hasError()) throw ConversionError(u"%1: not valid UTF-8"_s.arg(path));
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    return text;
}

// Splits the text into rows of cells, remembering the line each row starts on.
QList<CsvFile::Row> splitRows(const QString& path, const QString& text) {
    QList<CsvFile::Row> rows;
    CsvFile::Row row;
    QString cell;
    bool quoted = false;     // inside a quoted cell
    bool wasQuoted = false;  // the current cell was quoted and has been closed
    int line = 1;
    row.line = 1;

    auto endCell = [&] {
        row.cells.append(cell);
        cell.clear();
        wasQuoted = false;
    };
    auto endRow = [&] {
        endCell();
        if (!(row.cells.size() == 1 && row.cells.first().isEmpty()))  // blank line
            rows.append(row);
        row = CsvFile::Row();
        row.line = line;
    };

    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < text.size() && text.at(i + 1) == u'"') {
                    cell.append(u'"');
                    ++i;
                } else {
                    quoted = false;
                    wasQuoted = true;
                }
            } else {
                if (c == u'\n') ++line;
                cell.append(c);
            }
            continue;
        }
        if (c == u',') {
            endCell();
        } else if (c == u'\n' || c == u'\r') {
            if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') ++i;
            ++line;
            endRow();
        } else if (c == u'"' && cell.isEmpty() && !wasQuoted) {
            quoted = true;
        } else if (wasQuoted) {
            throw ConversionError(u"%1:%2: text after a closing quotation mark"_s.arg(path).arg(line));
        } else {
            cell.append(c);
        }
    }
    if (quoted) throw ConversionError(u"%1:%2: quotation mark not closed"_s.arg(path).arg(row.line));
    if (!cell.isEmpty() || !row.cells.isEmpty() || wasQuoted) endRow();
    return rows;
}

}  // namespace

CsvFile CsvFile::read(const QString& path) {
    CsvFile file;
    file.m_path = path;
    QList<Row> rows = splitRows(path, readUtf8File(path));
    while (!rows.isEmpty() && rows.first().cells.first().startsWith(u'#')) rows.removeFirst();
    if (rows.isEmpty()) throw ConversionError(u"%1: no header row"_s.arg(path));
    file.m_header = rows.takeFirst().cells;
    for (const Row& row : std::as_const(rows)) {
        if (row.cells.size() != file.m_header.size())
            file.fail(row, u"%1 cells, the header has %2"_s.arg(row.cells.size()).arg(file.m_header.size()));
    }
    file.m_rows = rows;
    return file;
}

int CsvFile::column(const QString& name) const {
    const qsizetype index = m_header.indexOf(name);
    if (index < 0) throw ConversionError(u"%1: no column \"%2\""_s.arg(m_path, name));
    return int(index);
}

void CsvFile::fail(const Row& row, const QString& message) const {
    throw ConversionError(u"%1:%2: %3"_s.arg(m_path).arg(row.line).arg(message));
}
