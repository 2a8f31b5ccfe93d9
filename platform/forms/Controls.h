#pragma once
// The controls of a window. Labels, lines, shapes and images are windowless: the
// window's client area paints them in design order and hit-tests them itself. The others
// are real widgets above them. Every control keeps its geometry in twips.
//
// Events fire as the classic toolkit fires them. Setting a value from code raises the
// control's event only when the value changes, as the user's change of it does: Click for
// a check box, an option button and a combo box's selection; Click and Change for the
// two-state box; Change for the text of a text box or a combo box. A text box fires
// LostFocus when the focus moves to another control of its window. The user's input
// reaches a handler only while the window is not busy.

#include "platform/ado/Ado.h"
#include "platform/forms/Design.h"
#include "platform/shell/Picture.h"

#include <QFont>
#include <QPointer>
#include <QRectF>
#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <stdexcept>

class QPainter;
class QWidget;

namespace forms {

class Form;
class Ticker;

using Handler = std::function<void()>;

QFont toQFont(const FontDesign& font);
// The width of a text in twips, as a label in this font shows it on one line.
double textWidthTwips(const FontDesign& font, const QString& text);

class Control {
public:
    Control(Form& form, const ControlDesign& design);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Kind kind() const { return kind_; }
    const QString& Name() const { return name_; }
    int Index() const { return index_; }
    Form& Parent() const { return form_; }
    const QString& Container() const { return container_; }

    double Left() const { return left_; }
    double Top() const { return top_; }
    double Width() const { return width_; }
    double Height() const { return height_; }
    void setLeft(double v);
    void setTop(double v);
    void setWidth(double v);
    void setHeight(double v);
    void Move(double left, double top);
    void Move(double left, double top, double width, double height);
    QRectF rect() const { return QRectF(left_, top_, width_, height_); }

    bool Visible() const { return visible_; }
    void setVisible(bool v);
    bool Enabled() const { return enabled_; }
    void setEnabled(bool v);

    Color BackColor() const { return back_; }
    void setBackColor(Color c);
    Color ForeColor() const { return fore_; }
    void setForeColor(Color c);
    const FontDesign& Font() const { return font_; }
    void setFontSize(double points);
    void setFontBold(bool bold);
    void setFontName(const QString& name);

    // Windowed controls are real widgets, above every windowless control.
    virtual bool windowed() const = 0;
    // Windowless controls that take clicks over their whole rectangle.
    virtual bool takesClicks() const { return false; }
    virtual bool canFocus() const { return false; }
    virtual void paint(QPainter&) const {}

    // Gives this control the focus (GotFocus here, LostFocus on the one that had it).
    void SetFocus();

    Handler onClick;
    Handler onDblClick;
    Handler onGotFocus;
    Handler onLostFocus;

    // A user's click on the control, as the pointer gives it: ignored while the window
    // is busy, hidden or disabled.
    virtual void click();

    // The platform's side: the widget of a windowed control (null for windowless ones,
    // and once the window's widgets are gone). The widget belongs to its Qt parent, the
    // window's client area or a frame; a control only refers to it, and deletes it only
    // when the control goes first.
    QWidget* widget() const;
    virtual void createWidget(QWidget* parent);
    int tabIndex() const { return tabIndex_; }
    void refresh() { changed(); }
    bool tabStop() const { return tabStop_; }

protected:
    virtual void changed();       // a property that shows changed
    virtual void syncWidget() {}  // push the state into the widget
    void fire(const Handler& h);  // an event raised by code (value changes)

    Form& form_;
    Kind kind_;
    QString name_;
    int index_;
    QString container_;
    double left_, top_, width_, height_;
    bool visible_;
    bool enabled_;
    Color back_;
    Color fore_;
    FontDesign font_;
    int tabIndex_;
    bool tabStop_;
    QPointer<QWidget> widget_;
};

class Label final : public Control {
public:
    Label(Form& form, const ControlDesign& d);

    // A bound label shows its field of the recordset's current row, and the empty text
    // while the recordset has no current row; it repaints when its recordset moves, and
    // only then (the label keeps its recordset alive while bound to it).
    QString Caption() const;
    void setCaption(const QString& text);
    Align Alignment() const { return align_; }
    void setAlignment(Align a);
    bool transparent() const { return transparent_; }
    void setTransparent(bool t);
    bool hasBorder() const { return border_; }
    // The height in twips that shows every line of the caption, wrapped at the label's
    // width as it is painted, the border included: at least one line.
    double fittedHeight() const;

    void setDataSource(std::shared_ptr<ado::Recordset> rs);
    void setDataField(const QString& field);
    const std::shared_ptr<ado::Recordset>& DataSource() const { return source_; }
    const QString& DataField() const { return field_; }

