// Controls held inside containers, unloaded and loaded again, and the controls with a
// value of their own: combo boxes, text boxes, timers, and how each looks disabled.
#include "platform/forms/Form.h"
#include "tests/support/FakeServices.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

using namespace forms;
using namespace Qt::Literals::StringLiterals;
using testing_support::FakeServices;

namespace {

// Containers in containers, a row listed before the frame that holds it, a picture box
// holding a button, and controls with values of their own.
FormDesign nestedDesign() {
    FormDesign d;
    d.name = u"Nested"_s;
    d.caption = u"入れ子"_s;
    d.clientWidth = 6000;
    d.clientHeight = 4500;
    d.backColor = 0xE4EFEF;
    d.controls = {
        textBox(u"Early"_s, 150, 2400, 1500, 300).text(u"先"_s).inside(u"Frame1"_s),
        frame(u"Frame1"_s, 100, 100, 4000, 3000).caption_(u"期間"_s),
        optionButton(u"Opt"_s, 150, 300, 1500, 300).at(0).caption_(u"平年値"_s).inside(u"Frame1"_s).checked(),
        optionButton(u"Opt"_s, 150, 650, 1500, 300).at(1).caption_(u"各年値"_s).inside(u"Frame1"_s),
        frame(u"Inner"_s, 2000, 300, 1800, 2000).caption_(u"内側"_s).inside(u"Frame1"_s),
        checkBox(u"Deep"_s, 150, 300, 1500, 300).caption_(u"深い"_s).inside(u"Inner"_s),
        comboBox(u"Combo1"_s, 150, 1100, 1500, 300).list({u"東京"_s, u"大阪"_s, u"那覇"_s}).inside(u"Frame1"_s),
        pictureBox(u"Picture1"_s, 4200, 100, 1500, 1500),
        button(u"InPicture"_s, 100, 100, 1000, 400).caption_(u"移動"_s).inside(u"Picture1"_s),
        textBox(u"Text1"_s, 4200, 1800, 1500, 300).text(u"2000"_s),
        timer(u"Timer1"_s).every(100),
    };
    return d;
}

class Nested : public Form {
public:
    Nested() : Form(nestedDesign()) {
        Timer1.onTimer = [this] { log << u"Timer1_Timer"_s; };
        Text1.onChange = [this] { log << u"Text1_Change:"_s + Text1.Text(); };
        Combo1.onChange = [this] { log << u"Combo1_Change:"_s + Combo1.Text(); };
        Combo1.onClick = [this] { log << u"Combo1_Click:"_s + Combo1.Text(); };
    }
    void Form_Load() override { ++loads; }

    int loads = 0;
    QStringList log;
    TextBox& Early{control<TextBox>(u"Early"_s)};
    Frame& Frame1{control<Frame>(u"Frame1"_s)};
    ControlArray<OptionButton> Opt{controls<OptionButton>(u"Opt"_s)};
    Frame& Inner{control<Frame>(u"Inner"_s)};
    CheckBox& Deep{control<CheckBox>(u"Deep"_s)};
    ComboBox& Combo1{control<ComboBox>(u"Combo1"_s)};
    PictureBox& Picture1{control<PictureBox>(u"Picture1"_s)};
    CommandButton& InPicture{control<CommandButton>(u"InPicture"_s)};
    TextBox& Text1{control<TextBox>(u"Text1"_s)};
    Timer& Timer1{control<Timer>(u"Timer1"_s)};
};

class ControlsTest : public ::testing::Test {
protected:
    void TearDown() override { destroyAllForms(); }
    FakeServices services;
};

// Keys as the keyboard sends them to a widget.
void typeInto(QWidget* w, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
    }
}

std::vector<QPointer<QWidget>> widgetsOf(const Form& f) {
    std::vector<QPointer<QWidget>> out;
    for (const auto& c : f.allControls()) {
        if (c->widget()) out.emplace_back(c->widget());
    }
    return out;
}

TEST_F(ControlsTest, ContainersHoldTheirContentsHoweverTheyNest) {
    Nested& w = instance<Nested>();
    EXPECT_EQ(w.Deep.widget()->parentWidget(), w.Inner.widget());
    EXPECT_EQ(w.Inner.widget()->parentWidget(), w.Frame1.widget());
    EXPECT_EQ(w.Early.widget()->parentWidget(), w.Frame1.widget()) << "a row listed before its frame";
    EXPECT_EQ(w.Opt(1).widget()->parentWidget(), w.Frame1.widget());
    EXPECT_EQ(w.InPicture.widget()->parentWidget(), w.Picture1.widget());
    EXPECT_EQ(w.Text1.widget()->parentWidget(), w.clientWidget());
    // Positions inside a container are measured from its corner.
    EXPECT_EQ(w.Deep.widget()->geometry().topLeft(), QPoint(150 / 15, 300 / 15));
}

