#pragma once
// A window in the image of the classic form: one program-wide instance per window class,
// created and loaded (its load step runs) on first reference, unloaded with its controls
// destroyed, loaded again from its design by the next reference.
//
//   auto& w = forms::instance<Hyser_Main>();   // loads it when it is not loaded
//   w.Show();
//   w.Unload();                                // also from inside its own handlers
//
// Geometry is in twips. Width and Height are outer sizes: the client area plus fixed
// frame metrics for the border style (and the menu bar when the window has one).
// The drawing surface keeps what was drawn until Cls or a change of the background; it
// lies among the windowless controls where the design's drawingSurface() row puts it
// (above them all when the design names no place) and below the windowed ones.

#include "platform/forms/Controls.h"

#include <QImage>

#include <memory>
#include <optional>
#include <typeindex>
#include <vector>

class QWidget;
class QAction;
class QMenuBar;

namespace forms {

class FormWindow;
class FormCanvas;

class MenuItem {
public:
    MenuItem(Form& form, const MenuDesign& d);
    const QString& Name() const { return name_; }
    int level() const { return level_; }
    QString Caption() const { return caption_; }
    void setCaption(const QString& c);
    bool Visible() const { return visible_; }
    void setVisible(bool v);
    bool Enabled() const { return enabled_; }
    void setEnabled(bool v);
    bool Checked() const { return checked_; }
    void setChecked(bool c);
    bool isSeparator() const { return caption_ == QStringLiteral("-"); }
    MenuItem* parentItem() const { return parent_; }
    const std::vector<MenuItem*>& children() const { return children_; }

    // The user's pick: runs the Click handler when the item and every menu above it
    // are visible and enabled and the window is not busy.
    void click();

    Handler onClick;

private:
    friend class Form;
    void sync();
    Form& form_;
    QString name_;
    int level_;
    QString caption_;
    bool visible_, enabled_, checked_;
    MenuItem* parent_ = nullptr;
    std::vector<MenuItem*> children_;
    QAction* action_ = nullptr;
};

// One primitive of the drawing surface, in client twips.
struct DrawOp {
    enum Kind { Point, Line, Text };
    Kind kind = Point;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int width = 1;  // pen width in pixels
    Color color = 0;
    QString text;
    FontDesign font;
};

enum WindowStateValue { vbNormal = 0, vbMinimized = 1, vbMaximized = 2 };

class Form {
public:
    explicit Form(FormDesign design);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Events of the window itself.
    virtual void Form_Load() {}
    virtual void Form_Unload(int& cancel) { (void)cancel; }
    virtual void Form_Resize() {}
    virtual void Form_Click() {}
    virtual void Form_KeyPress(int& keyAscii) { (void)keyAscii; }

    const QString& Name() const { return design_.name; }
    bool isLoaded() const { return loaded_; }

    QString Caption() const { return caption_; }
    void setCaption(const QString& c);
    Color BackColor() const { return back_; }
    void setBackColor(Color c);  // a new colour wipes the drawing surface
    void setIcon(const shell::Picture& icon);

    double Left() const { return left_; }
    double Top() const { return top_; }
    double Width() const { return width_; }
    double Height() const { return height_; }
    void setLeft(double v);
    void setTop(double v);
    void setWidth(double v);
    void setHeight(double v);
    void Move(double left, double top);
    // The client area in the current scale (twips unless Scale was called).
    double ScaleWidth() const;
    double ScaleHeight() const;
    double ScaleLeft() const { return scaleLeft_; }
    double ScaleTop() const { return scaleTop_; }
    // A user scale: (x1, y1) is the top left corner and (x2, y2) the bottom right.
    void Scale(double x1, double y1, double x2, double y2);
    void ScaleReset();
    double clientWidthTwips() const;
    double clientHeightTwips() const;
    // Frame metrics of the border style: the outer size minus the client size.
    double frameWidth() const;
    double frameHeight() const;

