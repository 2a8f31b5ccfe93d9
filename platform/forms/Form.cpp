#include "platform/forms/Form.h"

#include "platform/forms/FontsAhead.h"
#include "platform/forms/Services.h"
#include "platform/forms/Twips.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDeadlineTimer>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindowStateChangeEvent>

#include <algorithm>
#include <functional>
#include <map>

namespace forms {

// --- The widgets behind a window ---------------------------------------------------------

class FormCanvas final : public QWidget {
public:
    FormCanvas(Form& form, QWidget* parent) : QWidget(parent), form_(form) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFocusPolicy(Qt::ClickFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        form_.paintClient(p);
        form_.clientPainted();
    }
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() != Qt::LeftButton) return;
        form_.clientPressed(e->position().x() * kTwipsPerPixel, e->position().y() * kTwipsPerPixel);
    }
    void resizeEvent(QResizeEvent*) override { form_.clientResized(width(), height()); }
    void keyPressEvent(QKeyEvent* e) override {
        const QString t = e->text();
        int key = t.isEmpty() ? 0 : t.at(0).unicode();
        if (key == 0) return QWidget::keyPressEvent(e);
        form_.dispatchUser([this, key]() mutable { form_.Form_KeyPress(key); });
    }

private:
    Form& form_;
};

class FormWindow final : public QWidget {
public:
    explicit FormWindow(Form& form) : QWidget(nullptr), form_(form) {}

protected:
    void closeEvent(QCloseEvent* e) override {
        // The window decides in its unload handler; the widget goes with the form.
        e->ignore();
        form_.userClosed();
    }
    void changeEvent(QEvent* e) override {
        if (e->type() == QEvent::WindowStateChange) {
            const auto s = windowState();
            form_.stateChangedByUser(s & Qt::WindowMinimized ? vbMinimized : s & Qt::WindowMaximized ? vbMaximized : vbNormal);
        }
        QWidget::changeEvent(e);
    }
    void keyPressEvent(QKeyEvent* e) override {
        const QString t = e->text();
        if (t.isEmpty()) return QWidget::keyPressEvent(e);
        int key = t.at(0).unicode();
        form_.dispatchUser([this, key]() mutable { form_.Form_KeyPress(key); });
    }

private:
    Form& form_;
};

// --- Instances ------------------------------------------------------------------------------

namespace {

struct Registry {
    std::map<std::type_index, std::unique_ptr<Form>> loaded;
    std::vector<std::unique_ptr<Form>> unloaded;  // waiting until no handler of theirs runs
    int depth = 0;                                // handlers running
    bool collectQueued = false;
};

Registry& registry() {
    static Registry r;
    return r;
}

void queueCollect() {
    Registry& r = registry();
    if (r.collectQueued || !QCoreApplication::instance()) return;
    r.collectQueued = true;
    QTimer::singleShot(0, [] {
        registry().collectQueued = false;
        collectUnloadedForms();
    });
}

struct FrameMetrics {
    double border;   // pixels on each side
    double caption;  // pixels
};

FrameMetrics metricsFor(BorderStyle s) {
    switch (s) {
    case BorderStyle::None: return {0, 0};
    case BorderStyle::FixedSingle:
    case BorderStyle::FixedDialog: return {3, 19};
    case BorderStyle::FixedToolWindow:
    case BorderStyle::SizableToolWindow: return {3, 15};
    case BorderStyle::Sizable: return {4, 19};
    }
    return {4, 19};
}

constexpr double kMenuBarPixels = 19;
// Containers inside containers deeper than this are a design error (a loop of frames).
constexpr int kMaxNesting = 16;

}  // namespace

namespace detail {
Form* findInstance(std::type_index type) {
    auto& loaded = registry().loaded;
    const auto it = loaded.find(type);
    return it == loaded.end() ? nullptr : it->second.get();
}

void storeInstance(std::type_index type, std::unique_ptr<Form> form) { registry().loaded[type] = std::move(form); }
}  // namespace detail

void destroyAllForms() {
    Registry& r = registry();
    // Windows may unload others while they go; take them one at a time.
    while (!r.loaded.empty()) {
        auto it = r.loaded.begin();
        std::unique_ptr<Form> f = std::move(it->second);
        r.loaded.erase(it);
        r.unloaded.push_back(std::move(f));
    }
    r.unloaded.clear();
    r.depth = 0;
}

