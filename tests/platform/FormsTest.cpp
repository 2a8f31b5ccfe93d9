// The window toolkit: events as the classic toolkit raises them, stacking and clicks,
// control arrays, geometry in twips, the drawing surface, menus, focus, the message-box
// service, and windows unloaded and loaded again from their design.
#include "platform/forms/Form.h"
#include "platform/forms/Twips.h"
#include "tests/support/FakeServices.h"
#include "tests/support/TempFolder.h"

#include <QApplication>
#include <QColor>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <limits>

using namespace forms;
using namespace Qt::Literals::StringLiterals;
using testing_support::FakeServices;

namespace {

FormDesign testDesign() {
    FormDesign d;
    d.name = u"TestForm"_s;
    d.caption = u"テスト"_s;
    d.clientWidth = 6000;
    d.clientHeight = 4500;
    d.backColor = 0xE4EFEF;
    d.controls = {
        label(u"Bottom"_s, 0, 0, 3000, 3000).back(0xFFFFFF),
        label(u"Top"_s, 1500, 1500, 3000, 3000).transparent(),
        line(u"Across"_s, 0, 2000, 6000, 2000),
        label(u"Cell"_s, 100, 4000, 600, 300).at(3),
        label(u"Cell"_s, 800, 4000, 600, 300).at(4),
        label(u"Cell"_s, 1500, 4000, 600, 300).at(5),
        shape(u"Marker"_s, 4000, 100, 90, 90).kindOf(ShapeKind::Circle).fill(0xFF),
        checkBox(u"Check"_s, 4000, 300, 1200, 300).caption_(u"平年値"_s).checked(),
        formsCheckBox(u"Box"_s, 4000, 700, 1200, 300).caption_(u"月表示"_s),
        spinButton(u"Spin"_s, 5400, 300, 400, 600).tab(0),
        button(u"Clear"_s, 4000, 1100, 1000, 400).caption_(u"クリア"_s),
        textBox(u"Text"_s, 4000, 1600, 1500, 300),
        optionButton(u"OptA"_s, 4000, 2200, 900, 300).checked(),
        optionButton(u"OptB"_s, 4000, 2500, 900, 300),
    };
    d.menus = {
        menuItem(1, u"file"_s, u" 日本ファイル(&F ) "_s),
        menuItem(2, u"one"_s, u"北海道地方"_s),
        menuItem(2, u"sep"_s, u"-"_s),
        menuItem(2, u"hiddenItem"_s, u"地域選択パレット"_s).hidden(),
        menuItem(2, u"sub"_s, u"点の大きさ"_s),
        menuItem(3, u"big"_s, u"特大"_s),
        menuItem(3, u"mid"_s, u"中"_s).checked_(),
        menuItem(1, u"bar"_s, u" 手動入力 "_s),
    };
    return d;
}

// A window that counts what its handlers saw.
class TestForm : public Form {
public:
    TestForm() : Form(testDesign()) {
        Check.onClick = [this] { log << u"Check_Click"_s; };
        Box.onClick = [this] { log << u"Box_Click"_s; };
        Box.onChange = [this] { log << u"Box_Change"_s; };
        Clear.onGotFocus = [this] { log << u"Clear_GotFocus"_s; };
        Text.onLostFocus = [this] { log << u"Text_LostFocus"_s; };
        Text.onGotFocus = [this] { log << u"Text_GotFocus"_s; };
        Bottom.onClick = [this] { log << u"Bottom_Click"_s; };
        Top.onClick = [this] { log << u"Top_Click"_s; };
        OptB.onClick = [this] { log << u"OptB_Click"_s; };
        menu(u"one"_s).onClick = [this] { log << u"one_Click"_s; };
        menu(u"hiddenItem"_s).onClick = [this] { log << u"hidden_Click"_s; };
        menu(u"bar"_s).onClick = [this] { log << u"bar_Click"_s; };
        Spin.onSpinUp = [this] { log << u"SpinUp"_s; };
    }
    void Form_Load() override {
        ++loads;
        log << u"Form_Load"_s;
    }
    void Form_Click() override { log << u"Form_Click"_s; }

