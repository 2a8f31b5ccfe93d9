// Labels bound to recordsets: a move repaints the labels bound to that recordset and no
// other window, and labels, windows and recordsets may go in any order.
#include "platform/ado/Ado.h"
#include "platform/forms/Form.h"
#include "platform/forms/Twips.h"
#include "tests/support/FakeServices.h"
#include "tests/support/TempFolder.h"

#include <QApplication>
#include <QDir>
#include <QPaintEvent>
#include <QRegion>
#include <QWidget>

#include <gtest/gtest.h>

using namespace forms;
using namespace Qt::Literals::StringLiterals;
using testing_support::FakeServices;
using testing_support::TempFolder;

namespace {

FormDesign boundDesign(const QString& name) {
    FormDesign d;
    d.name = name;
    d.clientWidth = 4500;
    d.clientHeight = 3000;
    d.backColor = 0xE4EFEF;
    d.controls = {
        label(u"Title"_s, 0, 0, 4500, 600).caption_(name),
        label(u"Year"_s, 300, 900, 1200, 300).back(0xFFFFFF),
        label(u"Temp"_s, 300, 1500, 1200, 300).back(0xFFFFFF),
    };
    return d;
}

class WindowA : public Form {
public:
    WindowA() : Form(boundDesign(u"WindowA"_s)) {}
    Label& Year{control<Label>(u"Year"_s)};
    Label& Temp{control<Label>(u"Temp"_s)};
};

class WindowB : public Form {
public:
    WindowB() : Form(boundDesign(u"WindowB"_s)) {}
    Label& Year{control<Label>(u"Year"_s)};
    Label& Temp{control<Label>(u"Temp"_s)};
};

// Counts the paints of a window's client area and where they fell.
class PaintWatch final : public QObject {
public:
    explicit PaintWatch(QWidget* w) : QObject(w) { w->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) {
            ++paints;
            painted += static_cast<QPaintEvent*>(e)->region();
        }
        return false;
    }
    void clear() {
        paints = 0;
        painted = QRegion();
    }
    int paints = 0;
    QRegion painted;
};

void settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

QRect pixelsOf(const Control& c) { return QRect(toPixels(c.Left()), toPixels(c.Top()), toPixels(c.Width()), toPixels(c.Height())); }

class BindingTest : public ::testing::Test {
protected:
    void SetUp() override {
        path = folder.file(u"Test.mdb"_s);
        ado::DatabaseWriter w(path);
        for (const QString& table : {u"Tokyo_Hyser_Data"_s, u"Naha_Hyser_Data"_s}) {
            w.createTable(table, {{u"nen"_s, true}, {u"Ondo_1"_s, false}});
            const QString base = table.startsWith(u'T') ? u"5."_s : u"17."_s;
            for (int year = 1998; year <= 2000; ++year) w.insert(table, {QString::number(year), base + QString::number(year % 10)});
        }
        w.commit();
        cn = std::make_shared<ado::Connection>();
        cn->Open(u"Data Source="_s + path);
    }
    void TearDown() override { destroyAllForms(); }

    std::shared_ptr<ado::Recordset> open(const QString& table) {
        auto rs = std::make_shared<ado::Recordset>();
        rs->Open(table, cn);
        return rs;
    }

    template <class W>
    static void bind(W& w, const std::shared_ptr<ado::Recordset>& rs) {
        w.Year.setDataSource(rs);
        w.Year.setDataField(u"nen"_s);
        w.Temp.setDataSource(rs);
        w.Temp.setDataField(u"Ondo_1"_s);
    }

    FakeServices services;
    TempFolder folder;
    QString path;
    std::shared_ptr<ado::Connection> cn;
};

TEST_F(BindingTest, MovingARecordsetRepaintsOnlyTheLabelsBoundToIt) {
    WindowA& a = instance<WindowA>();
    WindowB& b = instance<WindowB>();
    auto tokyo = open(u"Tokyo_Hyser_Data"_s);
    auto naha = open(u"Naha_Hyser_Data"_s);
    bind(a, tokyo);
    bind(b, naha);
    a.Show();
    b.Show();
    auto* watchA = new PaintWatch(a.clientWidget());
    auto* watchB = new PaintWatch(b.clientWidget());
    settle();
    watchA->clear();
    watchB->clear();

    tokyo->MoveNext();
    settle();
    EXPECT_EQ(a.Year.Caption(), u"1999"_s);
    EXPECT_EQ(a.Temp.Caption(), u"5.9"_s);
    EXPECT_GE(watchA->paints, 1);
    EXPECT_EQ(watchB->paints, 0) << "the other window's recordset did not move";
    const QRegion bound = QRegion(pixelsOf(a.Year).adjusted(-1, -1, 1, 1)) + pixelsOf(a.Temp).adjusted(-1, -1, 1, 1);
    EXPECT_TRUE((watchA->painted - bound).isEmpty()) << "only the bound labels are repainted";

    watchA->clear();
    naha->MoveLast();
    settle();
    EXPECT_EQ(b.Year.Caption(), u"2000"_s);
    EXPECT_GE(watchB->paints, 1);
    EXPECT_EQ(watchA->paints, 0);
}

