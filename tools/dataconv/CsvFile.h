#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <stdexcept>

// Any fault in the input or in what would be written. The message names the
// file and, where there is one, the line.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const QString& message);
};

// A comma-separated file with a header row, read whole. Quoted cells may hold
// commas, doubled quotes and line breaks. Rows before the header whose first
// cell starts with '#' are comments and are skipped.
class CsvFile {
public:
    struct Row {
        int line = 0;  // line of the file on which the row starts
        QStringList cells;
    };

    static CsvFile read(const QString& path);

    const QString& path() const { return m_path; }
    const QList<Row>& rows() const { return m_rows; }

    // Index of a header column; fails when the file has no such column.
    int column(const QString& name) const;
    bool hasColumn(const QString& name) const { return m_header.contains(name); }

    [[noreturn]] void fail(const Row& row, const QString& message) const;

private:
    QString m_path;
    QStringList m_header;
    QList<Row> m_rows;
};
