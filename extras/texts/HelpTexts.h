#pragma once
// The texts of the four help windows, built into the program.

#include <QString>

namespace extras::texts {

QString readme();        // Form48
QString installGuide();  // Form49
QString weatherData();   // Form50
QString history();       // Form51

}  // namespace extras::texts
