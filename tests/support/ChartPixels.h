#pragma once
// What a grab of a chart window shows where a point of its drawing lies, for tests of
// what lies over the points: the marker of each point, in the colour its look gave it.
#include "platform/forms/Color.h"
#include "platform/forms/Twips.h"

#include <QColor>
#include <QImage>

#include <string>

namespace testing_support {

// The colour a grab shows where a point is drawn (client twips), named as a failure
// reads best.
inline std::string shownAt(const QImage& shot, double xTwips, double yTwips) {
    return QColor(shot.pixel(forms::toPixels(xTwips), forms::toPixels(yTwips))).name().toStdString();
}

// A colour of the program (&HBBGGRR or a system colour) as a grab shows it.
inline std::string colourName(forms::Color c) { return forms::toQColor(c).name().toStdString(); }

}  // namespace testing_support
