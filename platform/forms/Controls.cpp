#include "platform/forms/Controls.h"

#include "platform/ado/Ado.h"
#include "platform/forms/Form.h"
#include "platform/forms/Services.h"
#include "platform/forms/Twips.h"

#include <qdrawutil.h>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionFocusRect>
#include <QTextCursor>
#include <QTextLayout>
#include <QTextOption>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace forms {
namespace {

constexpr double kMaxFontPixels = 4096;

QRect pixelRect(double l, double t, double w, double h) {
    return QRect(toPixels(l), toPixels(t), std::max(0, toPixels(w)), std::max(0, toPixels(h)));
}

// Windowed controls tell their window about focus changes the user makes.
class FocusWatcher final : public QObject {
public:
    explicit FocusWatcher(Control& c) : QObject(c.widget()), control_(c) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::FocusIn) {
            const auto reason = static_cast<QFocusEvent*>(e)->reason();
            if (reason != Qt::OtherFocusReason) control_.Parent().userFocused(&control_);
        }
        return false;
    }

private:
    Control& control_;
};

// The text of a disabled control is greyed whatever its own colour, as the system greys
// it; its background stays.
QColor greyedText() { return QGuiApplication::palette().color(QPalette::Disabled, QPalette::WindowText); }

constexpr QPalette::ColorGroup kEnabledGroups[] = {QPalette::Active, QPalette::Inactive};

// The classic option button has a small round indicator close to its caption, and the
// designs give their captions only the width that leaves; the toolkit's own indicator
// and spacing take a third of a narrow button and cut its caption short.
class ClassicOptionStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        switch (metric) {
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight: return 12;
        case PM_RadioButtonLabelSpacing: return 2;
        default: return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }
};

QStyle* classicOptionStyle() {
    static QPointer<QStyle> style;
    if (!style) {
        style = new ClassicOptionStyle(QStyleFactory::create(QApplication::style()->name()));
        style->setParent(QApplication::instance());  // goes with the application
    }
    return style;
}

void applyColors(QWidget* w, Color back, Color fore, bool fillBack) {
    QPalette pal = w->palette();
    const QColor b = toQColor(back);
    const QColor f = toQColor(fore);
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        pal.setColor(group, QPalette::Window, b);
        pal.setColor(group, QPalette::Button, b);
    }
    for (const auto group : kEnabledGroups) {
        for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) pal.setColor(group, role, f);
    }
    for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
        pal.setColor(QPalette::Disabled, role, greyedText());
    }
    w->setPalette(pal);
    w->setAutoFillBackground(fillBack);
}

// The two arrows of a spin button.
class SpinWidget final : public QWidget {
public:
    SpinWidget(SpinButton& owner, QWidget* parent) : QWidget(parent), owner_(owner) {
        setFocusPolicy(Qt::StrongFocus);
        auto* layout = owner.orientation() == Orientation::Vertical ? static_cast<QBoxLayout*>(new QVBoxLayout(this))
                                                                    : static_cast<QBoxLayout*>(new QHBoxLayout(this));
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        const bool vertical = owner.orientation() == Orientation::Vertical;
        // Vertical: up on top; horizontal: down (left) first, as the arrows point.
        auto* first = new QToolButton(this);
        auto* second = new QToolButton(this);
        first->setArrowType(vertical ? Qt::UpArrow : Qt::LeftArrow);
        second->setArrowType(vertical ? Qt::DownArrow : Qt::RightArrow);
        for (QToolButton* b : {first, second}) {
            b->setFocusPolicy(Qt::NoFocus);
            b->setAutoRepeat(true);
            b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
            layout->addWidget(b);
        }
        const auto up = [this] { press(true); };
        const auto down = [this] { press(false); };
        if (vertical) {
            connect(first, &QToolButton::clicked, this, up);
            connect(second, &QToolButton::clicked, this, down);
        } else {
            connect(first, &QToolButton::clicked, this, down);
            connect(second, &QToolButton::clicked, this, up);
        }
    }

protected:
    void keyPressEvent(QKeyEvent* e) override {
        switch (e->key()) {
        case Qt::Key_Up:
        case Qt::Key_Right: press(true); break;
        case Qt::Key_Down:
        case Qt::Key_Left: press(false); break;
        default: QWidget::keyPressEvent(e);
        }
    }

private:
    void press(bool up) {
        if (!hasFocus()) owner_.Parent().focusTo(&owner_);
        if (up)
            owner_.spinUp();
        else
            owner_.spinDown();
    }
    SpinButton& owner_;
};

