#pragma once
// An input window opened on its own, as the main window's 手動入力 item opens it, in a
// program folder of the test's own. The input windows read no database; the folder takes
// their captures.

#include "app/Navigator.h"
#include "platform/forms/Form.h"
#include "platform/forms/Services.h"
#include "tests/support/FakeServices.h"
#include "tests/support/TempFolder.h"

#include <QDir>
#include <QString>

#include <gtest/gtest.h>

namespace testing_support {

class InputWindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        app::installNavigation();
        forms::AppInfo::setPath(folder.path());
        saved_ = QDir::currentPath();
        QDir::setCurrent(folder.path());
    }
    void TearDown() override {
        forms::destroyAllForms();
        forms::AppInfo::setPath(QString());
        QDir::setCurrent(saved_);
    }

    // Types into a box as the user does: the focus goes to the box, the text replaces its
    // own. Leaving it is a step of its own.
    static void typeInto(forms::TextBox& box, const QString& text) {
        box.SetFocus();
        box.type(text);
    }
    // Moves the focus on to the country box, which nothing checks.
    template <class W>
    static void leave(W& w) {
        w.Text8.SetFocus();
    }
    // Fills the months 1..12 and leaves the last box, which draws the whole chart.
    template <class W>
    static void typeYear(W& w, const double (&temps)[12], const double (&rains)[12]) {
        for (int i = 1; i <= 12; ++i) {
            w.Text3(i).setText(QString::number(temps[i - 1]));
            w.Text4(i).setText(QString::number(rains[i - 1]));
        }
        typeInto(w.Text4(12), QString::number(rains[11]));
        leave(w);
    }

    FakeServices services;
    TempFolder folder;

private:
    QString saved_;
};

// Twelve months of a town with four seasons (Sapporo's normals, rounded).
inline constexpr double kTemps[12] = {-3.6, -3.1, 0.6, 7.1, 12.4, 16.7, 20.5, 22.3, 18.1, 11.8, 4.9, -0.9};
inline constexpr double kRains[12] = {108, 92, 78, 55, 56, 51, 81, 124, 135, 109, 104, 112};

}  // namespace testing_support
