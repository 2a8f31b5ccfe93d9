#pragma once
// Where a caption's ink lies in a grab, and how wide its ink is when nothing cuts it, for
// tests that check a caption shows whole.
#include "platform/forms/Form.h"
#include "platform/forms/Twips.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QRect>

namespace testing_support {

// The first and last columns of an area that hold dark ink (text in a dark colour on a
// light ground); first is -1 when there is none.
struct InkColumns {
    int first = -1;
    int last = -1;
    int width() const { return first < 0 ? 0 : last - first + 1; }
};

inline InkColumns inkColumns(const QImage& shot, const QRect& area) {
    InkColumns ink;
    const QRect r = area.intersected(shot.rect());
    for (int x = r.left(); x <= r.right(); ++x) {
        for (int y = r.top(); y <= r.bottom(); ++y) {
            if (qGray(shot.pixel(x, y)) < 128) {
                if (ink.first < 0) ink.first = x;
                ink.last = x;
                break;
            }
        }
    }
    return ink;
}

// The ink width of a caption written in black on white with nothing around it.
inline int freeInkWidth(const forms::FontDesign& font, const QString& caption) {
    QImage page(400, 100, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter p(&page);
        p.setFont(forms::toQFont(font));
        p.setPen(Qt::black);
        p.drawText(QPoint(20, 60), caption);
    }
    return inkColumns(page, page.rect()).width();
}

// Whether a control's caption shows whole in a grab of its window's client area: its ink
// is as wide as the caption's ink with nothing around it (a column less, where the
// faintest edge of a glyph falls on another pixel) and stops short of the control's right
// edge, where a cut caption ends.
inline ::testing::AssertionResult captionShowsWhole(const QImage& shot, const forms::Form& window, const forms::Control& c,
                                                    const QString& caption) {
    double left = c.Left(), top = c.Top();
    if (!c.Container().isEmpty()) {
        const forms::Control* holder = window.find(c.Container(), -1);
        if (!holder) return ::testing::AssertionFailure() << "no container " << c.Container().toStdString();
        left += holder->Left();
        top += holder->Top();
    }
    const QRect area(forms::toPixels(left), forms::toPixels(top), forms::toPixels(c.Width()), forms::toPixels(c.Height()));
    const InkColumns ink = inkColumns(shot, area);
    const int whole = freeInkWidth(c.Font(), caption);
    if (ink.width() < whole - 1 || ink.last >= area.right()) {
        return ::testing::AssertionFailure() << "ink " << ink.width() << " px wide, columns " << ink.first << " to " << ink.last
                                             << "; the whole caption is " << whole << " px wide and the control ends at column "
                                             << area.right();
    }
    return ::testing::AssertionSuccess();
}

}  // namespace testing_support
