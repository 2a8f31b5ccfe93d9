// The connection-string parser: any text gives a trimmed value from one part of the
// string, and a string built of key=value parts gives back the first value of a key.
//
// Input: the first line is the key looked up; the rest is the connection string, and its
// lines taken as key, value, key, value ... build a second one.
#include "fuzz/FuzzInput.h"
#include "platform/ado/Ado.h"

using ado::Connection;
using namespace Qt::Literals::StringLiterals;

namespace {

void checkAnyString(const QString& connectionString, const QString& key) {
    const QString value = Connection::keyValue(connectionString, key);
    const QString all = key + u'\n' + connectionString;
    fuzz::check(value == value.trimmed(), "a value comes trimmed", all);
    fuzz::check(!value.contains(u';'), "a value never spans two parts", all);
    fuzz::check(value.isEmpty() || connectionString.contains(value), "a value is a piece of the string", all);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString input = fuzz::text(data, size);
    const qsizetype newline = input.indexOf(u'\n');
    const QString key = newline < 0 ? u"Data Source"_s : input.left(newline);
    const QString rest = newline < 0 ? input : input.mid(newline + 1);
    checkAnyString(rest, key);
    for (const QString& k : {u"Data Source"_s, u"Provider"_s, u"Password"_s}) checkAnyString(rest, k);

    // Keys without '=' or ';' and values without ';': every key gives back the value of
    // its first part, whatever its case and the blanks around it.
    QStringList lines = rest.split(u'\n');
    QStringList keys, values, parts;
    // A handful of parts shows every rule; more only slows the run.
    for (qsizetype i = 0; i + 1 < lines.size() && i < 16; i += 2) {
        QString k = lines[i];
        QString v = lines[i + 1];
        k.remove(u'=').remove(u';');
        v.remove(u';');
        keys << k;
        values << v;
        parts << k + u'=' + v;
    }
    const QString built = parts.join(u';');
    for (qsizetype j = 0; j < keys.size(); ++j) {
        qsizetype first = 0;
        while (keys[first].trimmed().compare(keys[j].trimmed(), Qt::CaseInsensitive) != 0) ++first;
        for (const QString& asked : {keys[j], keys[j].trimmed().toUpper(), keys[j].trimmed().toLower()}) {
            if (asked.trimmed().compare(keys[j].trimmed(), Qt::CaseInsensitive) != 0) continue;  // a case change that is no fold
            fuzz::check(Connection::keyValue(built, asked.trimmed()) == values[first].trimmed(), "a key gives its first part's value",
                        asked + u'\n' + built);
        }
    }
    return 0;
}
