#include "platform/forms/Color.h"

#include <QColor>
#include <QGuiApplication>
#include <QPalette>

namespace forms {

QColor toQColor(Color c) {
    if ((c & 0xFF000000u) == 0x80000000u) {
        const QPalette pal = QGuiApplication::palette();
        switch (c) {
        case kSysButtonText: return pal.color(QPalette::ButtonText);
        case kSysWindow: return pal.color(QPalette::Base);
        case kSysButtonFace: return pal.color(QPalette::Button);
        case kSysWindowText: return pal.color(QPalette::WindowText);
        default: return pal.color(QPalette::WindowText);
        }
    }
    // Any other top byte is ignored: &H11111111 is the grey &H111111.
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
}

}  // namespace forms
