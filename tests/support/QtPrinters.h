#pragma once
// Failure messages show Qt strings as text, not as bytes.

#include <QString>

#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
