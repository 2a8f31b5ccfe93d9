#pragma once
// A window's design: the table of its controls and its menu tree, written apart from
// its behaviour so that a reader can hold it against the window's description row by
// row. Rows are built with small fluent helpers:
//
//   label(u"Label29"_s, 210, 90, 3810, 585).caption(u"東京"_s).back(0xC0FFC0).fore(0x4000)
//       .font(24).center().border()
//
// Geometry is in twips (15 per pixel). Colours are &HBBGGRR values. Controls stack in
// the order of the table: a later row lies above an earlier one. The row drawingSurface()
// puts the window's drawing among them: the windowless controls of the rows before it lie
// beneath what is drawn, those after it above; a design without that row has the drawing
// above every windowless control. Windowed controls lie above it all.

#include "platform/forms/Color.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace forms {

enum class Kind {
    Label,
    Line,
    Shape,
    Image,
    PictureBox,
    CommandButton,
    CheckBox,       // the classic check box: values 0, 1, 2; Click
    FormsCheckBox,  // the two-state check box with Click and Change
    SpinButton,
    TextBox,
    OptionButton,
    Frame,
    ComboBox,
    Timer,
    DrawingSurface,  // not a control: where the drawing lies among the windowless controls
};

enum class Align { Left, Right, Center };
enum class ShapeKind { Rectangle, Square, Oval, Circle, RoundedRectangle, RoundedSquare };
enum class BorderStyle { None, FixedSingle, Sizable, FixedDialog, FixedToolWindow, SizableToolWindow };
enum class Orientation { Vertical, Horizontal };
// A command button draws itself as the system draws buttons, or, graphical, in its own
// back colour with its picture beside the caption.
enum class ButtonStyle { Standard, Graphical };

// Japanese Gothic faces of the designs map to IPA Gothic at run time.
inline const QString kPGothic = QStringLiteral("ＭＳ Ｐゴシック");
inline const QString kGothic = QStringLiteral("ＭＳ ゴシック");

struct FontDesign {
    QString name = kPGothic;
    double size = 9;  // points, fractions allowed (20.25)
    bool bold = false;
};

struct ControlDesign {
    Kind kind = Kind::Label;
    QString name;
    int index = -1;                                   // -1: a single control; otherwise its index in a control array
    double left = 0, top = 0, width = 0, height = 0;  // Line: x1, y1, x2, y2
    QString caption;                                  // label / button / check box caption, text box text
    std::optional<Color> backColor;
    std::optional<Color> foreColor;  // text colour; Line and Shape: border colour
    FontDesign fontDesign;
    Align alignment = Align::Left;
    bool transparentBack = false;
    bool singleBorder = false;
    bool visible = true;
    bool enabled = true;
    int borderWidth = 1;  // Line / Shape, pixels
    ShapeKind shape = ShapeKind::Rectangle;
    bool filled = false;  // Shape: opaque, filled with its back colour
    QString picture;      // Image / PictureBox / graphical button: a file path or ":/name" built into the program
    bool stretch = false;
    int value = 0;                                    // check box / option button value
    Orientation orientation = Orientation::Vertical;  // spin button
    bool multiLine = false;                           // text box
    bool imeOff = false;                              // text box
    bool breakWords = false;                          // label: a word longer than a line (a path) breaks there
    int interval = 0;                                 // timer, milliseconds
    int tabIndex = -1;                                // -1: the design order decides
    bool tabStop = true;
    QStringList items;  // combo box
    QString container;  // the frame that holds this control, if any
    ButtonStyle buttonStyle = ButtonStyle::Standard;

    // Fluent setters, so a row reads as its description.
    ControlDesign& at(int i) {
        index = i;
        return *this;
    }
    ControlDesign& caption_(const QString& c) {
        caption = c;
        return *this;
    }
    ControlDesign& text(const QString& c) {
        caption = c;
        return *this;
    }
    ControlDesign& back(Color c) {
        backColor = c;
        return *this;
    }
    ControlDesign& fore(Color c) {
        foreColor = c;
        return *this;
    }
    ControlDesign& border(Color c) {
        foreColor = c;
        return *this;
    }
    ControlDesign& fill(Color c) {
        backColor = c;
        filled = true;
        return *this;
    }  // an opaque shape
    ControlDesign& font(double size, bool isBold = false) {
        fontDesign.size = size;
        fontDesign.bold = isBold;
        return *this;
    }
    ControlDesign& font(const QString& face, double size, bool isBold = false) {
        fontDesign.name = face;
        fontDesign.size = size;
        fontDesign.bold = isBold;
        return *this;
    }
    ControlDesign& bold() {
        fontDesign.bold = true;
        return *this;
    }
    ControlDesign& center() {
        alignment = Align::Center;
        return *this;
    }
    ControlDesign& right() {
        alignment = Align::Right;
        return *this;
    }
    ControlDesign& transparent() {
        transparentBack = true;
        return *this;
    }
    ControlDesign& border() {
        singleBorder = true;
        return *this;
    }
    ControlDesign& hidden() {
        visible = false;
        return *this;
    }
    ControlDesign& disabled() {
        enabled = false;
        return *this;
    }
    ControlDesign& width_(int px) {
        borderWidth = px;
        return *this;
    }
    ControlDesign& kindOf(ShapeKind k) {
        shape = k;
        return *this;
    }
    ControlDesign& pic(const QString& source) {
        picture = source;
        return *this;
    }
    ControlDesign& stretched() {
        stretch = true;
        return *this;
    }
    ControlDesign& checked(int v = 1) {
        value = v;
        return *this;
    }
    ControlDesign& horizontal() {
        orientation = Orientation::Horizontal;
        return *this;
    }
    ControlDesign& multi() {
        multiLine = true;
        return *this;
    }
    ControlDesign& noIme() {
        imeOff = true;
        return *this;
    }
    ControlDesign& breakingWords() {
        breakWords = true;
        return *this;
    }
    ControlDesign& every(int ms) {
        interval = ms;
        return *this;
    }
    ControlDesign& tab(int i) {
        tabIndex = i;
        return *this;
    }
    ControlDesign& noTabStop() {
        tabStop = false;
        return *this;
    }
    ControlDesign& list(const QStringList& l) {
        items = l;
        return *this;
    }
    ControlDesign& inside(const QString& frameName) {
        container = frameName;
        return *this;
    }
    ControlDesign& graphical() {
        buttonStyle = ButtonStyle::Graphical;
        return *this;
    }
};