void collectUnloadedForms() {
    Registry& r = registry();
    if (r.depth > 0) {
        queueCollect();
        return;
    }
    std::vector<std::unique_ptr<Form>> gone;
    gone.swap(r.unloaded);
}

// --- MenuItem -----------------------------------------------------------------------------

MenuItem::MenuItem(Form& form, const MenuDesign& d)
    : form_(form), name_(d.name), level_(d.level), caption_(d.caption), visible_(d.visible), enabled_(d.enabled), checked_(d.checked) {}

void MenuItem::setCaption(const QString& c) {
    caption_ = c;
    sync();
}
void MenuItem::setVisible(bool v) {
    visible_ = v;
    sync();
}
void MenuItem::setEnabled(bool v) {
    enabled_ = v;
    sync();
}
void MenuItem::setChecked(bool c) {
    checked_ = c;
    sync();
}

void MenuItem::sync() {
    if (!action_) return;
    if (!isSeparator()) action_->setText(caption_);
    action_->setVisible(visible_);
    action_->setEnabled(enabled_);
    if (!isSeparator() && children_.empty()) {
        action_->setCheckable(checked_);
        action_->setChecked(checked_);
    }
}

void MenuItem::click() {
    for (const MenuItem* m = this; m; m = m->parent_) {
        if (!m->visible_ || !m->enabled_) return;
    }
    if (isSeparator() || !children_.empty()) return;
    form_.dispatchUser(onClick);
}

// --- Form -----------------------------------------------------------------------------------

Form::Form(FormDesign design) : design_(std::move(design)), caption_(design_.caption), back_(design_.backColor) {
    const FrameMetrics m = metricsFor(design_.borderStyle);
    width_ = design_.clientWidth + toTwips(1) * 2 * m.border;
    height_ = design_.clientHeight + toTwips(1) * (2 * m.border + m.caption + (design_.menus.empty() ? 0 : kMenuBarPixels));
    if (design_.centredOnScreen) {
        left_ = std::max(0.0, (Screen().Width() - width_) / 2);
        top_ = std::max(0.0, (Screen().Height() - height_) / 2);
    }
    for (const ControlDesign& d : design_.controls) {
        if (d.kind == Kind::DrawingSurface) {
            if (drawingPlace_) {
                throw std::logic_error((QStringLiteral("two places for the drawing in ") + design_.name).toStdString());
            }
            drawingPlace_ = controls_.size();
            continue;
        }
        std::unique_ptr<Control> c;
        switch (d.kind) {
        case Kind::Label: c = std::make_unique<Label>(*this, d); break;
        case Kind::Line: c = std::make_unique<forms::Line>(*this, d); break;
        case Kind::Shape: c = std::make_unique<Shape>(*this, d); break;
        case Kind::Image: c = std::make_unique<Image>(*this, d); break;
        case Kind::PictureBox: c = std::make_unique<PictureBox>(*this, d); break;
        case Kind::CommandButton: c = std::make_unique<CommandButton>(*this, d); break;
        case Kind::CheckBox: c = std::make_unique<CheckBox>(*this, d); break;
        case Kind::FormsCheckBox: c = std::make_unique<FormsCheckBox>(*this, d); break;
        case Kind::SpinButton: c = std::make_unique<SpinButton>(*this, d); break;
        case Kind::TextBox: c = std::make_unique<TextBox>(*this, d); break;
        case Kind::OptionButton: c = std::make_unique<OptionButton>(*this, d); break;
        case Kind::Frame: c = std::make_unique<Frame>(*this, d); break;
        case Kind::ComboBox: c = std::make_unique<ComboBox>(*this, d); break;
        case Kind::Timer: c = std::make_unique<Timer>(*this, d); break;
        case Kind::DrawingSurface: break;
        }
        if (find(d.name, d.index)) {
            throw std::logic_error((QStringLiteral("two controls named ") + d.name + QStringLiteral(" in ") + design_.name).toStdString());
        }
        controls_.push_back(std::move(c));
    }
    std::vector<MenuItem*> stack;
    for (const MenuDesign& d : design_.menus) {
        auto item = std::make_unique<MenuItem>(*this, d);
        while (!stack.empty() && stack.back()->level() >= d.level) stack.pop_back();
        if (!stack.empty()) {
            item->parent_ = stack.back();
            stack.back()->children_.push_back(item.get());
        }
        stack.push_back(item.get());
        menus_.push_back(std::move(item));
    }
    buildWindow();
}