    bool windowed() const override { return false; }
    bool takesClicks() const override { return true; }
    void paint(QPainter& p) const override;

private:
    QString caption_;
    Align align_;
    bool transparent_;
    bool border_;
    bool breakWords_;
    std::shared_ptr<ado::Recordset> source_;
    ado::MoveSubscription following_;
    QString field_;
};

class Line final : public Control {
public:
    Line(Form& form, const ControlDesign& d);
    double X1() const { return left_; }
    double Y1() const { return top_; }
    double X2() const { return width_; }
    double Y2() const { return height_; }
    void setX1(double v) { setLeft(v); }
    void setY1(double v) { setTop(v); }
    void setX2(double v) { setWidth(v); }
    void setY2(double v) { setHeight(v); }
    Color BorderColor() const { return fore_; }
    void setBorderColor(Color c) { setForeColor(c); }
    int BorderWidth() const { return borderWidth_; }
    void setBorderWidth(int w);

    bool windowed() const override { return false; }
    void paint(QPainter& p) const override;

private:
    int borderWidth_;
};

// A shape is filled with its back colour when its design makes it opaque.
class Shape final : public Control {
public:
    Shape(Form& form, const ControlDesign& d);
    Color BorderColor() const { return fore_; }
    void setBorderColor(Color c) { setForeColor(c); }
    ShapeKind shape() const { return shape_; }
    bool filled() const { return filled_; }

    bool windowed() const override { return false; }
    void paint(QPainter& p) const override;

private:
    ShapeKind shape_;
    bool filled_;
    int borderWidth_;
};

class Image final : public Control {
public:
    Image(Form& form, const ControlDesign& d);
    const shell::Picture& Picture() const { return picture_; }
    // Natural size: the control takes the picture's size; stretched: the picture
    // takes the control's.
    void setPicture(const shell::Picture& p);
    bool Stretch() const { return stretch_; }
    bool hasBorder() const { return border_; }

    bool windowed() const override { return false; }
    bool takesClicks() const override { return true; }
    void paint(QPainter& p) const override;

private:
    shell::Picture picture_;
    bool stretch_;
    bool border_;
};

class PictureBox final : public Control {
public:
    PictureBox(Form& form, const ControlDesign& d);
    const shell::Picture& Picture() const { return picture_; }
    void setPicture(const shell::Picture& p);
    bool windowed() const override { return true; }
    void createWidget(QWidget* parent) override;

protected:
    void syncWidget() override;

private:
    shell::Picture picture_;
};

// A standard button looks as the system's buttons do, whatever its back colour; a
// graphical one is filled with its back colour and shows its picture left of the caption,
// shrunk to the button's height where it is taller.
class CommandButton final : public Control {
public:
    CommandButton(Form& form, const ControlDesign& d);
    QString Caption() const { return caption_; }
    void setCaption(const QString& c);
    ButtonStyle Style() const { return style_; }
    const shell::Picture& Picture() const { return picture_; }
    void setPicture(const shell::Picture& p);
    bool windowed() const override { return true; }
    bool canFocus() const override { return true; }
    void createWidget(QWidget* parent) override;

protected:
    void syncWidget() override;

private:
    QString caption_;
    ButtonStyle style_;
    shell::Picture picture_;
};

// The classic check box: Value 0 (unchecked), 1 (checked), 2 (grey); Click on change.
class CheckBox final : public Control {
public:
    CheckBox(Form& form, const ControlDesign& d);
    int Value() const { return value_; }
    void setValue(int v);
    QString Caption() const { return caption_; }
    void setCaption(const QString& c);
    bool windowed() const override { return true; }
    bool canFocus() const override { return true; }
    void createWidget(QWidget* parent) override;
    void click() override;  // the user's click: 0 -> 1, 1 or 2 -> 0

protected:
    void syncWidget() override;

private:
    QString caption_;
    int value_;
};

// The two-state check box with Click and Change, both raised when the value changes.
class FormsCheckBox final : public Control {
public:
    FormsCheckBox(Form& form, const ControlDesign& d);
    bool Value() const { return value_; }
    void setValue(bool v);
    QString Caption() const { return caption_; }
    void setCaption(const QString& c);
    bool windowed() const override { return true; }
    bool canFocus() const override { return true; }
    void createWidget(QWidget* parent) override;
    void click() override;

    Handler onChange;

protected:
    void syncWidget() override;

private:
    QString caption_;
    bool value_;
};

class SpinButton final : public Control {
public:
    SpinButton(Form& form, const ControlDesign& d);
    Orientation orientation() const { return orientation_; }
    bool windowed() const override { return true; }
    bool canFocus() const override { return true; }
    void createWidget(QWidget* parent) override;

    // The user's press of an arrow.
    void spinUp();
    void spinDown();

