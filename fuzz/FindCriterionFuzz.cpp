// The find criterion of a recordset: "field=number". Whatever the text, Find either stands
// on the first matching row from where it started (or at EOF) and tells its listeners
// once, or throws and leaves the recordset where it was, telling nobody.
//
// Input: the first byte picks the starting row; the rest is the criterion.
#include "fuzz/FuzzInput.h"
#include "platform/ado/Ado.h"

#include <QTemporaryDir>

#include <cmath>
#include <memory>

using namespace ado;
using namespace Qt::Literals::StringLiterals;

namespace {

// A station's single-year table as the databases hold it: numbers, values as text, the
// missing mark and empty cells among them.
struct Table {
    QTemporaryDir folder;
    std::shared_ptr<Connection> connection = std::make_shared<Connection>();
    Recordset rs;

    Table() {
        const QString file = folder.filePath(u"Kanto_Hyser_Data.mdb"_s);
        DatabaseWriter writer(file);
        writer.createTable(u"Tokyo"_s, {{u"ID"_s, true}, {u"nen"_s, true}, {u"spot"_s}, {u"Kion_1"_s}, {u"Kousui_1"_s}});
        const QStringList rows[] = {
            {u"1"_s, u"1998"_s, u"東京"_s, u"5.4"_s, u"48.5"_s}, {u"2"_s, u"1999"_s, u"東京"_s, u"×"_s, u""_s},
            {u"3"_s, u"2000"_s, u"東京"_s, u"-0.0"_s, u"1e3"_s}, {u"4"_s, u"1999"_s, u"東京"_s, u" 7 "_s, u"0"_s},
            {u"5"_s, u"2001"_s, u"東京"_s, u"5.40"_s, u"-3"_s},  {u"6"_s, u"2002"_s, u"東京"_s, u"nan"_s, u"inf"_s},
        };
        for (const QStringList& row : rows) writer.insert(u"Tokyo"_s, row);
        writer.commit();
        connection->Open(u"Provider=Microsoft.Jet.OLEDB.4.0;Data Source="_s + file + u";Jet OLEDB:Database Password=x"_s);
        rs.Open(u"tokyo"_s, connection);
    }
};

Table& table() {
    static Table t;
    return t;
}

// Where the recordset stands: -1 before the first row, RecordCount at EOF.
int position(const Recordset& rs) {
    if (rs.isEOF()) return rs.RecordCount();
    return rs.hasCurrentRow() ? rs.AbsolutePosition() - 1 : -1;
}

bool matches(const QString& cell, double wanted) {
    bool ok = false;
    const double v = cell.trimmed().toDouble(&ok);
    return ok && v == wanted;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    Recordset& rs = table().rs;
    rs.MoveFirst();
    // Start anywhere from before the first row to EOF.
    for (int steps = data[0] % (rs.RecordCount() + 2); steps > 0; --steps) {
        if (rs.isEOF()) {
            rs.MoveFirst();
            rs.MovePrevious();
        } else {
            rs.MoveNext();
        }
    }
    const QString criteria = fuzz::text(data + 1, size - 1);
    const int start = position(rs);
    int heard = 0;
    const MoveSubscription listening = rs.onMove([&heard] { ++heard; });
    try {
        rs.Find(criteria);
    } catch (const Error& e) {
        fuzz::check(position(rs) == start, "a failed find leaves the recordset where it was", criteria);
        fuzz::check(heard == 0, "a failed find tells nobody", criteria);
        fuzz::check(e.code() == 0, "a bad criterion is an error of the layer, not of SQLite", criteria);
        fuzz::check(!e.message().isEmpty(), "a failed find says why", criteria);
        return 0;
    }
    fuzz::check(heard == 1, "a find tells its listeners once", criteria);

    // The criterion that was taken: a known field before the first '=', a finite number after.
    const qsizetype eq = criteria.indexOf(u'=');
    fuzz::check(eq > 0, "a find takes only a criterion with a field before '='", criteria);
    const QString field = criteria.left(eq).trimmed();
    fuzz::check(rs.hasField(field), "a find takes only a known field", criteria);
    bool numeric = false;
    const double wanted = criteria.mid(eq + 1).trimmed().toDouble(&numeric);
    fuzz::check(numeric && std::isfinite(wanted), "a find takes only a finite number", criteria);

    const int found = position(rs);
    const int from = start < 0 ? 0 : start;
    fuzz::check(found >= from, "a find never goes back", criteria);
    fuzz::check(rs.isEOF() || matches(rs.Fields(field), wanted), "a find stands on a matching row or at EOF", criteria);
    for (int i = from; i < found; ++i) {
        rs.MoveFirst();
        for (int k = 0; k < i; ++k) rs.MoveNext();
        fuzz::check(!matches(rs.Fields(field), wanted), "a find stops at the first match", criteria);
    }
    return 0;
}