TEST_F(ControlsTest, WindowWithNestedControlsIsDestroyedAndReloadedFromItsDesign) {
    Nested& first = instance<Nested>();
    first.Show();
    first.Deep.SetFocus();  // the focus deep inside: its widget goes with the others
    QApplication::processEvents();
    first.Opt(1).setValue(true);
    first.Deep.setValue(1);
    first.Combo1.setListIndex(2);
    first.Text1.setText(u"1999"_s);
    first.Early.setText(u"後"_s);
    const std::vector<QPointer<QWidget>> widgets = widgetsOf(first);
    ASSERT_EQ(widgets.size(), 10u);

    EXPECT_EQ(services.runningTimers(), 1);

    first.Unload();
    EXPECT_EQ(services.runningTimers(), 0) << "the timer stops with its window, before the window is freed";
    collectUnloadedForms();
    for (const QPointer<QWidget>& gone : widgets) EXPECT_TRUE(gone.isNull()) << "every widget went with its window";

    Nested& again = instance<Nested>();
    EXPECT_EQ(again.loads, 1);
    EXPECT_TRUE(again.Opt(0).Value());
    EXPECT_FALSE(again.Opt(1).Value());
    EXPECT_EQ(again.Deep.Value(), 0);
    EXPECT_EQ(again.Combo1.ListIndex(), -1);
    EXPECT_EQ(again.Combo1.ListCount(), 3);
    EXPECT_EQ(again.Text1.Text(), u"2000"_s);
    EXPECT_EQ(again.Early.Text(), u"先"_s);
    EXPECT_EQ(again.Deep.widget()->parentWidget(), again.Inner.widget());
    services.advanceClock(100);
    EXPECT_EQ(again.log, QStringList{u"Timer1_Timer"_s}) << "the new window's timer ticks";
    again.Show();
    again.Deep.SetFocus();
    QApplication::processEvents();
    destroyAllForms();  // a shown window with the focus inside its frames, destroyed at once
}

TEST_F(ControlsTest, TimerTicksFromTheClockWithoutBlockingWhileEnabledAndLoaded) {
    Nested& w = instance<Nested>();
    const auto ticks = [&w] { return static_cast<int>(w.log.count(u"Timer1_Timer"_s)); };
    EXPECT_TRUE(w.Timer1.running()) << "loading starts it";
    services.advanceClock(99);
    EXPECT_EQ(ticks(), 0);
    services.advanceClock(151);
    EXPECT_EQ(ticks(), 2);
    EXPECT_EQ(services.sleptMs, 0) << "nothing waited";

    w.Timer1.setEnabled(false);
    services.advanceClock(1000);
    EXPECT_EQ(ticks(), 2);
    w.Timer1.setEnabled(true);  // counts from the moment it is enabled again
    services.advanceClock(99);
    EXPECT_EQ(ticks(), 2);
    services.advanceClock(1);
    EXPECT_EQ(ticks(), 3);

    w.Timer1.setInterval(0);
    EXPECT_FALSE(w.Timer1.running());
    w.Timer1.setInterval(40);
    services.advanceClock(100);
    EXPECT_EQ(ticks(), 5);

    {
        Form::BusyScope busy(w);
        services.advanceClock(40);
    }
    EXPECT_EQ(ticks(), 5) << "a busy window takes no tick";
}

TEST_F(ControlsTest, TimerHandlerCanUnloadItsOwnWindow) {
    Nested& w = instance<Nested>();
    int ticks = 0;
    w.Timer1.onTimer = [&w, &ticks] {
        ++ticks;
        w.Unload();
    };
    services.advanceClock(1000);
    EXPECT_EQ(ticks, 1) << "the unload stopped it inside its own tick";
    EXPECT_EQ(services.runningTimers(), 0);
    collectUnloadedForms();
    EXPECT_FALSE(isLoaded<Nested>());
}

// The production clock: ticks come from the event loop, and a ticker may be let go from
// inside its own tick.
TEST_F(ControlsTest, ProductionTickerTicksFromTheEventLoopAndStopsInsideItsTick) {
    const Services fakes = forms::services();
    installDefaultServices();
    const std::shared_ptr<ClockService> real = forms::services().clock;
    forms::services() = fakes;

    int ticks = 0;
    std::unique_ptr<Ticker> ticker;
    ticker = real->every(1, [&] {
        if (++ticks == 3) ticker.reset();
    });
    EXPECT_EQ(ticks, 0) << "starting it does not tick";
    QElapsedTimer clock;
    clock.start();
    while (ticker && clock.elapsed() < 5000) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(ticker, nullptr);
    QApplication::processEvents();
    EXPECT_EQ(ticks, 3) << "no tick after it went";
}

