// The capture holder and the capture notice.
#include "extras/CaptureWindows.h"
#include "platform/forms/Form.h"
#include "tests/support/FakeServices.h"

#include <QImage>

#include <gtest/gtest.h>

using namespace extras;
using namespace forms;
using namespace Qt::Literals::StringLiterals;
using testing_support::FakeServices;

namespace {

class CaptureWindowsTest : public ::testing::Test {
protected:
    void TearDown() override { destroyAllForms(); }
    FakeServices services;
};

TEST_F(CaptureWindowsTest, TheHolderLoadsHiddenWithItsCaptionAndSize) {
    Form399& holder = instance<Form399>();
    EXPECT_FALSE(holder.Visible());
    EXPECT_EQ(holder.Caption(), u"ScreenCapture"_s);
    EXPECT_EQ(holder.Width(), 12000);
    EXPECT_EQ(holder.Height(), 8560);
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(Qt::green);
    holder.picCapture.setPicture(shell::Picture(image));
    EXPECT_EQ(instance<Form399>().picCapture.Picture().widthPixels(), 4);
}

TEST_F(CaptureWindowsTest, TheNoticesOkButtonUnloadsIt) {
    Dialog_cap& notice = instance<Dialog_cap>();
    EXPECT_EQ(notice.Caption(), u"インフォメーション"_s);
    EXPECT_EQ(notice.OKButton.Caption(), u"OK"_s);
    notice.Show();
    notice.OKButton.click();
    EXPECT_FALSE(isLoaded<Dialog_cap>());
}

}  // namespace