    int WindowState() const { return state_; }
    void setWindowState(int state);
    bool Visible() const { return visible_; }
    void Show();
    void Hide();
    // Unloads the window; safe from inside its own handlers.
    void Unload();
    // True once the window has painted itself since it was last shown.
    bool hasPainted() const { return paints_ > paintsAtShow_; }
    // Lets events other than the user's run until the window has painted since it was
    // shown, for at most the given time: under a window manager a window shows some time
    // after Show, and without one it may never. True when it has painted.
    bool waitUntilPainted(int milliseconds);

    // Drawing surface.
    int DrawWidth() const { return drawWidth_; }
    void setDrawWidth(int pixels);
    Color ForeColor() const { return foreColor_; }
    void setForeColor(Color c) { foreColor_ = c; }
    double CurrentX() const { return currentX_; }
    double CurrentY() const { return currentY_; }
    void setCurrentX(double x) { currentX_ = x; }
    void setCurrentY(double y) { currentY_ = y; }
    void setFont(const FontDesign& f) { font_ = f; }
    void PSet(double x, double y, Color color);
    void PSet(double x, double y) { PSet(x, y, foreColor_); }
    void Line(double x1, double y1, double x2, double y2, Color color);
    void Print(const QString& text);
    void Cls();
    const std::vector<DrawOp>& drawing() const { return drawing_; }
    // Puts back a drawing taken earlier with drawing(): what a change of the background
    // wiped comes back exactly as it was drawn.
    void restoreDrawing(std::vector<DrawOp> ops);

    // The client area as it shows: the controls and the drawing surface, one pixel for
    // every 15 twips whatever the screen's device pixel ratio (see grabLogical).
    QImage grabClient();
    // Prints the client area on the default printer. Throws std::runtime_error when
    // that fails, with the whole message for the user: "印刷できませんでした。", a line
    // break and the printer's reason. Show it as it is.
    void PrintForm();

    // Controls by name, as the design names them.
    template <class T>
    T& control(const QString& name) const {
        T* c = dynamic_cast<T*>(find(name, -1));
        if (!c) throw std::logic_error((QStringLiteral("no control ") + name + QStringLiteral(" of that kind in ") + Name()).toStdString());
        return *c;
    }
    template <class T>
    ControlArray<T> controls(const QString& name) const {
        std::map<int, T*> items;
        for (const auto& c : controls_) {
            if (c->Name() == name && c->Index() >= 0) {
                T* t = dynamic_cast<T*>(c.get());
                if (!t) throw std::logic_error((QStringLiteral("control array of another kind: ") + name).toStdString());
                items[c->Index()] = t;
            }
        }
        if (items.empty())
            throw std::logic_error((QStringLiteral("no control array ") + name + QStringLiteral(" in ") + Name()).toStdString());
        return ControlArray<T>(name, std::move(items));
    }
    Control* find(const QString& name, int index) const;
    const std::vector<std::unique_ptr<Control>>& allControls() const { return controls_; }
    MenuItem& menu(const QString& name) const;
    const std::vector<std::unique_ptr<MenuItem>>& menus() const { return menus_; }
    Control* ActiveControl() const { return active_; }

    // A window busy in a load, a station choice or a capture ignores the user's input
    // to itself until it is done.
    bool busy() const { return busy_ > 0; }
    class BusyScope {
    public:
        explicit BusyScope(Form& f) : f_(f) { ++f_.busy_; }
        ~BusyScope() { --f_.busy_; }
        BusyScope(const BusyScope&) = delete;
        BusyScope& operator=(const BusyScope&) = delete;

    private:
        Form& f_;
    };

    // Hides controls for a moment and shows them again, in the same order, when it ends,
    // however it ends (a capture without its buttons). The focus stays with the control
    // that has it: one that is hidden passes it to no other control meanwhile (the toolkit
    // would give it to the next, a text box with its text selected) and has it back
    // afterwards. No focus event runs: for the window the focus never moved.
    class HiddenControls {
    public:
        HiddenControls(Form& f, std::initializer_list<Control*> controls);
        ~HiddenControls();
        HiddenControls(const HiddenControls&) = delete;
        HiddenControls& operator=(const HiddenControls&) = delete;

    private:
        Form& f_;
        std::vector<Control*> controls_;
        Control* parked_ = nullptr;  // the focused control among them
    };

