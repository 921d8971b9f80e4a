// The single-instance lock between real processes: a second holder is
// refused, a lock of a killed process is recovered, an old lock of a running
// one is not, and a released lock is free again.
#include "mainwindow/single_instance.h"
#include "support/temp_files.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

// Another process (this test binary in its lock-holding mode).
struct OtherInstance {
    QProcess process;

    // What the other process said when it tried to take the lock.
    QString start(const QString& lockPath)
    {
        process.start(QCoreApplication::applicationFilePath(), {"--hold-instance-lock", lockPath});
        if (!process.waitForStarted(20000) || !process.waitForReadyRead(20000))
            return "no answer";
        return QString::fromLatin1(process.readLine()).trimmed();
    }
    // Lets it end normally, releasing what it holds.
    void quit()
    {
        process.closeWriteChannel();
        process.waitForFinished(20000);
    }
    ~OtherInstance()
    {
        if (process.state() != QProcess::NotRunning)
            quit();
    }
};

}  // namespace

TEST(SingleInstance, ASecondProcessIsRefusedUntilTheFirstEnds)
{
    TempFolder t;
    const QString lock = t.path("tsl.lock");
    OtherInstance first;
    ASSERT_EQ(first.start(lock), "held");

    SingleInstance second(lock);
    EXPECT_FALSE(second.tryAcquire());
    EXPECT_FALSE(second.isHeld());

    // However old the running holder's lock looks, it is not taken over.
    QFile file(lock);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addDays(-1),
                                 QFileDevice::FileModificationTime));
    file.close();
    EXPECT_FALSE(second.tryAcquire());

    first.quit();
    EXPECT_FALSE(QFile::exists(lock));
    EXPECT_TRUE(second.tryAcquire());
    EXPECT_TRUE(second.isHeld());

    // And now this process is the one that refuses the other.
    OtherInstance third;
    EXPECT_EQ(third.start(lock), "refused");
}

TEST(SingleInstance, ALockLeftByAKilledProcessIsRecovered)
{
    TempFolder t;
    const QString lock = t.path("tsl.lock");
    {
        OtherInstance crashed;
        ASSERT_EQ(crashed.start(lock), "held");
        crashed.process.kill();
        crashed.process.waitForFinished(20000);
    }
    ASSERT_TRUE(QFile::exists(lock));  // left behind
    SingleInstance instance(lock);
    EXPECT_TRUE(instance.tryAcquire());
    EXPECT_TRUE(instance.tryAcquire());  // asking again keeps it
}