inline ControlDesign make(Kind k, const QString& name, double l, double t, double w, double h) {
    ControlDesign d;
    d.kind = k;
    d.name = name;
    d.left = l;
    d.top = t;
    d.width = w;
    d.height = h;
    return d;
}

inline ControlDesign label(const QString& n, double l, double t, double w, double h) { return make(Kind::Label, n, l, t, w, h); }
// A line from (x1, y1) to (x2, y2).
inline ControlDesign line(const QString& n, double x1, double y1, double x2, double y2) { return make(Kind::Line, n, x1, y1, x2, y2); }
inline ControlDesign shape(const QString& n, double l, double t, double w, double h) { return make(Kind::Shape, n, l, t, w, h); }
inline ControlDesign image(const QString& n, double l, double t, double w, double h) { return make(Kind::Image, n, l, t, w, h); }
inline ControlDesign pictureBox(const QString& n, double l, double t, double w, double h) { return make(Kind::PictureBox, n, l, t, w, h); }
inline ControlDesign button(const QString& n, double l, double t, double w, double h) { return make(Kind::CommandButton, n, l, t, w, h); }
inline ControlDesign checkBox(const QString& n, double l, double t, double w, double h) { return make(Kind::CheckBox, n, l, t, w, h); }
inline ControlDesign formsCheckBox(const QString& n, double l, double t, double w, double h) {
    return make(Kind::FormsCheckBox, n, l, t, w, h);
}
inline ControlDesign spinButton(const QString& n, double l, double t, double w, double h) { return make(Kind::SpinButton, n, l, t, w, h); }
inline ControlDesign textBox(const QString& n, double l, double t, double w, double h) { return make(Kind::TextBox, n, l, t, w, h); }
inline ControlDesign optionButton(const QString& n, double l, double t, double w, double h) {
    return make(Kind::OptionButton, n, l, t, w, h);
}
inline ControlDesign frame(const QString& n, double l, double t, double w, double h) { return make(Kind::Frame, n, l, t, w, h); }
inline ControlDesign comboBox(const QString& n, double l, double t, double w, double h) { return make(Kind::ComboBox, n, l, t, w, h); }
inline ControlDesign timer(const QString& n) { return make(Kind::Timer, n, 0, 0, 0, 0); }
// The place of the drawing surface in the stacking order; at most once in a design.
inline ControlDesign drawingSurface() { return make(Kind::DrawingSurface, QString(), 0, 0, 0, 0); }

// One item of a menu tree, listed in order with its level (1 = the menu bar).
struct MenuDesign {
    int level = 1;
    QString name;
    QString caption;  // kept exactly: blanks and "&" access keys; "-" is a separator
    bool visible = true;
    bool enabled = true;
    bool checked = false;

    MenuDesign& hidden() {
        visible = false;
        return *this;
    }
    MenuDesign& disabled() {
        enabled = false;
        return *this;
    }
    MenuDesign& checked_() {
        checked = true;
        return *this;
    }
};

inline MenuDesign menuItem(int level, const QString& name, const QString& caption) {
    MenuDesign m;
    m.level = level;
    m.name = name;
    m.caption = caption;
    return m;
}

struct FormDesign {
    QString name;
    QString caption;
    double clientWidth = 0;  // twips: the design's client area
    double clientHeight = 0;
    Color backColor = 0x8000000F;  // the system's button face, as a new window has
    BorderStyle borderStyle = BorderStyle::Sizable;
    bool minButton = true;
    bool maxButton = true;
    QString icon;                  // ":/name" or empty for the program's icon
    bool centredOnScreen = false;  // placed at the centre of the screen when created
    std::vector<ControlDesign> controls;
    std::vector<MenuDesign> menus;
};

}  // namespace forms

namespace forms {

// A window that is only its caption and its size: what a menu item opens until the
// window's own design is built.
inline FormDesign plainDesign(const QString& name, const QString& caption, double clientWidth = 9000, double clientHeight = 6000) {
    FormDesign f;
    f.name = name;
    f.caption = caption;
    f.clientWidth = clientWidth;
    f.clientHeight = clientHeight;
    f.backColor = 0xE4EFEF;
    return f;
}

}  // namespace forms
