// The installation guide is one window with one text in both programs: tavrin's help
// window and the launcher's, each built from the medium's guide.
#include "extras/HelpTextWindows.h"
#include "platform/forms/Form.h"
#include "setup/Form49.h"
#include "tests/support/FakeServices.h"

#include <gtest/gtest.h>

using namespace forms;
using namespace Qt::Literals::StringLiterals;

namespace {

class GuideTest : public ::testing::Test {
protected:
    void TearDown() override { destroyAllForms(); }
    testing_support::FakeServices services;
};

TEST_F(GuideTest, BothProgramsShowTheSameGuideInTheSameWindow) {
    const Form& program = instance<extras::Form49>();
    const Form& launcher = instance<setup::Form49>();
    const TextBox& programText = program.control<TextBox>(u"Text1"_s);
    const TextBox& launcherText = launcher.control<TextBox>(u"Text1"_s);

    EXPECT_EQ(launcherText.Text(), programText.Text());
    EXPECT_EQ(launcherText.Text(), setup::Form49::guideText());
    // The medium's guide, not the source build's.
    for (const QString& topic : {u"W_disk_1/SETUP.exe --uninstall"_s, u"インストールの経過"_s, u"libqt6webenginewidgets6"_s})
        EXPECT_TRUE(programText.Text().contains(topic)) << topic.toStdString();
    for (const QString& topic : {u"build/bin"_s, u"install-deps"_s})
        EXPECT_FALSE(programText.Text().contains(topic)) << topic.toStdString();

    EXPECT_EQ(launcher.Caption(), program.Caption());
    EXPECT_EQ(launcher.ScaleWidth(), program.ScaleWidth());
    EXPECT_EQ(launcher.ScaleHeight(), program.ScaleHeight());
    EXPECT_EQ(launcher.BackColor(), program.BackColor());
    EXPECT_EQ(launcherText.rect(), programText.rect());
    EXPECT_EQ(launcherText.Font().name, programText.Font().name);
    EXPECT_EQ(launcherText.Font().size, programText.Font().size);
    EXPECT_EQ(launcherText.Locked(), programText.Locked());
    const CommandButton& programClose = program.control<CommandButton>(u"f_end"_s);
    const CommandButton& launcherClose = launcher.control<CommandButton>(u"f_end"_s);
    EXPECT_EQ(launcherClose.Caption(), programClose.Caption());
    EXPECT_EQ(launcherClose.rect(), programClose.rect());
    EXPECT_EQ(launcherClose.Font().size, programClose.Font().size);
}

}  // namespace
