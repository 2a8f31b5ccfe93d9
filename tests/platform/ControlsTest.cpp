// Controls held inside containers, unloaded and loaded again, and the controls with a
// value of their own: combo boxes, text boxes, timers, and how each looks disabled.
#include "platform/forms/Form.h"
#include "tests/support/FakeServices.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

#include <gtest/gtest.h>

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
    Nested() : Form(nestedDesign()) {}
    void Form_Load() override { ++loads; }

    int loads = 0;
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

    first.Unload();
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
    again.Show();
    again.Deep.SetFocus();
    QApplication::processEvents();
    destroyAllForms();  // a shown window with the focus inside its frames, destroyed at once
}

}  // namespace