Form::~Form() {
    // Nothing of the window's may run while it goes: widgets report focus and size
    // changes as they are deleted, and the handlers would find their controls half gone.
    loaded_ = false;
    visible_ = false;
    // The window owns every widget through Qt's parents, frames and their contents
    // included; the controls only refer to theirs, so they go after it with nothing to
    // delete.
    window_.reset();
    canvas_ = nullptr;
    menuBar_ = nullptr;
    controls_.clear();
    menus_.clear();
}

void Form::buildWindow() {
    window_ = std::make_unique<FormWindow>(*this);
    window_->setWindowTitle(caption_);
    Qt::WindowFlags flags = Qt::Window;
    switch (design_.borderStyle) {
    case BorderStyle::None: flags |= Qt::FramelessWindowHint; break;
    case BorderStyle::FixedSingle:
    case BorderStyle::FixedDialog:
    case BorderStyle::FixedToolWindow:
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
        if (design_.minButton) flags |= Qt::WindowMinimizeButtonHint;
        break;
    default:
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint;
        if (design_.minButton) flags |= Qt::WindowMinimizeButtonHint;
        if (design_.maxButton) flags |= Qt::WindowMaximizeButtonHint;
        break;
    }
    window_->setWindowFlags(flags);
    if (!design_.icon.isEmpty()) {
        // The icon only decorates the window: one that cannot be read is left out.
        const QImage icon(design_.icon);
        if (!icon.isNull()) window_->setWindowIcon(QIcon(QPixmap::fromImage(icon)));
    }
    auto* layout = new QVBoxLayout(window_.get());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    if (!menus_.empty()) {
        menuBar_ = new QMenuBar(window_.get());
        menuBar_->setNativeMenuBar(false);
        layout->setMenuBar(menuBar_);
        std::map<MenuItem*, QMenu*> submenus;
        for (const auto& item : menus_) {
            MenuItem* m = item.get();
            QWidget* host = m->parent_ ? static_cast<QWidget*>(submenus.at(m->parent_)) : static_cast<QWidget*>(menuBar_);
            if (!m->children_.empty()) {
                auto* sub = new QMenu(m->caption_, host);
                submenus[m] = sub;
                m->action_ = sub->menuAction();
                host->addAction(m->action_);
            } else if (m->isSeparator()) {
                m->action_ = new QAction(host);
                m->action_->setSeparator(true);
                host->addAction(m->action_);
            } else {
                m->action_ = new QAction(m->caption_, host);
                QObject::connect(m->action_, &QAction::triggered, m->action_, [m] {
                    m->sync();  // the check mark is the program's to set
                    m->click();
                });
                host->addAction(m->action_);
            }
            m->sync();
        }
    }
    canvas_ = new FormCanvas(*this, window_.get());
    layout->addWidget(canvas_, 1);
    // Windowed controls above the client area, in design order; a container (a frame, a
    // picture box) is made before what it holds, however deep the nesting, and takes its
    // contents with it when it goes.
    const std::function<void(Control&, int)> create = [&](Control& c, int depth) {
        if (!c.windowed() || c.widget()) return;
        QWidget* parent = canvas_;
        if (!c.Container().isEmpty() && depth < kMaxNesting) {
            Control* holder = find(c.Container(), -1);
            if (holder && holder != &c && holder->windowed()) {
                create(*holder, depth + 1);
                if (holder->widget()) parent = holder->widget();
            }
        }
        c.createWidget(parent);
    };
    for (const auto& c : controls_) create(*c, 0);
    // Tab order: by tab index where the design gives one, else in design order.
    std::vector<Control*> order;
    for (const auto& c : controls_) {
        if (c->windowed() && c->canFocus()) order.push_back(c.get());
    }
    std::stable_sort(order.begin(), order.end(), [](Control* a, Control* b) {
        const int ia = a->tabIndex() < 0 ? 100000 : a->tabIndex();
        const int ib = b->tabIndex() < 0 ? 100000 : b->tabIndex();
        return ia < ib;
    });
    for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1]->widget(), order[i]->widget());
    // The menu bar and the controls measure their texts from here on.
    FontsAhead::waitForLoad();
    applyGeometry();
}