// A picture box shows its picture at natural size from its top left corner.
class PictureWidget final : public QWidget {
public:
    PictureWidget(PictureBox& owner, QWidget* parent) : QWidget(parent), owner_(owner) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), toQColor(owner_.BackColor()));
        if (!owner_.Picture().isNull()) p.drawImage(0, 0, owner_.Picture().image());
    }

private:
    PictureBox& owner_;
};

// A graphical button: its back colour inside a raised edge (sunken while pressed), its
// picture and caption side by side in the middle, and the focus frame inside the edge.
class GraphicalButton final : public QPushButton {
public:
    GraphicalButton(CommandButton& owner, QWidget* parent) : QPushButton(parent), owner_(owner) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const bool sunken = isDown() || isChecked();
        const QBrush back(toQColor(owner_.BackColor()));
        qDrawWinButton(&p, rect(), palette(), sunken, &back);
        const QRect inside = rect().adjusted(3, 3, -3, -3).translated(sunken ? 1 : 0, sunken ? 1 : 0);

        QImage picture = owner_.Picture().image();
        if (!picture.isNull() && picture.height() > inside.height()) {
            picture = picture.scaledToHeight(std::max(1, inside.height()), Qt::SmoothTransformation);
        }
        const QFontMetrics metrics(font());
        const QString text = QPushButton::text();
        const int gap = !picture.isNull() && !text.isEmpty() ? 6 : 0;
        const int textWidth = metrics.horizontalAdvance(QString(text).remove(u'&'));
        const int left = inside.left() + std::max(0, (inside.width() - picture.width() - gap - textWidth) / 2);
        if (!picture.isNull()) {
            if (!isEnabled()) p.setOpacity(0.4);
            p.drawImage(left, inside.top() + (inside.height() - picture.height()) / 2, picture);
            p.setOpacity(1);
        }
        p.setPen(isEnabled() ? toQColor(owner_.ForeColor()) : greyedText());
        const QRect textRect(left + picture.width() + gap, inside.top(), inside.right() - left - picture.width() - gap + 1,
                             inside.height());
        p.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, text);
        if (hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = inside;
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
        }
    }

private:
    CommandButton& owner_;
};

}  // namespace

QFont toQFont(const FontDesign& font) {
    // The Japanese Gothic faces of the designs are IPA Gothic here: proportional for
    // the "P" faces and anything else, fixed for the fixed ones. The letters they lack
    // (the Hangul of the help texts) come from the face Qt falls back to for their
    // script, Noto Sans CJK where it is installed with the program, so the Japanese text
    // keeps its IPA face.
    const bool fixed = font.name == kGothic;
    QFont f(fixed ? QStringLiteral("IPAGothic") : QStringLiteral("IPAPGothic"));
    // Points to pixels at 96 per inch; a size from code that is no size (NaN, huge,
    // negative) gives the smallest or largest face Qt draws.
    const double pixels = font.size * 4.0 / 3.0;
    f.setPixelSize(std::isnan(pixels) ? 1 : static_cast<int>(std::round(std::clamp(pixels, 1.0, kMaxFontPixels))));
    f.setBold(font.bold);
    f.setStyleStrategy(QFont::PreferDefault);
    return f;
}

double textWidthTwips(const FontDesign& font, const QString& text) {
    return QFontMetricsF(toQFont(font)).horizontalAdvance(text) * kTwipsPerPixel;
}

// --- Control ----------------------------------------------------------------------------

