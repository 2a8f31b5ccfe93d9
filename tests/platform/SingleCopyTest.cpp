// The single-copy lock: held while its holder lives, free again as soon as the holder is
// gone, whatever the holder left on disk.
#include "platform/forms/Services.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

using forms::makeSingleCopyLock;
using namespace Qt::Literals::StringLiterals;

TEST(SingleCopyTest, ASecondCopyFindsTheLockHeldUntilTheFirstEnds) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(u"tavrin.lock"_s);
    auto first = makeSingleCopyLock(path);
    EXPECT_FALSE(first->previousInstance());
    EXPECT_FALSE(first->previousInstance()) << "the holder asking again is still the only copy";
    EXPECT_TRUE(makeSingleCopyLock(path)->previousInstance());
    first.reset();
    EXPECT_FALSE(makeSingleCopyLock(path)->previousInstance());
}

TEST(SingleCopyTest, ALockLeftByACopyThatDiedDoesNotBlock) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(u"tavrin.lock"_s);
    // A child takes the lock and dies without letting go of it; another process holding
    // it meanwhile is seen from here.
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        auto lock = makeSingleCopyLock(path);
        const char held = lock->previousInstance() ? 'n' : 'y';
        (void)!::write(ready[1], &held, 1);
        ::pause();
        ::_exit(0);
    }
    char held = 0;
    ASSERT_EQ(::read(ready[0], &held, 1), 1);
    EXPECT_EQ(held, 'y');
    EXPECT_TRUE(makeSingleCopyLock(path)->previousInstance()) << "a live copy in another process holds it";
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ::close(ready[0]);
    ::close(ready[1]);
    ASSERT_TRUE(QFile::exists(path));
    EXPECT_FALSE(makeSingleCopyLock(path)->previousInstance());
}

TEST(SingleCopyTest, ALockThatCannotBeMadeDoesNotKeepTheProgramFromStarting) {
    EXPECT_FALSE(makeSingleCopyLock(u"/nonexistent-folder/for/tavrin.lock"_s)->previousInstance());
}
