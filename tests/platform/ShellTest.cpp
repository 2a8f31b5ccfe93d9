// Files, folders and pictures as the windows use them.
#include "platform/shell/Files.h"
#include "platform/shell/Picture.h"
#include "tests/support/FullDisk.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/TempFolder.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace shell;
using namespace Qt::Literals::StringLiterals;

TEST(ShellTest, NamesForPathsLoseSeparatorsClimbsAndReservedCharacters) {
    struct Case {
        QString name;
        QString safe;
    };
    const Case cases[] = {
        {u"広島"_s, u"広島"_s},
        {u"ワシントンＤ．Ｃ．"_s, u"ワシントンＤ．Ｃ．"_s},
        {u"a/b\\c"_s, u"a_b_c"_s},
        {u"../x"_s, u"_x"_s},
        {u".."_s, u"default"_s},
        {u""_s, u"default"_s},
        {u"a:b*c?\"<>|"_s, u"a_b_c_____"_s},
        {u"tab\there"_s, u"tab_here"_s},
        {u"a..b"_s, u"a_b"_s},
        {u"  那覇 ."_s, u"那覇"_s},  // blanks left by the dots go too: no name ends in a blank
        {u". . ."_s, u"default"_s},
        {u"a\u0085b\u009Fc"_s, u"a_b_c"_s},  // the controls beyond ASCII as well
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        EXPECT_EQ(safeFileName(c.name, u"default"_s), c.safe);
    }
}

TEST(ShellTest, FoldersWithJapaneseNamesAreMadeAndEntered) {
    testing_support::TempFolder temp;
    const QString here = QDir::currentPath();
    ChDir(temp.path());
    MkDir(u"CAP"_s);
    EXPECT_THROW(MkDir(u"CAP"_s), std::runtime_error) << "it exists already";
    EXPECT_THROW(MkDir(u"nowhere/deeper"_s), std::runtime_error) << "its parent is missing";
    EXPECT_TRUE(makePath(u"CAP\\東京"_s)) << "backslashes are folders";
    EXPECT_TRUE(folderExists(u"CAP/東京"_s));
    EXPECT_THROW(ChDir(u"no such folder"_s), std::runtime_error);
    ChDir(here);
}

TEST(ShellTest, PicturesSaveAsBitmapsAndMissingFilesAreNamed) {
    testing_support::TempFolder temp;
    QImage image(5, 4, QImage::Format_RGB32);
    image.fill(QColor(10, 20, 30));
    const QString file = temp.file(u"図.bmp"_s);
    SavePicture(Picture(image), file);
    const Picture back = LoadPicture(file);
    EXPECT_EQ(back.widthPixels(), 5);
    EXPECT_EQ(QColor(back.image().pixel(2, 2)), QColor(10, 20, 30));
    try {
        LoadPicture(temp.file(u"W_GIF/none.gif"_s));
        FAIL();
    } catch (const std::runtime_error& e) {
        EXPECT_TRUE(QString::fromStdString(e.what()).contains(u"none.gif"_s));
    }
    EXPECT_THROW(SavePicture(Picture(), temp.file(u"empty.bmp"_s)), std::runtime_error);
}

// A disk that fills up during the write: the bitmap is a failure however far it got
// (the last bytes fail only when the file is closed), no cut-off file is left under its
// name, and an earlier picture of that name stays whole.
TEST(ShellTest, APictureThatDoesNotFitOnTheDiskIsAFailureAndKeepsTheEarlierFile) {
    testing_support::TempFolder temp;
    QImage image(200, 150, QImage::Format_RGB32);
    image.fill(QColor(10, 20, 30));
    const QString file = temp.file(u"図.bmp"_s);
    SavePicture(Picture(image), file);
    const qint64 whole = QFileInfo(file).size();
    ASSERT_GT(whole, 90000);
    QImage other(image);
    other.fill(QColor(200, 0, 0));

    struct Case {
        const char* name;
        qint64 room;
    };
    const Case cases[] = {
        {"full early", 4096},
        {"full at the last bytes", whole - 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const QString& target : {file, temp.file(u"新.bmp"_s)}) {
            SCOPED_TRACE(target.toStdString());
            try {
                testing_support::FullDisk full(static_cast<std::uint64_t>(c.room));
                SavePicture(Picture(other), target);
                ADD_FAILURE() << "reported as written";
            } catch (const std::runtime_error& e) {
                EXPECT_TRUE(QString::fromStdString(e.what()).contains(target)) << e.what();
            }
        }
        EXPECT_FALSE(QFileInfo::exists(temp.file(u"新.bmp"_s))) << "no cut-off bitmap";
        EXPECT_EQ(QFileInfo(file).size(), whole);
        EXPECT_EQ(QColor(LoadPicture(file).image().pixel(2, 2)), QColor(10, 20, 30)) << "the earlier picture is whole";
        EXPECT_EQ(QDir(temp.path()).entryList(QDir::Files).size(), 1) << "nothing left beside it";
    }
}
