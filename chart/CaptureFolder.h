#pragma once
// Where a chart window's capture bitmaps go: CAP/<place> beside the program, as a copy
// of the program that can be written keeps them; an installed program, whose folder
// cannot be written, keeps them in CAP/<place> of the user's data folder instead.

#include <QString>

namespace chart {

struct CaptureFolder {
    QString path;  // relative to the program's folder when beside it, else absolute
    bool besideProgram = true;
};

// Makes the folder of a place's captures (and CAP itself) where it can be made. Throws
// std::runtime_error naming the full paths tried and the system's reason when neither
// can be made. `place` must already be safe as one part of a path.
CaptureFolder makeCaptureFolder(const QString& programFolder, const QString& place);

}  // namespace chart