TEST_F(BindingTest, ARelabelledLabelFollowsOnlyItsNewRecordset) {
    WindowA& a = instance<WindowA>();
    auto tokyo = open(u"Tokyo_Hyser_Data"_s);
    auto naha = open(u"Naha_Hyser_Data"_s);
    bind(a, tokyo);
    a.Show();
    auto* watch = new PaintWatch(a.clientWidget());
    bind(a, naha);
    const std::weak_ptr<ado::Recordset> old = tokyo;
    tokyo.reset();
    EXPECT_TRUE(old.expired()) << "rebinding let the old recordset go";
    settle();
    watch->clear();

    naha->MoveNext();
    settle();
    EXPECT_EQ(a.Temp.Caption(), u"17.9"_s);
    EXPECT_GE(watch->paints, 1);

    a.Year.setDataSource(nullptr);
    a.Temp.setDataSource(nullptr);
    settle();
    watch->clear();
    naha->MoveFirst();
    settle();
    EXPECT_EQ(watch->paints, 0) << "an unbound label follows nothing";
}

TEST_F(BindingTest, WindowsAndRecordsetsMayGoInEitherOrder) {
    auto tokyo = open(u"Tokyo_Hyser_Data"_s);
    auto naha = open(u"Naha_Hyser_Data"_s);
    {
        SCOPED_TRACE("the window goes first: the recordset moves on with nobody to call");
        WindowA& a = instance<WindowA>();
        bind(a, tokyo);
        a.Show();
        a.Unload();
        collectUnloadedForms();
        tokyo->MoveNext();
        tokyo->MoveFirst();
        settle();
    }
    {
        SCOPED_TRACE("the program lets its recordset go first: the labels keep theirs");
        WindowB& b = instance<WindowB>();
        bind(b, naha);
        b.Show();
        const std::weak_ptr<ado::Recordset> held = naha;
        naha.reset();
        ASSERT_FALSE(held.expired());
        held.lock()->MoveLast();
        EXPECT_EQ(b.Year.Caption(), u"2000"_s);
        destroyAllForms();
        EXPECT_TRUE(held.expired()) << "the last label that held it went";
    }
    {
        SCOPED_TRACE("a new window binds the recordset that outlived the old one");
        WindowA& a = instance<WindowA>();
        bind(a, tokyo);
        tokyo->MoveLast();
        EXPECT_EQ(a.Year.Caption(), u"2000"_s);
    }
}

TEST(MoveSubscriptionTest, ListenersComeAndGoSafelyWhileARecordsetMoves) {
    TempFolder folder;
    const QString file = folder.file(u"t.mdb"_s);
    {
        ado::DatabaseWriter w(file);
        w.createTable(u"T"_s, {{u"nen"_s, true}});
        for (int y = 1998; y <= 2000; ++y) w.insert(u"T"_s, {QString::number(y)});
        w.commit();
    }
    auto cn = std::make_shared<ado::Connection>();
    cn->Open(u"Data Source="_s + file);
    auto rs = std::make_shared<ado::Recordset>();
    rs->Open(u"T"_s, cn);

    QStringList calls;
    ado::MoveSubscription second;
    ado::MoveSubscription late;
    ado::MoveSubscription first = rs->onMove([&] {
        calls << u"first"_s;
        second.reset();  // one listener lets another go in the middle of a move
        if (!late.active()) late = rs->onMove([&] { calls << u"late"_s; });
    });
    second = rs->onMove([&] { calls << u"second"_s; });
    rs->MoveNext();
    EXPECT_EQ(calls, QStringList{u"first"_s}) << "the one let go is not called; the one added waits for the next move";
    calls.clear();
    rs->MoveNext();
    EXPECT_EQ(calls, (QStringList{u"first"_s, u"late"_s}));

    ado::MoveSubscription moved = std::move(first);
    EXPECT_FALSE(first.active());
    EXPECT_TRUE(moved.active());
    rs.reset();  // the recordset goes before its listeners
    EXPECT_FALSE(moved.active());
    EXPECT_FALSE(late.active());
    moved.reset();
}

}  // namespace
