#include "core/texts.h"
#include "settings/setting_keys.h"
#include "store_fixture.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace tsl;
using tsl::test::StoreFixture;

namespace {

QByteArray dirsIni(const QString& combine, const QString& split, const QString& append)
{
    return "[Directories]\nInitCombineDir=" + combine.toUtf8() + "\nInitSplitDir=" + split.toUtf8()
        + "\nInitAppendDir=" + append.toUtf8() + "\n";
}

QString createQuestion(const QString& path, const QString& description)
{
    return "The directory you specified (" + path + ") for the" + CrLf + description
        + " does not exist." + CrLf2 + "Do you want the program to create it?";
}

}  // namespace

// An existing or empty directory is left alone; a missing one is asked
// about, created on Yes and kept as stored on No.
TEST(DirectoryCheck, AMissingDirectoryIsCreatedOnYesAndStaysAsStoredOnNo)
{
    for (const Answer answer : {Answer::Yes, Answer::No}) {
        StoreFixture f;
        const QString path = f.t.path("new");
        const QString films = f.t.mkdir("films");
        f.ini(dirsIni(path, QString(), films));
        f.host.answers = {answer};
        Settings s;
        const LoadOutcome out = f.load(s);
        EXPECT_EQ(s.InitCombineDir, path);
        EXPECT_EQ(s.InitAppendDir, films);
        EXPECT_EQ(out.keys.value("InitAppendDir").source, ValueSource::Store);
        ASSERT_EQ(f.host.asked.size(), 1u);
        EXPECT_EQ(f.host.asked[0].text, createQuestion(path, "initial combine directory"));
        EXPECT_EQ(f.host.asked[0].buttons, Buttons::YesNo);
        EXPECT_EQ(f.host.asked[0].icon, Icon::Question);
        EXPECT_EQ(QFileInfo(path).isDir(), answer == Answer::Yes);
        EXPECT_EQ(f.store.readIni(section::Directories, "InitCombineDir"), path);
    }
}

TEST(DirectoryCheck, TwoMissingLevelsCannotBeCreatedAndAreCleared)
{
    StoreFixture f;
    const QString path = f.t.path("a/b");
    f.ini("; kept\n" + dirsIni(QString(), QString(), path));
    f.host.answers = {Answer::Yes};
    Settings s;
    const LoadOutcome out = f.load(s);
    EXPECT_EQ(f.host.conversation,
              QStringList({"ask: " + createQuestion(path, "initial append directory") + " => Yes",
                           "message: There was an error (76) creating " + path + "."}));
    EXPECT_EQ(f.host.asked[1].icon, Icon::Information);
    EXPECT_TRUE(s.InitAppendDir.isEmpty());
    EXPECT_EQ(out.keys.value("InitAppendDir").source, ValueSource::Cleared);
    EXPECT_EQ(f.iniText(), "; kept\n" + dirsIni(QString(), QString(), QString()));
    EXPECT_FALSE(f.t.exists("a"));
}

TEST(DirectoryCheck, APathWithoutDriveIsClearedWithTheDriveMessage)
{
    StoreFixture f;
    f.user("InitSplitDir=d:\\\\Films\nInitAppendDir=films/new\n");
    Settings s;
    const LoadOutcome out = f.load(s);
    EXPECT_EQ(f.host.messages,
              QStringList({"The drive you specified (D:) for the initial split directory does "
                           "not exist."
                               + CrLf2 + "TSL will default to '/home/tester'.",
                           "The drive you specified (films) for the initial append directory "
                           "does not exist."
                               + CrLf2 + "TSL will default to '/home/tester'."}));
    EXPECT_TRUE(s.InitSplitDir.isEmpty());
    EXPECT_TRUE(s.InitAppendDir.isEmpty());
    EXPECT_EQ(out.keys.value("InitSplitDir").source, ValueSource::Cleared);
    // Cleared in the store too: an empty native value.
    EXPECT_EQ(f.store.readNative("InitSplitDir"), QString(""));
    EXPECT_FALSE(f.t.exists("prog/tsl.ini"));
}

TEST(DirectoryCheck, RemovableMediumUnmountedKeepsTheSettingMountedIsOrdinary)
{
    StoreFixture f;
    f.drives.removableRoots = {f.t.path("media")};
    const QString path = f.t.path("media/tester/STICK/films");
    const QString other = f.t.path("media/CARD");
    f.ini(dirsIni(path, other, QString()));
    Settings s = f.loaded();
    EXPECT_EQ(
        f.host.conversation,
        QStringList({"message: There is no disk in drive " + f.t.path("media/tester/STICK") + ".",
                     "message: There is no disk in drive " + other + "."}));
    EXPECT_EQ(s.InitCombineDir, path);
    EXPECT_EQ(s.InitSplitDir, other);
    EXPECT_EQ(f.store.readIni(section::Directories, "InitCombineDir"), path);

    const QString stick = f.t.mkdir("media/tester/STICK");
    f.drives.mountPoints = [stick] { return QStringList{stick}; };
    f.t.mkdir("media/tester/STICK/films");
    f.ini(dirsIni(stick + "films", f.t.path("media/tester"), QString()));
    f.host = {};
    s = f.loaded();
    EXPECT_TRUE(f.host.conversation.isEmpty());
    EXPECT_EQ(s.InitCombineDir, stick + "films");
}

TEST(DirectoryCheck, OtherFailuresAskTheRunTimeErrorQuestion)
{
    StoreFixture f;
    const QString loop = f.t.path("loop");
    ASSERT_TRUE(QFile::link(loop, loop));
    const QString file = f.t.write("plain", "x");  // a file where the directory should be
    f.ini(dirsIni(loop, file, QString()));
    f.host.answers = {Answer::Yes, Answer::Yes, Answer::Yes};
    Settings s;
    LoadOutcome out = f.load(s);
    EXPECT_FALSE(out.terminated);
    ASSERT_EQ(f.host.asked.size(), 3u);
    EXPECT_EQ(f.host.asked[0].text,
              "Runtime Error: 57" + CrLf + "Procedure: modSplit.LoadReg.Shit" + CrLf2
                  + "Device I/O error" + CrLf + loop + CrLf2
                  + "Do you want the program to try to continue?" + CrLf
                  + "(Click NO to close the program.)");
    EXPECT_EQ(f.host.asked[0].defaultAnswer, Answer::No);
    EXPECT_EQ(f.host.asked[0].icon, Icon::Critical);
    EXPECT_EQ(s.InitCombineDir, loop);  // Yes: on with the next step
    EXPECT_EQ(f.host.asked[1].text, createQuestion(file, "initial split directory"));
    EXPECT_TRUE(f.host.asked[2].text.startsWith("Runtime Error: 75" + CrLf));
    EXPECT_EQ(s.InitSplitDir, file);
    EXPECT_EQ(f.t.read("plain"), QByteArray("x"));

    // No ends the load at once: the next directory is not looked at.
    f.host = {};
    f.host.answers = {Answer::No};
    out = f.load(s);
    EXPECT_TRUE(out.terminated);
    EXPECT_EQ(f.host.asked.size(), 1u);
}