Control::Control(Form& form, const ControlDesign& d)
    : form_(form),
      kind_(d.kind),
      name_(d.name),
      index_(d.index),
      container_(d.container),
      left_(d.left),
      top_(d.top),
      width_(d.width),
      height_(d.height),
      visible_(d.visible),
      enabled_(d.enabled),
      back_(d.backColor.value_or(kSysButtonFace)),
      fore_(d.foreColor.value_or(kSysButtonText)),
      font_(d.fontDesign),
      tabIndex_(d.tabIndex),
      tabStop_(d.tabStop) {}

// The widget may be gone already, with its frame or its window: QPointer knows.
Control::~Control() { delete widget_.data(); }

QWidget* Control::widget() const { return widget_.data(); }

void Control::setLeft(double v) {
    if (left_ != v) {
        left_ = v;
        changed();
    }
}
void Control::setTop(double v) {
    if (top_ != v) {
        top_ = v;
        changed();
    }
}
void Control::setWidth(double v) {
    if (width_ != v) {
        width_ = v;
        changed();
    }
}
void Control::setHeight(double v) {
    if (height_ != v) {
        height_ = v;
        changed();
    }
}
void Control::Move(double left, double top) {
    left_ = left;
    top_ = top;
    changed();
}
void Control::Move(double left, double top, double width, double height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    changed();
}
void Control::setVisible(bool v) {
    if (visible_ != v) {
        visible_ = v;
        changed();
    }
}
void Control::setEnabled(bool v) {
    if (enabled_ != v) {
        enabled_ = v;
        changed();
    }
}
void Control::setBackColor(Color c) {
    if (back_ != c) {
        back_ = c;
        changed();
    }
}
void Control::setForeColor(Color c) {
    if (fore_ != c) {
        fore_ = c;
        changed();
    }
}
void Control::setFontSize(double points) {
    font_.size = points;
    changed();
}
void Control::setFontBold(bool bold) {
    font_.bold = bold;
    changed();
}
void Control::setFontName(const QString& name) {
    font_.name = name;
    changed();
}

void Control::SetFocus() { form_.focusTo(this); }

void Control::click() {
    if (!visible_ || !enabled_) return;
    form_.dispatchUser(onClick);
}

void Control::changed() {
    {
        Form::WidgetSync sync(form_);
        syncWidget();
    }
    form_.controlChanged(*this);
}

void Control::fire(const Handler& h) { form_.dispatchCode(h); }

void Control::createWidget(QWidget*) {}

// Windowed controls share their geometry and state handling.
static void placeWidget(Control& c) {
    QWidget* w = c.widget();
    if (!w) return;
    w->setGeometry(pixelRect(c.Left(), c.Top(), c.Width(), c.Height()));
    w->setVisible(c.Visible());
    w->setEnabled(c.Enabled());
    w->setFont(toQFont(c.Font()));
}

static void adoptWidget(Control& c, QWidget* w) {
    w->installEventFilter(new FocusWatcher(c));
    if (!c.tabStop()) w->setFocusPolicy(Qt::ClickFocus);
}

// --- Label ------------------------------------------------------------------------------

Label::Label(Form& form, const ControlDesign& d)
    : Control(form, d),
      caption_(d.caption),
      align_(d.alignment),
      transparent_(d.transparentBack),
      border_(d.singleBorder),
      breakWords_(d.breakWords) {
    if (!d.backColor) back_ = form.BackColor();
    if (!d.foreColor) fore_ = kSysButtonText;
}

QString Label::Caption() const {
    if (source_ && !field_.isEmpty()) return source_->valueOrEmpty(field_);
    return caption_;
}

void Label::setCaption(const QString& text) {
    if (caption_ == text && !source_) return;
    caption_ = text;
    changed();
}

void Label::setAlignment(Align a) {
    align_ = a;
    changed();
}
void Label::setTransparent(bool t) {
    transparent_ = t;
    changed();
}

void Label::setDataSource(std::shared_ptr<ado::Recordset> rs) {
    following_.reset();
    source_ = std::move(rs);
    if (source_) following_ = source_->onMove([this] { form_.repaintControl(*this); });
    changed();
}