TEST_F(ControlsTest, ValuesSetFromCodeRaiseChangeOnlyWhenTheyChange) {
    Nested& w = instance<Nested>();
    struct Step {
        const char* name;
        std::function<void()> action;
        QStringList events;
    };
    const Step steps[] = {
        {"text box: the same text", [&] { w.Text1.setText(u"2000"_s); }, {}},
        {"text box: a new text", [&] { w.Text1.setText(u"1999"_s); }, {u"Text1_Change:1999"_s}},
        {"text box: emptied", [&] { w.Text1.setText(QString()); }, {u"Text1_Change:"_s}},
        {"text box: typed by the user", [&] { w.Text1.type(u"12"_s); }, {u"Text1_Change:12"_s}},
        {"combo: a new text", [&] { w.Combo1.setText(u"札幌"_s); }, {u"Combo1_Change:札幌"_s}},
        {"combo: the same text", [&] { w.Combo1.setText(u"札幌"_s); }, {}},
        {"combo: an item chosen", [&] { w.Combo1.setListIndex(1); }, {u"Combo1_Click:大阪"_s}},
        {"combo: the same item", [&] { w.Combo1.setListIndex(1); }, {}},
        {"combo: typed by the user", [&] { w.Combo1.type(u"那覇"_s); }, {u"Combo1_Change:那覇"_s}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        w.log.clear();
        step.action();
        EXPECT_EQ(w.log, step.events);
    }
    EXPECT_EQ(w.Combo1.ListIndex(), 2) << "a typed text that reads as an item selects it";
    w.Combo1.setText(u"どこか"_s);
    EXPECT_EQ(w.Combo1.ListIndex(), -1);
    EXPECT_THROW(w.Combo1.setListIndex(3), std::out_of_range);
    EXPECT_THROW(w.Combo1.setListIndex(-2), std::out_of_range);
}

TEST_F(ControlsTest, WidgetsShowTheValuesSetFromCode) {
    Nested& w = instance<Nested>();
    auto* combo = qobject_cast<QComboBox*>(w.Combo1.widget());
    auto* edit = qobject_cast<QLineEdit*>(w.Text1.widget());
    ASSERT_TRUE(combo && edit);
    w.Combo1.setListIndex(2);
    EXPECT_EQ(combo->currentIndex(), 2);
    EXPECT_EQ(combo->currentText(), u"那覇"_s);
    w.Combo1.setText(u"どこか"_s);
    EXPECT_EQ(combo->currentText(), u"どこか"_s);
    w.Combo1.AddItem(u"どこか"_s);
    EXPECT_EQ(combo->count(), 4);
    w.Text1.setText(u"1961"_s);
    EXPECT_EQ(edit->text(), u"1961"_s);
}

TEST_F(ControlsTest, UserTypingIntoABusyWindowIsUndone) {
    Nested& w = instance<Nested>();
    auto* edit = qobject_cast<QLineEdit*>(w.Text1.widget());
    auto* combo = qobject_cast<QComboBox*>(w.Combo1.widget());
    ASSERT_TRUE(edit && combo);
    w.log.clear();
    {
        Form::BusyScope busy(w);
        typeInto(edit, u"5"_s);
        typeInto(combo->lineEdit(), u"x"_s);
    }
    EXPECT_TRUE(w.log.isEmpty());
    EXPECT_EQ(edit->text(), u"2000"_s) << "the box shows the text the window kept";
    EXPECT_EQ(combo->currentText(), QString());
    typeInto(edit, u"5"_s);
    EXPECT_EQ(w.Text1.Text(), u"20005"_s);
    EXPECT_EQ(w.log, QStringList{u"Text1_Change:20005"_s});
}

// Every control that can be disabled, twice: enabled (index 0) and disabled at design
// (index 1), with a text colour no disabled look uses.
constexpr Color kRed = 0x0000FF;

FormDesign looksDesign() {
    FormDesign d;
    d.name = u"Looks"_s;
    d.clientWidth = 13500;
    d.clientHeight = 3000;
    d.backColor = 0xE4EFEF;
    const auto pair = [&d](ControlDesign row) {
        for (int i = 0; i <= 1; ++i) {
            ControlDesign r = row;
            r.at(i);
            r.top += 1500 * i;
            if (i == 1) r.disabled();
            d.controls.push_back(r);
        }
    };
    pair(label(u"Lbl"_s, 0, 0, 1200, 300).caption_(u"東京"_s).fore(kRed));
    pair(checkBox(u"Chk"_s, 1300, 0, 1200, 300).caption_(u"累積表示"_s).fore(kRed));
    // The 平年値 box of the chart windows, in its own colours.
    pair(formsCheckBox(u"Box"_s, 2600, 0, 1200, 300).caption_(u"平年値"_s).back(0xE4EFEF).checked());
    pair(formsCheckBox(u"RedBox"_s, 3900, 0, 1200, 300).caption_(u"月表示"_s).fore(kRed));
    pair(optionButton(u"Opt"_s, 5200, 0, 1200, 300).caption_(u"各年値"_s).fore(kRed));
    pair(frame(u"Fra"_s, 6500, 0, 1200, 1200).caption_(u"期間"_s).fore(kRed));
    pair(textBox(u"Txt"_s, 7800, 0, 1200, 300).text(u"2000"_s).fore(kRed));
    pair(button(u"Btn"_s, 9100, 0, 1200, 400).caption_(u"クリア"_s));
    pair(comboBox(u"Cbo"_s, 10400, 0, 1200, 300).text(u"東京"_s));
    pair(spinButton(u"Spn"_s, 11700, 0, 250, 600));
    pair(button(u"GBtn"_s, 12100, 0, 1200, 400).caption_(u"閉じる"_s).graphical().back(0xFFFFFF).fore(kRed));
    return d;
}

class Looks : public Form {
public:
    Looks() : Form(looksDesign()) {}
};

// What a control looks like on its own: its widget, or its rectangle of the client area.
QImage lookOf(Form& f, const Control& c) {
    if (c.widget()) {
        c.widget()->ensurePolished();
        return c.widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    return f.grabClient().copy(QRect(qRound(c.Left() / 15), qRound(c.Top() / 15), qRound(c.Width() / 15), qRound(c.Height() / 15)));
}

// Pixels of the text of a control: a clear red for the red ones, near black for the
// others (smoothed at their edges); a greyed text is lighter than either.
int inkPixels(const QImage& image, bool red) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c(image.pixel(x, y));
            n += red ? c.red() >= 200 && c.green() <= 90 && c.blue() <= 90 : c.red() <= 100 && c.green() <= 100 && c.blue() <= 100;
        }
    }
    return n;
}