    Handler onSpinUp;
    Handler onSpinDown;

protected:
    void syncWidget() override;

private:
    Orientation orientation_;
};

class TextBox final : public Control {
public:
    TextBox(Form& form, const ControlDesign& d);
    QString Text() const;
    void setText(const QString& t);
    bool multiLine() const { return multiLine_; }
    bool Locked() const { return locked_; }
    void setLocked(bool l);
    Align Alignment() const { return align_; }
    // The selected part of the text, as the box shows it: where it starts (0 before the
    // first character) and how many characters it takes. Setting the start puts the
    // cursor there and selects nothing; both are kept within the text.
    int SelStart() const;
    void setSelStart(int start);
    int SelLength() const;
    void setSelLength(int length);
    bool windowed() const override { return true; }
    bool canFocus() const override { return true; }
    void createWidget(QWidget* parent) override;
    // The user typing: replaces the text as the keyboard would.
    void type(const QString& t);

    Handler onChange;

protected:
    void syncWidget() override;

private:
    void textEdited(const QString& t);
    void showSelection();
    QString text_;
    bool multiLine_;
    bool imeOff_;
    Align align_;
    int selStart_ = 0;
    int selLength_ = 0;
    bool locked_ = false;
    bool syncing_ = false;
};

class OptionButton final : public Control {
public:
    OptionButton(Form& form, const ControlDesign& d);
    bool Value() const { return value_; }
    // Selecting one clears the others of its container.
    void setValue(bool v);
    QString Caption() const { return caption_; }
    bool windowed() const override { return true; }
    bool canFocus() const override { return true; }
    void createWidget(QWidget* parent) override;
    void click() override;

protected:
    void syncWidget() override;

private:
    QString caption_;
    bool value_;
};

class Frame final : public Control {
public:
    Frame(Form& form, const ControlDesign& d);
    QString Caption() const { return caption_; }
    bool windowed() const override { return true; }
    void createWidget(QWidget* parent) override;

protected:
    void syncWidget() override;

private:
    QString caption_;
};

// The drop-down combo: a list and a text the user can type; the design's text is the
// first Text.
class ComboBox final : public Control {
public:
    ComboBox(Form& form, const ControlDesign& d);
    int ListIndex() const { return listIndex_; }
    // Selects an item (-1: none) and shows it as the text; Click when the selection
    // changes. Throws std::out_of_range for an index that is not in the list.
    void setListIndex(int i);
    QString Text() const { return text_; }
    // Change when the text changes; an item that reads the same becomes the selection.
    void setText(const QString& t);
    int ListCount() const { return static_cast<int>(items_.size()); }
    QString List(int i) const { return items_.value(i); }
    void AddItem(const QString& item);
    // Empties the list; the text stays.
    void Clear();
    bool windowed() const override { return true; }
    bool canFocus() const override { return true; }
    void createWidget(QWidget* parent) override;
    // The user typing in the edit part: replaces the text as the keyboard would.
    void type(const QString& t);

    Handler onChange;

protected:
    void syncWidget() override;

private:
    void textEdited(const QString& t);
    QStringList items_;
    int listIndex_ = -1;
    QString text_;
};

// Ticks from the clock service while it is enabled, its interval is above 0 and its
// window is loaded; it never blocks, and unloading its window stops it.
class Timer final : public Control {
public:
    Timer(Form& form, const ControlDesign& d);
    ~Timer() override;
    int Interval() const { return interval_; }
    // A new interval starts counting again from now.
    void setInterval(int ms);
    bool windowed() const override { return false; }
    bool running() const { return ticker_ != nullptr; }
    // One tick, as the clock gives it.
    void tick();

    Handler onTimer;

protected:
    void changed() override;

private:
    int interval_;
    std::unique_ptr<Ticker> ticker_;
};

// The elements of a control array, with the design's own index range.
template <class T>
class ControlArray {
public:
    ControlArray() = default;
    ControlArray(QString name, std::map<int, T*> items) : name_(std::move(name)), items_(std::move(items)) {}

    T& operator()(int index) const {
        const auto it = items_.find(index);
        if (it == items_.end()) {
            throw std::out_of_range(
                (QStringLiteral("コントロール配列の要素がありません: ") + name_ + u'(' + QString::number(index) + u')').toStdString());
        }
        return *it->second;
    }
    bool contains(int index) const { return items_.count(index) != 0; }
    int LBound() const { return items_.empty() ? 0 : items_.begin()->first; }
    int UBound() const { return items_.empty() ? -1 : items_.rbegin()->first; }
    int Count() const { return static_cast<int>(items_.size()); }
    const QString& Name() const { return name_; }

private:
    QString name_;
    std::map<int, T*> items_;
};

}  // namespace forms