void Label::setDataField(const QString& field) {
    field_ = field;
    if (source_ && source_->isOpen() && !source_->hasField(field)) {
        throw ado::Error(QStringLiteral("フィールドが見つかりません: ") + field + QStringLiteral(" (") + source_->Source() + u')');
    }
    changed();
}

namespace {

// A label's text wraps at word boundaries; one that breaks words also breaks a word
// longer than a line where the line ends instead of letting it run out of sight.
QTextOption labelTextOption(Align align, bool breakWords) {
    QTextOption o(align == Align::Center ? Qt::AlignHCenter : align == Align::Right ? Qt::AlignRight : Qt::AlignLeft);
    o.setWrapMode(breakWords ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::WordWrap);
    return o;
}

// An access-key marker shows as an underline, not a character.
QString shownCaption(QString text) { return text.replace(u'&', QString()); }

}  // namespace

void Label::paint(QPainter& p) const {
    const QRect r = pixelRect(left_, top_, width_, height_);
    if (!transparent_) p.fillRect(r, toQColor(back_));
    QRect textRect = r;
    if (border_) {
        p.setPen(QPen(QColor(0, 0, 0), 1));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        textRect = r.adjusted(2, 1, -2, -1);
    }
    const QString text = Caption();
    if (text.isEmpty()) return;
    p.setFont(toQFont(font_));
    p.setPen(enabled_ ? toQColor(fore_) : greyedText());
    if (breakWords_) {
        p.save();
        p.setClipRect(textRect, Qt::IntersectClip);
        p.drawText(QRectF(textRect), shownCaption(text), labelTextOption(align_, true));
        p.restore();
        return;
    }
    int flags = Qt::AlignTop | Qt::TextWordWrap;
    flags |= align_ == Align::Center ? Qt::AlignHCenter : align_ == Align::Right ? Qt::AlignRight : Qt::AlignLeft;
    p.drawText(textRect, flags, shownCaption(text));
}

double Label::fittedHeight() const {
    const QRect r = pixelRect(left_, top_, width_, height_);
    const QRect textRect = border_ ? r.adjusted(2, 1, -2, -1) : r;
    const QString text = Caption().isEmpty() ? QStringLiteral(" ") : shownCaption(Caption());
    // Laid out as painting lays it out: lines of the text's width, the font's leading
    // between them.
    QTextLayout layout(text, toQFont(font_));
    layout.setTextOption(labelTextOption(align_, breakWords_));
    const qreal leading = QFontMetricsF(layout.font()).leading();
    qreal height = -leading;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(textRect.width());
        height += leading + line.height();
    }
    layout.endLayout();
    return (std::ceil(height) + r.height() - textRect.height()) * kTwipsPerPixel;
}

// --- Line -------------------------------------------------------------------------------

Line::Line(Form& form, const ControlDesign& d) : Control(form, d), borderWidth_(d.borderWidth) {
    if (!d.foreColor) fore_ = kSysWindowText;
}

void Line::setBorderWidth(int w) {
    borderWidth_ = w;
    changed();
}

void Line::paint(QPainter& p) const {
    QPen pen(toQColor(fore_));
    pen.setWidth(borderWidth_);
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    p.drawLine(QPointF(toPixelsF(left_), toPixelsF(top_)), QPointF(toPixelsF(width_), toPixelsF(height_)));
}

// --- Shape ------------------------------------------------------------------------------

Shape::Shape(Form& form, const ControlDesign& d) : Control(form, d), shape_(d.shape), filled_(d.filled), borderWidth_(d.borderWidth) {
    if (!d.foreColor) fore_ = kSysWindowText;
    if (!d.backColor) back_ = kSysWindow;
}

