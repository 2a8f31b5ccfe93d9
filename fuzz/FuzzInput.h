#pragma once
// What every fuzz target shares: the fuzzer's bytes as text, and a check that stops the
// run with the input that broke an invariant (libFuzzer keeps it as a crash file).

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace fuzz {

// The bytes as UTF-8: what a caption, a typed box or a connection string holds. Invalid
// sequences arrive as U+FFFD, as they would from a file read with the wrong encoding.
inline QString text(const std::uint8_t* data, std::size_t size) {
    return QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// A broken invariant: names it and the text it was seen on, then aborts.
[[noreturn]] inline void fail(const char* invariant, const QString& input) {
    std::fprintf(stderr, "invariant broken: %s\ninput: \"%s\"\n", invariant, input.toUtf8().constData());
    std::abort();
}

inline void check(bool holds, const char* invariant, const QString& input) {
    if (!holds) fail(invariant, input);
}

}  // namespace fuzz