QWidget* Form::clientWidget() const { return canvas_; }
QWidget* Form::windowWidget() const { return window_.get(); }

void Form::load() {
    BusyScope busy(*this);
    loaded_ = true;
    for (const auto& c : controls_) {
        if (c->kind() == Kind::Timer) c->refresh();  // start the clocks
    }
    try {
        Form_Load();
    } catch (...) {
        // A window whose load step failed is not kept half-loaded. It never finished
        // loading, so it goes without its unload handler.
        discard();
        throw;
    }
}

Control* Form::find(const QString& name, int index) const {
    for (const auto& c : controls_) {
        if (c->Name() == name && c->Index() == index) return c.get();
    }
    return nullptr;
}

MenuItem& Form::menu(const QString& name) const {
    for (const auto& m : menus_) {
        if (m->Name() == name) return *m;
    }
    throw std::logic_error((QStringLiteral("no menu item ") + name + QStringLiteral(" in ") + Name()).toStdString());
}

void Form::setCaption(const QString& c) {
    caption_ = c;
    window_->setWindowTitle(c);
}

void Form::setBackColor(Color c) {
    if (c == back_) return;
    back_ = c;
    drawing_.clear();
    canvas_->update();
}

void Form::setIcon(const shell::Picture& icon) {
    if (!icon.isNull()) window_->setWindowIcon(QIcon(QPixmap::fromImage(icon.image())));
}

// --- Geometry ---------------------------------------------------------------------------

double Form::frameWidth() const { return toTwips(1) * 2 * metricsFor(design_.borderStyle).border; }

double Form::frameHeight() const {
    const FrameMetrics m = metricsFor(design_.borderStyle);
    return toTwips(1) * (2 * m.border + m.caption + (menus_.empty() ? 0 : kMenuBarPixels));
}

double Form::clientWidthTwips() const { return std::max(0.0, width_ - frameWidth()); }
double Form::clientHeightTwips() const { return std::max(0.0, height_ - frameHeight()); }

double Form::ScaleWidth() const { return userScale_ ? scaleW_ : clientWidthTwips(); }
double Form::ScaleHeight() const { return userScale_ ? scaleH_ : clientHeightTwips(); }

void Form::Scale(double x1, double y1, double x2, double y2) {
    userScale_ = true;
    scaleLeft_ = x1;
    scaleTop_ = y1;
    scaleW_ = x2 - x1;
    scaleH_ = y2 - y1;
}

void Form::ScaleReset() {
    userScale_ = false;
    scaleLeft_ = scaleTop_ = 0;
}

double Form::toClientX(double x) const {
    if (!userScale_ || scaleW_ == 0) return x;
    return (x - scaleLeft_) * clientWidthTwips() / scaleW_;
}

double Form::toClientY(double y) const {
    if (!userScale_ || scaleH_ == 0) return y;
    return (y - scaleTop_) * clientHeightTwips() / scaleH_;
}

void Form::setLeft(double v) {
    left_ = v;
    applyGeometry();
}
void Form::setTop(double v) {
    top_ = v;
    applyGeometry();
}
void Form::setWidth(double v) {
    width_ = v;
    applyGeometry();
}
void Form::setHeight(double v) {
    height_ = v;
    applyGeometry();
}
void Form::Move(double left, double top) {
    left_ = left;
    top_ = top;
    applyGeometry();
}

void Form::applyGeometry() {
    if (!window_ || state_ != vbNormal) return;
    applyingGeometry_ = true;
    const int cw = toPixels(clientWidthTwips());
    const int ch = toPixels(clientHeightTwips());
    canvas_->setMinimumSize(0, 0);
    canvas_->resize(cw, ch);
    const int menuH = menuBar_ ? menuBar_->sizeHint().height() : 0;
    window_->resize(cw, ch + menuH);
    window_->move(toPixels(left_), toPixels(top_));
    applyingGeometry_ = false;
}

