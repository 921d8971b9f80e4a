// Append is all or nothing: a cancel or a failure in the middle cuts an
// existing target back to its old length and removes a new one (written
// under a temporary name until complete); a target that is a link is refused.
#include "support/engine_job.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace tsl::test {
namespace {

using AppendCancel = AppendFixture;

TEST_F(AppendCancel, BetweenFilesTheTargetIsTakenBack)
{
    folder.writePattern("a", 25000, 1);
    folder.writePattern("b", 25000, 2);
    for (const bool existing : {true, false}) {
        if (existing)
            folder.write("out.bin", "old");
        TriggeredHost host;
        host.trigger = "50% complete (1 of 2 parts read - out.bin)";
        QStringList namesDuring;
        host.onTrigger = [&] { namesDuring = folder.names(); };
        const AppendOutcome out = run({"a", "b"}, host);
        EXPECT_TRUE(out.cancelled);
        EXPECT_FALSE(out.complete(2));
        EXPECT_TRUE(host.statuses.isEmpty());
        if (existing) {
            EXPECT_EQ(folder.read("out.bin"), "old");
            EXPECT_EQ(out.undone,
                      QStringList{"cut " + folder.path("out.bin") + " back to 3 bytes"});
        } else {
            // Meanwhile only the temporary file had the bytes; now neither is there.
            const QStringList temporary = namesDuring.filter(QRegularExpression("^\\.tsl-a"));
            ASSERT_EQ(temporary.size(), 1);
            EXPECT_FALSE(namesDuring.contains("out.bin"));
            EXPECT_EQ(out.undone, QStringList{"removed " + folder.path(temporary.first())});
        }
        EXPECT_EQ(folder.names(),
                  existing ? QStringList({"a", "b", "out.bin"}) : QStringList({"a", "b"}));
        EXPECT_EQ(folder.read("a"), patternBytes(25000, 1));
        QFile::remove(folder.path("out.bin"));
    }
}

TEST_F(AppendCancel, ATargetThatIsALinkIsRefused)
{
    const QString victim = folder.write("victim", "keep me");
    ASSERT_TRUE(QFile::link(victim, folder.path("out.bin")));
    folder.write("a", "A");
    ScriptedHost host;
    const AppendOutcome out = run({"a"}, host);
    EXPECT_TRUE(out.refused);
    EXPECT_EQ(host.conversation,
              QStringList{"message: out.bin is a symbolic link. Name the file it leads "
                          "to;\r\nnothing was appended."});
    EXPECT_EQ(folder.read("victim"), "keep me");
    EXPECT_TRUE(QFileInfo(folder.path("out.bin")).isSymLink());
}

}  // namespace
}  // namespace tsl::test