    QStringList log;
    int loads = 0;
    Label& Bottom{control<Label>(u"Bottom"_s)};
    Label& Top{control<Label>(u"Top"_s)};
    ControlArray<Label> Cell{controls<Label>(u"Cell"_s)};
    CheckBox& Check{control<CheckBox>(u"Check"_s)};
    FormsCheckBox& Box{control<FormsCheckBox>(u"Box"_s)};
    SpinButton& Spin{control<SpinButton>(u"Spin"_s)};
    CommandButton& Clear{control<CommandButton>(u"Clear"_s)};
    TextBox& Text{control<TextBox>(u"Text"_s)};
    OptionButton& OptA{control<OptionButton>(u"OptA"_s)};
    OptionButton& OptB{control<OptionButton>(u"OptB"_s)};
};

class FormsTest : public ::testing::Test {
protected:
    void TearDown() override { destroyAllForms(); }
    FakeServices services;
};

TEST_F(FormsTest, FirstReferenceLoadsTheWindowOnceAndRunsItsLoadStep) {
    EXPECT_FALSE(isLoaded<TestForm>());
    TestForm& a = instance<TestForm>();
    TestForm& b = instance<TestForm>();
    EXPECT_EQ(&a, &b);
    EXPECT_EQ(a.loads, 1);
    EXPECT_TRUE(isLoaded<TestForm>());
    EXPECT_FALSE(a.Visible()) << "loading does not show the window";
}

TEST_F(FormsTest, UnloadedWindowComesBackFromItsDesignOnTheNextReference) {
    TestForm& first = instance<TestForm>();
    first.Top.setCaption(u"changed"_s);
    first.Check.setValue(0);
    first.Unload();
    EXPECT_FALSE(isLoaded<TestForm>());
    collectUnloadedForms();

    TestForm& again = instance<TestForm>();
    EXPECT_EQ(again.loads, 1) << "a new window ran its own load step";
    EXPECT_EQ(again.Top.Caption(), QString());
    EXPECT_EQ(again.Check.Value(), 1);
}

// Holds back every paint of one widget, as a display that has not yet exposed it does.
class PaintsHeldBack final : public QObject {
public:
    explicit PaintsHeldBack(const QWidget* w) : w_(w) { qApp->installEventFilter(this); }
    ~PaintsHeldBack() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override { return watched == w_ && e->type() == QEvent::Paint; }

private:
    const QWidget* w_;
};

TEST_F(FormsTest, AShownWindowIsWaitedForUntilItHasPaintedAndAgainAfterItWasHidden) {
    TestForm& f = instance<TestForm>();
    EXPECT_FALSE(f.waitUntilPainted(5000)) << "a window not shown never paints: no wait";
    f.Show();
    EXPECT_TRUE(f.waitUntilPainted(5000));
    EXPECT_TRUE(f.hasPainted());
    f.Hide();
    f.Show();
    EXPECT_FALSE(f.hasPainted()) << "shown again, it has yet to paint";
    EXPECT_TRUE(f.waitUntilPainted(5000));
}

TEST_F(FormsTest, TheWaitForAPaintEndsAtItsDeadlineOrWhenTheWindowGoes) {
    TestForm& f = instance<TestForm>();
    const PaintsHeldBack held(f.clientWidget());
    f.Show();
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(f.waitUntilPainted(150));
    EXPECT_GE(clock.elapsed(), 140);
    EXPECT_LT(clock.elapsed(), 2000) << "no longer than its deadline, give or take the machine's load";

    // Unloaded and freed while the wait runs: the wait ends then, without touching it.
    QTimer::singleShot(20, [&f] {
        f.Unload();
        collectUnloadedForms();
    });
    clock.restart();
    EXPECT_FALSE(f.waitUntilPainted(5000));
    EXPECT_LT(clock.elapsed(), 2000);
    EXPECT_FALSE(isLoaded<TestForm>());
}

TEST_F(FormsTest, WindowCanUnloadItselfFromInsideItsOwnHandler) {
    TestForm& f = instance<TestForm>();
    f.Bottom.onClick = [&f] {
        f.Unload();
        // The handler goes on after the unload: its window is still there to use.
        f.Top.setCaption(u"after unload"_s);
    };
    f.Bottom.click();
    EXPECT_FALSE(isLoaded<TestForm>());
    collectUnloadedForms();
    EXPECT_EQ(instance<TestForm>().loads, 1);
}

TEST_F(FormsTest, SettingAValueFromCodeRaisesClickOnlyWhenItChanges) {
    TestForm& f = instance<TestForm>();
    f.Check.setValue(1);  // already 1
    f.Check.setValue(0);
    f.Check.setValue(0);
    f.Box.setValue(true);
    f.Box.setValue(true);
    f.Box.setValue(false);
    EXPECT_EQ(f.log, (QStringList{u"Form_Load"_s, u"Check_Click"_s, u"Box_Click"_s, u"Box_Change"_s, u"Box_Click"_s, u"Box_Change"_s}));
}

TEST_F(FormsTest, UserClickOnACheckBoxTogglesItAndAGreyBoxBecomesUnchecked) {
    TestForm& f = instance<TestForm>();
    f.Check.click();
    EXPECT_EQ(f.Check.Value(), 0);
    f.Check.click();
    EXPECT_EQ(f.Check.Value(), 1);
    f.Check.setValue(2);
    f.Check.click();
    EXPECT_EQ(f.Check.Value(), 0);
}

TEST_F(FormsTest, SelectingAnOptionButtonClearsTheOthersOfItsGroup) {
    TestForm& f = instance<TestForm>();
    f.OptB.click();
    EXPECT_TRUE(f.OptB.Value());
    EXPECT_FALSE(f.OptA.Value());
    EXPECT_TRUE(f.log.contains(u"OptB_Click"_s));
}

TEST_F(FormsTest, AClickGoesToTheTopmostVisibleControlThatTakesClicks) {
    TestForm& f = instance<TestForm>();
    struct Case {
        const char* name;
        double x, y;
        const char* expected;
    };
    const Case cases[] = {
        {"only the bottom label", 500, 500, "Bottom_Click"},
        {"overlap: the later row is on top, transparent or not", 2000, 2500, "Top_Click"},
        {"a line takes no click", 3500, 2000, "Top_Click"},
        {"outside every label", 5800, 4300, "Form_Click"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        f.log.clear();
        f.clientPressed(c.x, c.y);
        EXPECT_EQ(f.log, QStringList{QString::fromLatin1(c.expected)});
    }
    f.Top.setVisible(false);
    f.log.clear();
    f.clientPressed(2000, 2500);
    EXPECT_EQ(f.log, QStringList{u"Bottom_Click"_s}) << "a hidden control takes no click";
}

TEST_F(FormsTest, ControlArraysKeepTheIndexesOfTheDesign) {
    TestForm& f = instance<TestForm>();
    EXPECT_EQ(f.Cell.LBound(), 3);
    EXPECT_EQ(f.Cell.UBound(), 5);
    EXPECT_EQ(f.Cell(4).Left(), 800);
    EXPECT_THROW(f.Cell(2), std::out_of_range);
    EXPECT_THROW(f.Cell(6), std::out_of_range);
}

TEST_F(FormsTest, OuterSizeIsTheClientAreaPlusFixedFrameMetrics) {
    TestForm& f = instance<TestForm>();
    // A sizable window with a menu bar: 4-pixel borders, a 19-pixel caption and menu bar.
    EXPECT_DOUBLE_EQ(f.Width(), 6000 + 120);
    EXPECT_DOUBLE_EQ(f.Height(), 4500 + 15 * (8 + 19 + 19));
    f.setWidth(12000);
    EXPECT_DOUBLE_EQ(f.ScaleWidth(), 11880);
    f.Show();
    EXPECT_EQ(f.clientWidget()->width(), 792);
    EXPECT_EQ(f.clientWidget()->height(), 300);
}

TEST_F(FormsTest, DrawingStaysUntilClsOrANewBackgroundAndShowsAboveLabels) {
    TestForm& f = instance<TestForm>();
    f.setDrawWidth(6);
    f.PSet(600, 600, 0xFF0000);  // blue, on the white label
    ASSERT_EQ(f.drawing().size(), 1u);
    EXPECT_EQ(f.drawing()[0].width, 6);

    QImage shot = f.grabClient();
    EXPECT_EQ(QColor(shot.pixel(40, 40)), QColor(0, 0, 255)) << "the dot lies above the label";
    shot = f.grabClient();  // a repaint keeps it
    EXPECT_EQ(QColor(shot.pixel(40, 40)), QColor(0, 0, 255));

    f.setBackColor(0xE4EFEF);  // the same colour: nothing changes
    EXPECT_EQ(f.drawing().size(), 1u);
    f.setBackColor(0xFFFFFF);
    EXPECT_TRUE(f.drawing().empty());

    f.PSet(600, 600, 0xFF0000);
    f.Cls();
    EXPECT_TRUE(f.drawing().empty());
    EXPECT_EQ(QColor(f.grabClient().pixel(40, 40)), QColor(255, 255, 255));
}

TEST_F(FormsTest, DrawingAndControlsFarOutsideTheWindowAreDrawnAtItsEdges) {
    TestForm& f = instance<TestForm>();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    f.PSet(1e300, -1e300, 0xFF);
    f.PSet(nan, nan, 0xFF);
    f.Line(-inf, 0, inf, 4500, 0xFF);
    f.control<forms::Line>(u"Across"_s).setX2(1e300);
    f.Bottom.Move(-1e300, nan, inf, 1e300);
    f.Top.setFontSize(nan);
    f.Top.setCaption(u"大"_s);
    f.Cell(3).setFontSize(1e300);
    f.Cell(3).setCaption(u"大"_s);
    const QImage shot = f.grabClient();
    EXPECT_EQ(shot.size(), QSize(400, 300));
}

TEST_F(FormsTest, WindowedControlsLieAboveTheDrawing) {
    TestForm& f = instance<TestForm>();
    f.setDrawWidth(12);
    f.PSet(4500, 1300, 0xFF);  // in the middle of the button
    const QImage shot = f.grabClient();
    EXPECT_NE(QColor(shot.pixel(300, 86)), QColor(255, 0, 0));
}

// A chart in little: a plot area and a band beneath the drawing; a marker, a joining
// line and an opaque label above it.
FormDesign chartDesign() {
    FormDesign d = plainDesign(u"Chart"_s, u"chart"_s, 6000, 4500);
    d.controls = {
        label(u"Plot"_s, 0, 0, 3000, 3000).back(0xFFFFFF),
        label(u"Band"_s, 0, 1500, 3000, 1500).back(0xFFFFC0),
        line(u"Grid"_s, 0, 750, 3000, 750).border(0xC0C0C0),
        drawingSurface(),
        shape(u"Marker"_s, 3300, 300, 300, 300).kindOf(ShapeKind::Circle).fill(0x800080).border(0x800080),
        line(u"Join"_s, 3000, 1500, 6000, 1500).border(0x404040).width_(6),
        label(u"Cover"_s, 3300, 2400, 900, 900).back(0x00C000),
    };
    return d;
}

TEST_F(FormsTest, TheDrawingLiesWhereTheDesignPutsItAmongTheWindowlessControls) {
    struct Case {
        const char* name;
        double x, y;   // twips: where the dot is set
        QColor shows;  // what the grab shows at the dot's middle
    };
    const QColor dot(0, 0, 255);
    const Case cases[] = {
        {"on the plot area, below the drawing", 600, 600, dot},
        {"on the band, below the drawing", 600, 2250, dot},
        {"on a grid line, below the drawing", 1500, 750, dot},
        {"under the marker, above the drawing", 3450, 450, QColor(0x80, 0, 0x80)},
        {"under the joining line, above the drawing", 4500, 1500, QColor(0x40, 0x40, 0x40)},
        {"under the opaque label, above the drawing", 3750, 2850, QColor(0, 0xC0, 0)},
    };
    Form f(chartDesign());
    f.setDrawWidth(6);
    for (const Case& c : cases) f.PSet(c.x, c.y, 0xFF0000);
    const QImage shot = f.grabClient();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(QColor(shot.pixel(toPixels(c.x), toPixels(c.y))).name(), c.shows.name());
    }
}

TEST_F(FormsTest, ADesignGivesTheDrawingOnePlaceAtMost) {
    FormDesign d = chartDesign();
    d.controls.push_back(drawingSurface());
    EXPECT_THROW(Form{d}, std::logic_error);
}

TEST_F(FormsTest, JanuaryColourKeepsOnlyItsLowThreeBytes) {
    EXPECT_EQ(toQColor(0x11111111), QColor(0x11, 0x11, 0x11));
    EXPECT_EQ(toQColor(0xFF8080), QColor(0x80, 0x80, 0xFF));
}

TEST_F(FormsTest, FocusMovesWithGotFocusAndLostFocusInOrder) {
    TestForm& f = instance<TestForm>();
    f.Text.SetFocus();
    f.Clear.SetFocus();
    EXPECT_EQ(f.log, (QStringList{u"Form_Load"_s, u"Text_GotFocus"_s, u"Text_LostFocus"_s, u"Clear_GotFocus"_s}));
    EXPECT_EQ(f.ActiveControl(), &f.Clear);
    f.log.clear();
    f.Clear.SetFocus();
    EXPECT_TRUE(f.log.isEmpty()) << "focus on the control that has it raises nothing";
}

TEST_F(FormsTest, HidingTheFocusedControlRaisesNoGotFocusElsewhere) {
    TestForm& f = instance<TestForm>();
    f.Show();
    f.Text.SetFocus();
    QApplication::processEvents();
    f.log.clear();
    for (Control* c : std::initializer_list<Control*>{&f.OptA, &f.OptB, &f.Check, &f.Box, &f.Spin}) {
        c->onGotFocus = [&f, c] { f.log << c->Name() + u"_GotFocus"_s; };
    }
    f.Text.setVisible(false);  // the toolkit passes the focus on by itself
    QApplication::processEvents();
    EXPECT_TRUE(f.log.filter(u"GotFocus"_s).isEmpty()) << f.log.join(u' ').toStdString();
    f.Clear.SetFocus();
    EXPECT_EQ(f.log.filter(u"GotFocus"_s), QStringList{u"Clear_GotFocus"_s}) << "focus set by code raises its event";
}

TEST_F(FormsTest, ControlsHiddenForAMomentKeepTheFocusWithoutEventsAndSelectNoText) {
    TestForm& f = instance<TestForm>();
    f.Show();
    f.Text.setText(u"札幌"_s);
    f.Clear.SetFocus();
    QApplication::processEvents();
    f.log.clear();
    for (Control* c : std::initializer_list<Control*>{&f.OptA, &f.OptB, &f.Check, &f.Box, &f.Spin}) {
        c->onGotFocus = [&f, c] { f.log << c->Name() + u"_GotFocus"_s; };
    }
    {
        const Form::HiddenControls hidden(f, {&f.Clear, &f.Check});
        QApplication::processEvents();
        EXPECT_FALSE(f.Clear.Visible());
        EXPECT_FALSE(f.Check.Visible());
        EXPECT_EQ(f.Text.SelLength(), 0) << "the focus went to no text box";
        EXPECT_EQ(f.ActiveControl(), nullptr);
    }
    EXPECT_TRUE(f.Clear.Visible());
    EXPECT_TRUE(f.Check.Visible());
    EXPECT_EQ(f.ActiveControl(), &f.Clear);
    EXPECT_TRUE(f.Clear.widget()->hasFocus());
    EXPECT_TRUE(f.log.isEmpty()) << f.log.join(u' ').toStdString();
    f.Text.SetFocus();
    EXPECT_EQ(f.log, QStringList{u"Text_GotFocus"_s}) << "the next move of the focus is the user's again";
}

TEST_F(FormsTest, ShowingGivesTheFocusToTheFirstControlOfTheTabOrder) {
    TestForm& f = instance<TestForm>();
    f.Show();
    EXPECT_EQ(f.ActiveControl(), &f.Spin);
}

TEST_F(FormsTest, MenuTreeKeepsCaptionsAndHiddenOrDisabledItemsTakeNoPick) {
    TestForm& f = instance<TestForm>();
    EXPECT_EQ(f.menu(u"file"_s).Caption(), u" 日本ファイル(&F ) "_s);
    EXPECT_EQ(f.menu(u"big"_s).parentItem(), &f.menu(u"sub"_s));
    EXPECT_EQ(f.menu(u"sub"_s).parentItem(), &f.menu(u"file"_s));
    EXPECT_EQ(f.menu(u"bar"_s).parentItem(), nullptr);
    EXPECT_TRUE(f.menu(u"mid"_s).Checked());

    f.menu(u"one"_s).click();
    f.menu(u"hiddenItem"_s).click();
    f.menu(u"bar"_s).click();
    f.menu(u"one"_s).setEnabled(false);
    f.menu(u"one"_s).click();
    EXPECT_EQ(f.log, (QStringList{u"Form_Load"_s, u"one_Click"_s, u"bar_Click"_s}));
}

TEST_F(FormsTest, BusyWindowIgnoresTheUsersInput) {
    TestForm& f = instance<TestForm>();
    {
        Form::BusyScope busy(f);
        f.menu(u"one"_s).click();
        f.Spin.spinUp();
        f.Bottom.click();
    }
    f.Spin.spinUp();
    EXPECT_EQ(f.log, (QStringList{u"Form_Load"_s, u"SpinUp"_s}));
}

TEST_F(FormsTest, FailureInAHandlerIsShownToTheUserAndTheProgramGoesOn) {
    TestForm& f = instance<TestForm>();
    f.Bottom.onClick = [] { throw std::runtime_error("データベースファイルが見つかりません: x.mdb"); };
    services.expectMessage();
    f.Bottom.click();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].prompt, u"データベースファイルが見つかりません: x.mdb"_s);
}