void Form::clientResized(int widthPx, int heightPx) {
    if (applyingGeometry_ || !visible_ || state_ != vbNormal) return;
    // The client area in whole pixels is the size the window already has.
    if (widthPx == toPixels(clientWidthTwips()) && heightPx == toPixels(clientHeightTwips())) return;
    const double w = toTwips(widthPx) + frameWidth();
    const double h = toTwips(heightPx) + frameHeight();
    if (w == width_ && h == height_) return;
    width_ = w;
    height_ = h;
    dispatchCode([this] { Form_Resize(); });
}

void Form::setWindowState(int state) {
    if (state == state_) return;
    state_ = state;
    if (!visible_) return;
    switch (state) {
    case vbMinimized: window_->showMinimized(); break;
    case vbMaximized: window_->showMaximized(); break;
    default:
        window_->showNormal();
        applyGeometry();
        break;
    }
}

void Form::stateChangedByUser(int state) { state_ = state; }

void Form::Show() {
    if (!loaded_) return;
    visible_ = true;
    applyGeometry();
    if (!window_->isVisible()) paintsAtShow_ = paints_;
    if (state_ == vbMinimized)
        window_->showMinimized();
    else if (state_ == vbMaximized)
        window_->showMaximized();
    else
        window_->show();
    window_->raise();
    window_->activateWindow();
    if (!active_) {
        // The first control of the tab order that can take the focus gets it.
        Control* first = nullptr;
        int best = 1 << 30;
        int order = 0;
        for (const auto& c : controls_) {
            ++order;
            if (!c->windowed() || !c->canFocus() || !c->Visible() || !c->Enabled() || !c->tabStop()) continue;
            const int rank = c->tabIndex() < 0 ? 100000 + order : c->tabIndex();
            if (rank < best) {
                best = rank;
                first = c.get();
            }
        }
        if (first) focusTo(first);
    }
}

bool Form::waitUntilPainted(int milliseconds) {
    if (!loaded_ || !visible_) return false;
    if (hasPainted()) return true;
    // The form may be unloaded, or even freed, by what runs meanwhile: its canvas tells.
    const QPointer<QWidget> canvas = canvas_;
    const QDeadlineTimer deadline(milliseconds, Qt::PreciseTimer);
    // Wakes the wait at its deadline when nothing else comes; started again should it
    // fire early.
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    while (canvas && canvas->isVisible() && !hasPainted() && !deadline.hasExpired()) {
        if (!wake.isActive()) wake.start(static_cast<int>(std::max<qint64>(1, deadline.remainingTime())));
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::ExcludeUserInputEvents);
    }
    return canvas && hasPainted();
}

void Form::Hide() {
    visible_ = false;
    window_->hide();
}

void Form::Unload() {
    if (!loaded_) return;
    int cancel = 0;
    Form_Unload(cancel);
    if (cancel != 0) return;
    discard();
}

void Form::discard() {
    loaded_ = false;
    visible_ = false;
    for (const auto& c : controls_) {
        if (c->kind() == Kind::Timer) c->refresh();  // an unloaded window's clocks stop
    }
    window_->hide();
    Registry& r = registry();
    for (auto it = r.loaded.begin(); it != r.loaded.end(); ++it) {
        if (it->second.get() == this) {
            r.unloaded.push_back(std::move(it->second));
            r.loaded.erase(it);
            break;
        }
    }
    queueCollect();
}

void Form::userClosed() {
    dispatchUser([this] { Unload(); });
}

// --- Events ---------------------------------------------------------------------------

void Form::dispatchUser(const Handler& h) {
    if (!h || busy_ > 0 || !loaded_) return;
    Registry& r = registry();
    ++r.depth;
    try {
        h();
    } catch (const std::exception& e) {
        MsgBox(QString::fromStdString(e.what()), vbExclamation);
    }
    --r.depth;
    if (r.depth == 0 && !r.unloaded.empty()) queueCollect();
}

