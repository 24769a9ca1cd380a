#include "shell/SingleInstance.h"
#include "support/ChildProcess.h"

#include <QFile>
#include <QTemporaryDir>

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

TEST(SingleInstance, SecondInstanceIsRefusedWhileTheFirstRuns)
{
    QTemporaryDir dir;
    const TSingleInstance first(dir.path());
    ASSERT_TRUE(first.IsFirst());
    {
        const TSingleInstance second(dir.path());
        EXPECT_FALSE(second.IsFirst());
    }
    // The refused one took nothing away from the first.
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("Zandivo.lock"))));
    const TSingleInstance third(dir.path());
    EXPECT_FALSE(third.IsFirst());
}

TEST(SingleInstance, AnotherProcessIsRefusedToo)
{
    QTemporaryDir dir;
    const TSingleInstance first(dir.path());
    ASSERT_TRUE(first.IsFirst());
    const QString answer = RunInChild([&] {
        const TSingleInstance second(dir.path());
        return second.IsFirst() ? QStringLiteral("started") : QStringLiteral("refused");
    });
    EXPECT_EQ(answer, QStringLiteral("refused"));
}

TEST(SingleInstance, NextRunStartsAfterTheFirstEnded)
{
    QTemporaryDir dir;
    {
        const TSingleInstance first(dir.path());
        ASSERT_TRUE(first.IsFirst());
    }
    const TSingleInstance next(dir.path());
    EXPECT_TRUE(next.IsFirst());
}

TEST(SingleInstance, LockOfACrashedRunIsTakenOver)
{
    QTemporaryDir dir;
    // The child takes the lock and dies without giving it back.
    const QString answer = RunInChild([&] {
        auto *leaked = new TSingleInstance(dir.path());
        return leaked->IsFirst() ? QStringLiteral("locked") : QStringLiteral("refused");
    });
    ASSERT_EQ(answer, QStringLiteral("locked"));
    ASSERT_TRUE(QFile::exists(dir.filePath(QStringLiteral("Zandivo.lock"))));

    const TSingleInstance next(dir.path());
    EXPECT_TRUE(next.IsFirst());
}

} // namespace