void Shape::paint(QPainter& p) const {
    QRectF r(toPixelsF(left_), toPixelsF(top_), toPixelsF(width_), toPixelsF(height_));
    const bool round = shape_ == ShapeKind::Circle || shape_ == ShapeKind::Oval;
    if (shape_ == ShapeKind::Circle || shape_ == ShapeKind::Square || shape_ == ShapeKind::RoundedSquare) {
        const double side = std::min(r.width(), r.height());
        r = QRectF(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
    }
    QPen pen(toQColor(fore_));
    pen.setWidth(borderWidth_);
    p.setPen(pen);
    p.setBrush(filled_ ? QBrush(toQColor(back_)) : Qt::NoBrush);
    const QRectF inner = r.adjusted(0, 0, -1, -1);
    if (round) {
        p.setRenderHint(QPainter::Antialiasing, true);
        p.drawEllipse(inner);
        p.setRenderHint(QPainter::Antialiasing, false);
    } else if (shape_ == ShapeKind::RoundedRectangle || shape_ == ShapeKind::RoundedSquare) {
        p.drawRoundedRect(inner, 4, 4);
    } else {
        p.drawRect(inner);
    }
    p.setBrush(Qt::NoBrush);
}

// --- Image ------------------------------------------------------------------------------

Image::Image(Form& form, const ControlDesign& d) : Control(form, d), stretch_(d.stretch), border_(d.singleBorder) {
    if (!d.picture.isEmpty()) {
        picture_ = shell::LoadPicture(d.picture);
        if (!stretch_) {
            width_ = toTwips(picture_.widthPixels());
            height_ = toTwips(picture_.heightPixels());
        }
    }
}

void Image::setPicture(const shell::Picture& pic) {
    picture_ = pic;
    if (!stretch_ && !pic.isNull()) {
        width_ = toTwips(pic.widthPixels());
        height_ = toTwips(pic.heightPixels());
    }
    changed();
}

void Image::paint(QPainter& p) const {
    const QRect r = pixelRect(left_, top_, width_, height_);
    if (!picture_.isNull()) {
        if (stretch_) {
            // Over the whole rectangle, border included: a picture made to the control's
            // size stays unscaled.
            p.drawImage(r, picture_.image());
        } else {
            p.drawImage(r.topLeft(), picture_.image());
        }
    }
    if (border_) {
        p.setPen(QPen(QColor(0, 0, 0), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
}

// --- PictureBox -------------------------------------------------------------------------

PictureBox::PictureBox(Form& form, const ControlDesign& d) : Control(form, d) {
    if (!d.picture.isEmpty()) picture_ = shell::LoadPicture(d.picture);
    if (!d.backColor) back_ = kSysButtonFace;
}

void PictureBox::setPicture(const shell::Picture& pic) {
    picture_ = pic;
    changed();
}

void PictureBox::createWidget(QWidget* parent) {
    widget_ = new PictureWidget(*this, parent);
    adoptWidget(*this, widget_);
    syncWidget();
}

void PictureBox::syncWidget() {
    placeWidget(*this);
    if (widget_) widget_->update();
}

// --- CommandButton ----------------------------------------------------------------------

CommandButton::CommandButton(Form& form, const ControlDesign& d) : Control(form, d), caption_(d.caption), style_(d.buttonStyle) {
    if (!d.picture.isEmpty()) picture_ = shell::LoadPicture(d.picture);
}

void CommandButton::setCaption(const QString& c) {
    caption_ = c;
    changed();
}

void CommandButton::setPicture(const shell::Picture& p) {
    picture_ = p;
    changed();
}

void CommandButton::createWidget(QWidget* parent) {
    auto* b = style_ == ButtonStyle::Graphical ? new GraphicalButton(*this, parent) : new QPushButton(parent);
    widget_ = b;
    adoptWidget(*this, b);
    QObject::connect(b, &QPushButton::clicked, b, [this] { click(); });
    syncWidget();
}

void CommandButton::syncWidget() {
    placeWidget(*this);
    if (auto* b = qobject_cast<QPushButton*>(widget_)) {
        b->setText(caption_);
        b->update();  // a graphical button paints its colours and picture itself
    }
}

// --- CheckBox ---------------------------------------------------------------------------

CheckBox::CheckBox(Form& form, const ControlDesign& d) : Control(form, d), caption_(d.caption), value_(d.value) {}

void CheckBox::setValue(int v) {
    if (v == value_) return;
    value_ = v;
    changed();
    fire(onClick);
}

void CheckBox::setCaption(const QString& c) {
    caption_ = c;
    changed();
}

void CheckBox::click() {
    if (!visible_ || !enabled_) return;
    form_.dispatchUser([this] { setValue(value_ == 0 ? 1 : 0); });
}

void CheckBox::createWidget(QWidget* parent) {
    auto* b = new QCheckBox(parent);
    widget_ = b;
    adoptWidget(*this, b);
    b->setTristate(true);
    // The box shows the model's value; a click asks the model, which decides.
    QObject::connect(b, &QCheckBox::clicked, b, [this] {
        syncWidget();
        click();
    });
    syncWidget();
}

void CheckBox::syncWidget() {
    placeWidget(*this);
    auto* b = qobject_cast<QCheckBox*>(widget_);
    if (!b) return;
    const QSignalBlocker block(b);
    b->setText(caption_);
    b->setCheckState(value_ == 1 ? Qt::Checked : value_ == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
    applyColors(b, back_, fore_, true);
}

// --- FormsCheckBox ----------------------------------------------------------------------

FormsCheckBox::FormsCheckBox(Form& form, const ControlDesign& d) : Control(form, d), caption_(d.caption), value_(d.value != 0) {}

void FormsCheckBox::setValue(bool v) {
    if (v == value_) return;
    value_ = v;
    changed();
    fire(onClick);
    fire(onChange);
}

void FormsCheckBox::setCaption(const QString& c) {
    caption_ = c;
    changed();
}

void FormsCheckBox::click() {
    if (!visible_ || !enabled_) return;
    form_.dispatchUser([this] { setValue(!value_); });
}

void FormsCheckBox::createWidget(QWidget* parent) {
    auto* b = new QCheckBox(parent);
    widget_ = b;
    adoptWidget(*this, b);
    QObject::connect(b, &QCheckBox::clicked, b, [this] {
        syncWidget();
        click();
    });
    syncWidget();
}

void FormsCheckBox::syncWidget() {
    placeWidget(*this);
    auto* b = qobject_cast<QCheckBox*>(widget_);
    if (!b) return;
    const QSignalBlocker block(b);
    b->setText(caption_);
    b->setChecked(value_);
    applyColors(b, back_, fore_, true);
}

// --- SpinButton -------------------------------------------------------------------------

SpinButton::SpinButton(Form& form, const ControlDesign& d) : Control(form, d), orientation_(d.orientation) {}

void SpinButton::createWidget(QWidget* parent) {
    widget_ = new SpinWidget(*this, parent);
    adoptWidget(*this, widget_);
    syncWidget();
}

void SpinButton::syncWidget() { placeWidget(*this); }

void SpinButton::spinUp() {
    if (!visible_ || !enabled_) return;
    form_.dispatchUser(onSpinUp);
}

void SpinButton::spinDown() {
    if (!visible_ || !enabled_) return;
    form_.dispatchUser(onSpinDown);
}

// --- TextBox ----------------------------------------------------------------------------

TextBox::TextBox(Form& form, const ControlDesign& d)
    : Control(form, d), text_(d.caption), multiLine_(d.multiLine), imeOff_(d.imeOff), align_(d.alignment) {
    if (!d.backColor) back_ = kSysWindow;
    if (!d.foreColor) fore_ = kSysWindowText;
}

QString TextBox::Text() const { return text_; }

void TextBox::setText(const QString& t) {
    if (t == text_) return;
    text_ = t;
    changed();
    fire(onChange);
}

void TextBox::setLocked(bool l) {
    locked_ = l;
    changed();
}

int TextBox::SelStart() const {
    if (const auto* e = qobject_cast<const QLineEdit*>(widget_)) return e->hasSelectedText() ? e->selectionStart() : e->cursorPosition();
    return std::min(selStart_, static_cast<int>(text_.size()));
}

void TextBox::setSelStart(int start) {
    selStart_ = std::clamp(start, 0, static_cast<int>(text_.size()));
    selLength_ = 0;
    showSelection();
}

int TextBox::SelLength() const {
    if (const auto* e = qobject_cast<const QLineEdit*>(widget_)) return e->hasSelectedText() ? e->selectionLength() : 0;
    return std::min(selLength_, static_cast<int>(text_.size()) - SelStart());
}

void TextBox::setSelLength(int length) {
    selStart_ = SelStart();
    selLength_ = std::clamp(length, 0, static_cast<int>(text_.size()) - selStart_);
    showSelection();
}

void TextBox::showSelection() {
    if (auto* e = qobject_cast<QLineEdit*>(widget_)) {
        if (selLength_ > 0) {
            e->setSelection(selStart_, selLength_);
        } else {
            e->setCursorPosition(selStart_);
        }
    } else if (auto* m = qobject_cast<QPlainTextEdit*>(widget_)) {
        // A multi-line box scrolls to the cursor: a log moved to its end shows its last line.
        QTextCursor c = m->textCursor();
        c.setPosition(selStart_);
        c.setPosition(selStart_ + selLength_, QTextCursor::KeepAnchor);
        m->setTextCursor(c);
        m->ensureCursorVisible();
    }
}

void TextBox::type(const QString& t) {
    if (!visible_ || !enabled_ || locked_) return;
    form_.dispatchUser([this, t] { setText(t); });
}

void TextBox::textEdited(const QString& t) {
    if (syncing_) return;
    bool taken = false;
    form_.dispatchUser([this, t, &taken] {
        taken = true;
        if (t == text_) return;
        text_ = t;
        fire(onChange);
    });
    if (!taken) changed();  // a busy window keeps its text: the box shows it again
}

void TextBox::createWidget(QWidget* parent) {
    if (multiLine_) {
        auto* e = new QPlainTextEdit(parent);
        widget_ = e;
        QObject::connect(e, &QPlainTextEdit::textChanged, e, [this, e] { textEdited(e->toPlainText()); });
    } else {
        auto* e = new QLineEdit(parent);
        widget_ = e;
        QObject::connect(e, &QLineEdit::textEdited, e, [this](const QString& t) { textEdited(t); });
    }
    adoptWidget(*this, widget_);
    if (imeOff_) widget_->setAttribute(Qt::WA_InputMethodEnabled, false);
    syncWidget();
}

void TextBox::syncWidget() {
    placeWidget(*this);
    if (!widget_) return;
    syncing_ = true;
    if (auto* e = qobject_cast<QLineEdit*>(widget_)) {
        if (e->text() != text_) e->setText(text_);
        e->setReadOnly(locked_);
        e->setAlignment(align_ == Align::Center ? Qt::AlignHCenter : align_ == Align::Right ? Qt::AlignRight : Qt::AlignLeft);
    } else if (auto* m = qobject_cast<QPlainTextEdit*>(widget_)) {
        if (m->toPlainText() != text_) m->setPlainText(text_);
        m->setReadOnly(locked_);
    }
    QPalette pal = widget_->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        pal.setColor(group, QPalette::Base, toQColor(back_));
    for (const auto group : kEnabledGroups) pal.setColor(group, QPalette::Text, toQColor(fore_));
    pal.setColor(QPalette::Disabled, QPalette::Text, greyedText());
    widget_->setPalette(pal);
    syncing_ = false;
}

// --- OptionButton -----------------------------------------------------------------------

OptionButton::OptionButton(Form& form, const ControlDesign& d) : Control(form, d), caption_(d.caption), value_(d.value != 0) {}

void OptionButton::setValue(bool v) {
    if (v == value_) return;
    value_ = v;
    if (v) {
        for (const auto& c : form_.allControls()) {
            auto* other = dynamic_cast<OptionButton*>(c.get());
            if (other && other != this && other->Container() == container_ && other->value_) {
                other->value_ = false;
                other->changed();
            }
        }
    }
    changed();
    if (v) fire(onClick);
}

void OptionButton::click() {
    if (!visible_ || !enabled_) return;
    form_.dispatchUser([this] { setValue(true); });
}

void OptionButton::createWidget(QWidget* parent) {
    auto* b = new QRadioButton(parent);
    b->setStyle(classicOptionStyle());
    widget_ = b;
    b->setAutoExclusive(false);  // the model keeps the group
    adoptWidget(*this, b);
    QObject::connect(b, &QRadioButton::clicked, b, [this] {
        syncWidget();
        click();
    });
    syncWidget();
}

void OptionButton::syncWidget() {
    placeWidget(*this);
    auto* b = qobject_cast<QRadioButton*>(widget_);
    if (!b) return;
    const QSignalBlocker block(b);
    b->setText(caption_);
    b->setChecked(value_);
    applyColors(b, back_, fore_, true);
}

// --- Frame ------------------------------------------------------------------------------

Frame::Frame(Form& form, const ControlDesign& d) : Control(form, d), caption_(d.caption) {
    if (!d.backColor) back_ = form.BackColor();
}

void Frame::createWidget(QWidget* parent) {
    widget_ = new QGroupBox(parent);
    syncWidget();
}

void Frame::syncWidget() {
    placeWidget(*this);
    if (auto* g = qobject_cast<QGroupBox*>(widget_)) {
        g->setTitle(caption_);
        applyColors(g, back_, fore_, true);
    }
}

// --- ComboBox ---------------------------------------------------------------------------

ComboBox::ComboBox(Form& form, const ControlDesign& d) : Control(form, d), items_(d.items), text_(d.caption) {}

void ComboBox::setListIndex(int i) {
    if (i < -1 || i >= ListCount()) {
        throw std::out_of_range((QStringLiteral("リストに項目がありません: ") + name_ + u'(' + QString::number(i) + u')').toStdString());
    }
    if (i == listIndex_) return;
    listIndex_ = i;
    if (i >= 0) text_ = items_[i];
    changed();
    fire(onClick);
}

void ComboBox::setText(const QString& t) {
    if (t == text_) return;
    text_ = t;
    listIndex_ = static_cast<int>(items_.indexOf(t));
    changed();
    fire(onChange);
}

void ComboBox::AddItem(const QString& item) {
    items_ << item;
    changed();
}

void ComboBox::Clear() {
    items_.clear();
    listIndex_ = -1;
    changed();
}

void ComboBox::type(const QString& t) {
    if (!visible_ || !enabled_) return;
    form_.dispatchUser([this, t] { setText(t); });
}

void ComboBox::textEdited(const QString& t) {
    bool taken = false;
    form_.dispatchUser([this, t, &taken] {
        taken = true;
        setText(t);
    });
    if (!taken) changed();  // a busy window keeps its text: the box shows it again
}

void ComboBox::createWidget(QWidget* parent) {
    auto* c = new QComboBox(parent);
    widget_ = c;
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);  // the program decides what the list holds
    adoptWidget(*this, c);
    QObject::connect(c, &QComboBox::activated, c, [this](int i) { form_.dispatchUser([this, i] { setListIndex(i); }); });
    QObject::connect(c->lineEdit(), &QLineEdit::textEdited, c, [this](const QString& t) { textEdited(t); });
    syncWidget();
}

void ComboBox::syncWidget() {
    placeWidget(*this);
    auto* c = qobject_cast<QComboBox*>(widget_);
    if (!c) return;
    const QSignalBlocker block(c);
    QStringList shown;
    for (int i = 0; i < c->count(); ++i) shown << c->itemText(i);
    if (shown != items_) {
        c->clear();
        c->addItems(items_);
    }
    c->setCurrentIndex(listIndex_);
    if (c->currentText() != text_) c->setEditText(text_);
}

// --- Timer ------------------------------------------------------------------------------

Timer::Timer(Form& form, const ControlDesign& d) : Control(form, d), interval_(d.interval) {}

Timer::~Timer() = default;

void Timer::setInterval(int ms) {
    if (ms == interval_) return;
    interval_ = ms;
    ticker_.reset();  // counting starts again
    changed();
}

void Timer::tick() {
    if (!enabled_ || interval_ <= 0) return;
    form_.dispatchUser(onTimer);
}

void Timer::changed() {
    if (enabled_ && interval_ > 0 && form_.isLoaded()) {
        if (!ticker_) ticker_ = services().clock->every(interval_, [this] { tick(); });
    } else {
        // Also from inside a tick: the clock lets its ticker go while it runs.
        ticker_.reset();
    }
}

}  // namespace forms