TEST_F(ControlsTest, DisabledControlsLookDisabledWhateverTheirColours) {
    Looks& w = instance<Looks>();
    struct Case {
        const char* name;
        bool red;  // its text is red while enabled; black otherwise
    };
    const Case cases[] = {{"Lbl", true}, {"Chk", true},  {"Box", false}, {"RedBox", true}, {"Opt", true}, {"Fra", true},
                          {"Txt", true}, {"Btn", false}, {"Cbo", false}, {"Spn", false},   {"GBtn", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ControlArray<Control> pair = w.controls<Control>(QString::fromLatin1(c.name));
        Control& enabled = pair(0);
        Control& disabled = pair(1);
        EXPECT_FALSE(disabled.Enabled());
        if (disabled.windowed()) {
            ASSERT_NE(disabled.widget(), nullptr);
            EXPECT_FALSE(disabled.widget()->isEnabled());
        }
        const QImage on = lookOf(w, enabled);
        const QImage off = lookOf(w, disabled);
        ASSERT_EQ(on.size(), off.size());
        EXPECT_NE(on, off) << "a disabled control looks different";
        EXPECT_GT(inkPixels(on, c.red), 0);
        EXPECT_EQ(inkPixels(off, c.red), 0) << "its text and marks are greyed";
    }
}

TEST_F(ControlsTest, BoxDisabledFromCodeLooksAsOneDisabledAtDesign) {
    Looks& w = instance<Looks>();
    const ControlArray<FormsCheckBox> Box = w.controls<FormsCheckBox>(u"Box"_s);
    const QImage enabled = lookOf(w, Box(0));
    const QImage designed = lookOf(w, Box(1));
    Box(0).setEnabled(false);
    EXPECT_EQ(lookOf(w, Box(0)), designed);
    Box(0).setEnabled(true);
    EXPECT_EQ(lookOf(w, Box(0)), enabled);
}

// A log: a long text in a multi-line box, its cursor put at the end from code, shows its
// last line.
FormDesign logDesign() {
    FormDesign d;
    d.name = u"Log"_s;
    d.clientWidth = 6000;
    d.clientHeight = 3000;
    d.controls = {textBox(u"Text1"_s, 0, 0, 6000, 3000).multi()};
    return d;
}

class Log : public Form {
public:
    Log() : Form(logDesign()) {}
};

TEST_F(ControlsTest, AMultiLineBoxScrollsToWhereTheCursorIsPut) {
    Log& w = instance<Log>();
    w.Show();
    TextBox& box = w.control<TextBox>(u"Text1"_s);
    QStringList lines;
    for (int i = 1; i <= 200; ++i) lines << u"行 "_s + QString::number(i);
    box.setText(lines.join(u'\n'));
    auto* edit = qobject_cast<QPlainTextEdit*>(box.widget());
    ASSERT_NE(edit, nullptr);
    QScrollBar* bar = edit->verticalScrollBar();
    EXPECT_EQ(bar->value(), 0) << "a new text shows from its start";

    box.setSelStart(static_cast<int>(box.Text().size()));

    EXPECT_EQ(edit->textCursor().position(), box.Text().size());
    EXPECT_GT(bar->value(), bar->maximum() - 5) << "scrolled down to the end";
    EXPECT_TRUE(edit->viewport()->rect().contains(edit->cursorRect())) << "the last line shows";
    box.setSelStart(0);
    EXPECT_EQ(bar->value(), 0);
}

// A button with a yellow back colour and a blue picture, standard and graphical.
FormDesign buttonsDesign() {
    FormDesign d;
    d.name = u"Buttons"_s;
    d.clientWidth = 6000;
    d.clientHeight = 1500;
    d.backColor = 0xE4EFEF;
    d.controls = {
        button(u"Plain"_s, 150, 150, 2700, 600).caption_(u"開始"_s).back(0x00FFFF),
        button(u"Picture"_s, 3000, 150, 2700, 600).caption_(u"開始"_s).back(0x00FFFF).graphical(),
    };
    return d;
}

class Buttons : public Form {
public:
    Buttons() : Form(buttonsDesign()) {}
};

int pixelsOf(const QImage& image, const QColor& colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += QColor(image.pixel(x, y)) == colour;
    return n;
}

TEST_F(ControlsTest, AGraphicalButtonShowsItsBackColourAndPictureAndAStandardOneLooksAsTheSystemsDo) {
    Buttons& w = instance<Buttons>();
    QImage blue(12, 12, QImage::Format_RGB32);
    blue.fill(QColor(0, 0, 255));
    for (const char16_t* name : {u"Plain", u"Picture"}) w.control<CommandButton>(QString::fromUtf16(name)).setPicture(shell::Picture(blue));
    w.Show();

    const CommandButton& plain = w.control<CommandButton>(u"Plain"_s);
    const CommandButton& graphical = w.control<CommandButton>(u"Picture"_s);
    EXPECT_EQ(plain.Style(), ButtonStyle::Standard);
    EXPECT_EQ(graphical.Style(), ButtonStyle::Graphical);
    const QImage shot = w.grabClient();
    const QImage plainLook = lookOf(w, plain);
    const QImage look = lookOf(w, graphical);
    ASSERT_EQ(look.size(), QSize(180, 40));
    EXPECT_EQ(shot.copy(200, 10, 180, 40), look) << "the window's grab shows the button as it paints itself";

    // Its back colour fills it inside the edge, the picture stands whole left of the
    // caption, and the caption is drawn.
    EXPECT_EQ(QColor(look.pixel(6, 6)), QColor(255, 255, 0));
    EXPECT_EQ(QColor(look.pixel(173, 33)), QColor(255, 255, 0));
    EXPECT_EQ(pixelsOf(look, QColor(0, 0, 255)), 12 * 12);
    EXPECT_GT(inkPixels(look, false), 20);
    // The standard button keeps the system's look: neither colour nor picture.
    EXPECT_EQ(pixelsOf(plainLook, QColor(255, 255, 0)), 0);
    EXPECT_EQ(pixelsOf(plainLook, QColor(0, 0, 255)), 0);

    // A picture taller than the button shrinks to fit inside its edge.
    QImage tall(40, 80, QImage::Format_RGB32);
    tall.fill(QColor(0, 0, 255));
    w.control<CommandButton>(u"Picture"_s).setPicture(shell::Picture(tall));
    const QImage shrunk = lookOf(w, graphical);
    int blueRows = 0;
    for (int y = 0; y < shrunk.height(); ++y) {
        bool any = false;
        for (int x = 0; x < shrunk.width(); ++x) any = any || QColor(shrunk.pixel(x, y)) == QColor(0, 0, 255);
        blueRows += any;
    }
    EXPECT_GT(blueRows, 20);
    EXPECT_LE(blueRows, 40 - 6) << "inside the edge";
}

}  // namespace