TEST_F(FormsTest, AFailedPrintSaysSoOnceWithThePrintersReason) {
    TestForm& f = instance<TestForm>();
    testing_support::TempFolder folder;
    const QString unwritable = folder.file(u"no/such/folder/page.pdf"_s);
    struct Case {
        const char* name;
        std::function<void()> breakPrinter;
        QString reason;
    };
    const Case cases[] = {
        {"the printer fails", [this] { services.printerFailure = u"プリンターが見つかりません。"_s; }, u"プリンターが見つかりません。"_s},
        {"the output cannot be started", [&] { forms::services().printer = makePdfPrinter(unwritable); }, unwritable},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.breakPrinter();
        try {
            f.PrintForm();
            ADD_FAILURE() << "it printed";
        } catch (const std::runtime_error& e) {
            const QString message = QString::fromStdString(e.what());
            EXPECT_TRUE(message.startsWith(u"印刷できませんでした。\n"_s)) << message.toStdString();
            EXPECT_EQ(message.count(u"印刷できませんでした"_s), 1) << message.toStdString();
            EXPECT_TRUE(message.contains(c.reason)) << message.toStdString();
        }
    }
}

TEST_F(FormsTest, MessageBoxAnswersFromTheQueueWithTheProgramsTitle) {
    services.expectMessage(vbCancel);
    EXPECT_EQ(MsgBox(u"このデータで良いですか。"_s, vbOKCancel), vbCancel);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].title, AppInfo::Title());
    EXPECT_EQ(services.messages[0].style, vbOKCancel);
}

TEST_F(FormsTest, ScreenAndEndGoThroughTheServices) {
    services.screenWidth = 19200;
    EXPECT_EQ(Screen().Width(), 19200);
    AppInfo::End(3);
    EXPECT_EQ(services.endedWith, 3);
    EXPECT_TRUE(AppInfo::ending());
}

}  // namespace
