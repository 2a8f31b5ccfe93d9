// The place as it goes into a capture's path: whatever the user typed or the database
// holds, the name stays one part of a path inside CAP/, is never empty, and is made safe
// only once (a safe name is left as it is).
//
// Input: the first line is the place; the rest is the year's text.
#include "chart/CaptureFile.h"
#include "fuzz/FuzzInput.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

void checkSafe(const QString& name, const char* what, const QString& input) {
    fuzz::check(!name.isEmpty(), what, input);
    fuzz::check(!name.contains(u".."_s), what, input);
    for (const QChar c : name) {
        fuzz::check(!QStringView(u"/\\:*?\"<>|").contains(c), what, input);
        fuzz::check(c.category() != QChar::Other_Control, what, input);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString input = fuzz::text(data, size);
    const qsizetype newline = input.indexOf(u'\n');
    const QString place = newline < 0 ? input : input.left(newline);
    const QString year = newline < 0 ? QString() : input.mid(newline + 1);

    const QString name = chart::captureName(place);
    checkSafe(name, "a place's name has no separator, climb or control character and is never empty", input);
    // A name that starts or ends with a dot or a blank is hidden, or loses its end on
    // some file systems.
    fuzz::check(name == name.trimmed(), "a place's name has no blanks around it", input);
    fuzz::check(!name.startsWith(u'.') && !name.endsWith(u'.'), "a place's name neither starts nor ends with a dot", input);
    fuzz::check(chart::captureName(name) == name, "a safe name stays as it is", input);
    // (A control character is no blank: it stands as '_'.)
    const bool nameless = std::all_of(place.begin(), place.end(), [](QChar c) { return c == u' ' || c == u'.' || c == u'\u3000'; });
    if (nameless) fuzz::check(name == u"名称未設定"_s, "a place of blanks and dots only is 名称未設定", input);

    const QString suffix = u"_Hyser_In.bmp"_s;
    const QString file = chart::captureFileName(place, year, suffix);
    checkSafe(file, "a capture's file name is one safe part of a path", input);
    fuzz::check(file.startsWith(name) && file.endsWith(suffix), "a capture's file name is the place, the year and the suffix", input);
    return 0;
}