    // --- the platform's side ---
    // Runs a handler for the user's input: ignored while busy; a failure is shown to the
    // user in a message box instead of ending the program.
    void dispatchUser(const Handler& h);
    // Runs a handler raised by code (a value changed).
    void dispatchCode(const Handler& h);
    void focusTo(Control* c);  // SetFocus from code or the user
    // The user moved the focus onto a control (clicking it, tabbing to it). Focus that
    // the toolkit moves by itself while a control is hidden or disabled is not the
    // user's and raises no event.
    void userFocused(Control* c);
    class WidgetSync {
    public:
        explicit WidgetSync(Form& f) : f_(f) { ++f_.syncingWidgets_; }
        ~WidgetSync() { --f_.syncingWidgets_; }
        WidgetSync(const WidgetSync&) = delete;
        WidgetSync& operator=(const WidgetSync&) = delete;

    private:
        Form& f_;
    };
    void controlChanged(const Control& c);  // repaint or move a widget
    void repaintControl(const Control& c);  // a windowless control's own area, nothing more
    void paintClient(QPainter& p) const;
    void clientPainted() { ++paints_; }
    void clientPressed(double xTwips, double yTwips);
    void clientResized(int widthPx, int heightPx);
    void userClosed();
    void stateChangedByUser(int state);
    void load();
    QWidget* clientWidget() const;
    QWidget* windowWidget() const;

private:
    void discard();
    void buildWindow();
    void applyGeometry();
    double toClientX(double x) const;
    double toClientY(double y) const;
    void paintDrawing(QPainter& p) const;

    FormDesign design_;
    std::vector<std::unique_ptr<Control>> controls_;
    std::vector<std::unique_ptr<MenuItem>> menus_;
    std::unique_ptr<FormWindow> window_;
    FormCanvas* canvas_ = nullptr;
    QMenuBar* menuBar_ = nullptr;

    QString caption_;
    Color back_;
    double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    double scaleLeft_ = 0, scaleTop_ = 0, scaleW_ = 0, scaleH_ = 0;
    bool userScale_ = false;
    int state_ = vbNormal;
    bool visible_ = false;
    int paints_ = 0;        // paints of the client area
    int paintsAtShow_ = 0;  // ... when the window was last shown
    bool loaded_ = false;
    int busy_ = 0;
    int drawWidth_ = 1;
    Color foreColor_ = kSysWindowText;
    double currentX_ = 0, currentY_ = 0;
    FontDesign font_;
    std::vector<DrawOp> drawing_;
    std::optional<std::size_t> drawingPlace_;  // the index of the first control above the drawing
    Control* active_ = nullptr;
    bool applyingGeometry_ = false;
    int syncingWidgets_ = 0;
    bool focusHandoff_ = false;  // the focused control went away; the toolkit picks the next
};

// A widget and its children as they show, rendered at the widget's size in logical pixels
// (one for every 15 twips) whatever the device pixel ratio of the screen it is on: a
// capture is the same picture on a scaled screen as on a plain one, and the printer takes
// it at 96 pixels to the inch.
QImage grabLogical(QWidget& widget);

// --- Program-wide instances ---------------------------------------------------------

namespace detail {
Form* findInstance(std::type_index type);
void storeInstance(std::type_index type, std::unique_ptr<Form> form);
}  // namespace detail

// The window's single instance, loaded on first reference.
template <class W>
W& instance() {
    if (Form* f = detail::findInstance(std::type_index(typeid(W)))) return static_cast<W&>(*f);
    auto created = std::make_unique<W>();
    W& w = *created;
    detail::storeInstance(std::type_index(typeid(W)), std::move(created));
    w.load();
    return w;
}

// True when the window is loaded, without loading it.
template <class W>
bool isLoaded() {
    return detail::findInstance(std::type_index(typeid(W))) != nullptr;
}

// Unloads every window and frees them (the end of the program, or of a test).
void destroyAllForms();
// Frees the windows that were unloaded, once no handler of theirs is running.
void collectUnloadedForms();

}  // namespace forms
