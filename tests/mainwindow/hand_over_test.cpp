// A second tsl: the single-instance lock between real processes (a second
// holder refused, a lock of a killed process recovered, an old lock of a
// running one not); the bytes it hands the running one (what goes over is
// what comes out, a request in pieces waits for the rest, malformed or
// foreign bytes are refused).
#include "mainwindow/hand_over.h"
#include "mainwindow/single_instance.h"
#include "support/temp_files.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDateTime>
#include <QFile>
#include <QIODevice>
#include <QProcess>
#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

CommandLineStart splitStart()
{
    CommandLineStart start;
    start.mode = StartMode::Split;
    start.srcDir = "/home/u/My Files/";
    start.files = {"movie one.avi", "b.mpg"};
    return start;
}

// A frame as encodeHandOver writes it, with any body.
QByteArray frame(quint32 mark, const QByteArray& body)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << mark << quint32(body.size());
    return bytes + body;
}

QByteArray body(quint8 mode, const QString& dir, const QStringList& files,
                const QStringList& folders = {})
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << mode << dir << files << folders;
    return bytes;
}

}  // namespace

TEST(HandOver, ARequestArrivesWholeEvenInPieces)
{
    CommandLineStart refused;
    refused.mode = StartMode::Combine;
    refused.folders = {"/a/", "/b/"};
    for (const CommandLineStart& start : {splitStart(), refused}) {
        const QByteArray bytes = encodeHandOver(start) + "next";
        for (qsizetype cut = 0; cut < bytes.size() - 4; ++cut)
            EXPECT_FALSE(decodeHandOver(bytes.left(cut)).has_value()) << cut;
        const std::optional<DecodedHandOver> decoded = decodeHandOver(bytes);
        ASSERT_TRUE(decoded.has_value());
        EXPECT_EQ(decoded->used, bytes.size() - 4);
        EXPECT_EQ(decoded->start.mode, start.mode);
        EXPECT_EQ(decoded->start.srcDir, start.srcDir);
        EXPECT_EQ(decoded->start.files, start.files);
        EXPECT_EQ(decoded->start.folders, start.folders);
    }
}

TEST(HandOver, MalformedRequestsAreRefused)
{
    constexpr quint32 Mark = 0x54534c31;
    const struct {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        // clang-format off
        {"another program's bytes", frame(0x47455420, body(2, "/d/", {"a"}))},
        {"a frame longer than any command line", frame(Mark, {}).left(4) + "\x7f\xff\xff\xff"},
        {"no mode", frame(Mark, body(0, "/d/", {"a"}))},
        {"an unknown mode", frame(Mark, body(7, "/d/", {"a"}))},
        {"a relative folder", frame(Mark, body(2, "d/", {"a"}))},
        {"a name with a folder in it", frame(Mark, body(2, "/d/", {"../../etc/passwd"}))},
        {"the name ..", frame(Mark, body(2, "/d/", {".."}))},
        {"no files", frame(Mark, body(2, "/d/", {}))},
        {"files and refused folders", frame(Mark, body(1, "/d/", {"a"}, {"/a/", "/b/"}))},
        {"bytes after the request", frame(Mark, body(2, "/d/", {"a"}) + "x")},
        {"a body cut short", frame(Mark, body(2, "/d/", {"a"}).chopped(3))},
        // clang-format on
    };
    for (const auto& c : cases) {
        const std::optional<DecodedHandOver> decoded = decodeHandOver(c.bytes);
        ASSERT_TRUE(decoded.has_value()) << c.what;
        EXPECT_EQ(decoded->start.mode, StartMode::None) << c.what;
        EXPECT_TRUE(decoded->start.files.isEmpty()) << c.what;
    }
    // The sound request the cases spoil is taken.
    EXPECT_EQ(decodeHandOver(frame(Mark, body(2, "/d/", {"a"})))->start.mode, StartMode::Split);
}

TEST(HandOver, RepliesAndTheSocketBesideTheLock)
{
    EXPECT_EQ(handOverSocketPath("/run/user/1000/tsl.lock"), "/run/user/1000/tsl.socket");
    for (HandOverReply reply : {HandOverReply::Taken, HandOverReply::Busy})
        EXPECT_EQ(decodeReply(encodeReply(reply)), reply);
    EXPECT_EQ(decodeReply({}), std::nullopt);
    EXPECT_EQ(decodeReply("x"), std::nullopt);
}

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