void Form::dispatchCode(const Handler& h) {
    if (!h) return;
    Registry& r = registry();
    ++r.depth;
    struct Leave {
        Registry& r;
        ~Leave() { --r.depth; }
    } leave{r};
    h();
}

void Form::focusTo(Control* c) {
    if (!c || c == active_) {
        if (c && c->widget() && !c->widget()->hasFocus()) c->widget()->setFocus(Qt::OtherFocusReason);
        return;
    }
    // A control that cannot take the focus (hidden, disabled, windowless) is passed over
    // instead of raising an error the user could do nothing about.
    if (!c->canFocus() || !c->Visible() || !c->Enabled()) return;
    focusHandoff_ = false;
    Control* old = active_;
    active_ = c;
    if (c->widget()) c->widget()->setFocus(Qt::OtherFocusReason);
    if (old) dispatchCode(old->onLostFocus);
    dispatchCode(c->onGotFocus);
}

Form::HiddenControls::HiddenControls(Form& f, std::initializer_list<Control*> controls) : f_(f), controls_(controls) {
    if (std::find(controls_.begin(), controls_.end(), f_.active_) != controls_.end() && f_.active_->widget() && f_.canvas_) {
        // The window's own surface holds the focus meanwhile: it shows no focus.
        parked_ = f_.active_;
        f_.canvas_->setFocus(Qt::OtherFocusReason);
    }
    for (Control* c : controls_) c->setVisible(false);
}

Form::HiddenControls::~HiddenControls() {
    for (Control* c : controls_) c->setVisible(true);
    if (!parked_ || f_.active_) return;
    f_.focusHandoff_ = false;
    f_.active_ = parked_;
    if (parked_->widget() && parked_->Visible() && parked_->Enabled()) parked_->widget()->setFocus(Qt::OtherFocusReason);
}

void Form::userFocused(Control* c) {
    if (syncingWidgets_ > 0 || !loaded_) return;
    if (focusHandoff_) {
        // Passed on by the toolkit because the focused control was hidden or disabled.
        focusHandoff_ = false;
        active_ = c;
        return;
    }
    focusTo(c);
}

void Form::controlChanged(const Control& c) {
    if (!c.windowed() && canvas_) canvas_->update();
    if (&c == active_ && (!c.Visible() || !c.Enabled())) {
        active_ = nullptr;
        focusHandoff_ = true;
    }
}

void Form::repaintControl(const Control& c) {
    if (!canvas_ || c.windowed()) return;
    // A pixel around it: smoothed edges and borders reach past the rectangle.
    const QRect r(toPixels(c.Left()) - 1, toPixels(c.Top()) - 1, toPixels(c.Width()) + 2, toPixels(c.Height()) + 2);
    canvas_->update(r);
}

void Form::paintClient(QPainter& p) const {
    p.fillRect(QRect(QPoint(0, 0), canvas_->size()), toQColor(back_));
    const std::size_t drawingAt = drawingPlace_.value_or(controls_.size());
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        if (i == drawingAt) paintDrawing(p);
        const Control& c = *controls_[i];
        if (!c.windowed() && c.Visible()) c.paint(p);
    }
    if (drawingAt >= controls_.size()) paintDrawing(p);
}

void Form::paintDrawing(QPainter& p) const {
    // The controls above set their own pens and brushes; nothing of the drawing's may leak.
    p.save();
    for (const DrawOp& op : drawing_) {
        const QColor color = toQColor(op.color);
        switch (op.kind) {
        case DrawOp::Point: {
            const QPointF at(toPixels(op.x1), toPixels(op.y1));
            if (op.width <= 1) {
                p.setPen(QPen(color, 1));
                p.drawPoint(at);
            } else {
                // A wide pen sets a round dot as wide as the pen.
                p.setPen(Qt::NoPen);
                p.setBrush(color);
                p.setRenderHint(QPainter::Antialiasing, true);
                p.drawEllipse(at + QPointF(0.5, 0.5), op.width / 2.0, op.width / 2.0);
                p.setRenderHint(QPainter::Antialiasing, false);
                p.setBrush(Qt::NoBrush);
            }
            break;
        }
        case DrawOp::Line: {
            QPen pen(color, op.width);
            pen.setCapStyle(Qt::RoundCap);
            p.setPen(pen);
            p.drawLine(QPointF(toPixels(op.x1), toPixels(op.y1)), QPointF(toPixels(op.x2), toPixels(op.y2)));
            break;
        }
        case DrawOp::Text:
            p.setPen(color);
            p.setFont(toQFont(op.font));
            p.drawText(QPointF(toPixels(op.x1), toPixels(op.y1) + QFontMetrics(toQFont(op.font)).ascent()), op.text);
            break;
        }
    }
    p.restore();
}

void Form::clientPressed(double xTwips, double yTwips) {
    // The topmost visible windowless control under the pointer that takes clicks.
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        Control& c = **it;
        if (c.windowed() || !c.Visible() || !c.takesClicks()) continue;
        if (c.rect().contains(xTwips, yTwips)) {
            c.click();
            return;
        }
    }
    dispatchUser([this] { Form_Click(); });
}

// --- Drawing surface ----------------------------------------------------------------------

void Form::setDrawWidth(int pixels) { drawWidth_ = std::max(1, pixels); }

void Form::PSet(double x, double y, Color color) {
    DrawOp op;
    op.kind = DrawOp::Point;
    op.x1 = toClientX(x);
    op.y1 = toClientY(y);
    op.width = drawWidth_;
    op.color = color;
    drawing_.push_back(op);
    currentX_ = x;
    currentY_ = y;
    canvas_->update();
}

void Form::Line(double x1, double y1, double x2, double y2, Color color) {
    DrawOp op;
    op.kind = DrawOp::Line;
    op.x1 = toClientX(x1);
    op.y1 = toClientY(y1);
    op.x2 = toClientX(x2);
    op.y2 = toClientY(y2);
    op.width = drawWidth_;
    op.color = color;
    drawing_.push_back(op);
    currentX_ = x2;
    currentY_ = y2;
    canvas_->update();
}

void Form::restoreDrawing(std::vector<DrawOp> ops) {
    drawing_ = std::move(ops);
    if (canvas_) canvas_->update();
}

void Form::Print(const QString& text) {
    DrawOp op;
    op.kind = DrawOp::Text;
    op.x1 = toClientX(currentX_);
    op.y1 = toClientY(currentY_);
    op.color = foreColor_;
    op.text = text;
    op.font = font_;
    drawing_.push_back(op);
    const double lineTwips = toTwips(QFontMetrics(toQFont(font_)).height());
    currentX_ = userScale_ ? scaleLeft_ : 0;
    currentY_ += userScale_ && clientHeightTwips() > 0 ? lineTwips * scaleH_ / clientHeightTwips() : lineTwips;
    canvas_->update();
}

void Form::Cls() {
    drawing_.clear();
    currentX_ = userScale_ ? scaleLeft_ : 0;
    currentY_ = userScale_ ? scaleTop_ : 0;
    canvas_->update();
}

QImage Form::grabClient() {
    applyGeometry();
    const QSize size(toPixels(clientWidthTwips()), toPixels(clientHeightTwips()));
    if (canvas_->size() != size) canvas_->resize(size);
    // Children have to be laid out and polished even when the window was never shown.
    canvas_->ensurePolished();
    for (const auto& c : controls_) {
        if (c->widget()) c->widget()->ensurePolished();
    }
    return grabLogical(*canvas_);
}

QImage grabLogical(QWidget& widget) {
    // A grab takes device pixels, twice as many each way on a screen scaled to 200 %; the
    // widget rendered into a picture of ratio 1 is drawn as on a plain screen instead of
    // shrunk, so its text stays as sharp as there.
    if (widget.size().isEmpty()) return QImage();
    QImage image(widget.size(), QImage::Format_RGB32);
    image.setDevicePixelRatio(1);
    image.fill(widget.palette().color(widget.backgroundRole()));
    widget.render(&image);
    return image;
}

void Form::PrintForm() {
    try {
        services().printer->printPage(grabClient(), caption_);
    } catch (const std::exception& e) {
        throw std::runtime_error((QStringLiteral("印刷できませんでした。\n") + QString::fromStdString(e.what())).toStdString());
    }
}

}  // namespace forms
