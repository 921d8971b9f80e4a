// The window's start-up from each kind of command line: the panel it opens,
// the selection shown in the file fields, the status summary, the directory
// fields, and files of several folders refused.
#include "pieces/info_file.h"
#include "mainwindow/gui_window_fixture.h"
#include "support/piece_sets.h"

#include <QGroupBox>
#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

TEST(WindowStartup, NoUsableArgumentOpensTheEmptyCombinePanel)
{
    for (const QStringList& args : {QStringList{}, QStringList{"a.av"}}) {
        WindowFixture w;
        ASSERT_TRUE(w.start(args));
        EXPECT_EQ(w.panel(), 0);
        EXPECT_TRUE(w.button("cmdCombine")->isDefault());
        EXPECT_EQ(w.text("txtFile_0"), "");
        EXPECT_EQ(w.status(), "");
        EXPECT_EQ(w.form->windowTitle(), "TSL...");
    }
}

// The summaries' wording and numbers have their own test (StatusText); here
// the window shows them, and says when an info file is damaged.
TEST(WindowStartup, AnInfoFileOpensCombineWithItsSummary)
{
    WindowFixture w;
    writeInfo(w.t, "clip.mpg.000", 17000000, 12, 1457664);
    w.t.write("clip.mpg.001", QByteArray(1457664, 'a'));
    w.t.write("bad.avi.000", "short");
    QLocale::setDefault(QLocale::c());
    for (const auto& [file, status] :
         {std::pair<QString, QString>{
              "clip.mpg.000", "12 pieces -- 1,457,664 bytes each -- 17,000,000 bytes total"},
          {"bad.avi.000", "(Bad .000 file)"}}) {
        SCOPED_TRACE(file.toStdString());
        WindowFixture v;
        QString message;
        if (file == "bad.avi.000")  // a damaged info file is asked about
            answerBox(&message, QMessageBox::Ignore);
        ASSERT_TRUE(v.start({w.t.path(file)}));
        EXPECT_EQ(v.panel(), 0);
        EXPECT_EQ(v.text("txtFile_0"), file);
        EXPECT_EQ(v.status(), status);
        EXPECT_EQ(v.text("txtDir_0"), w.t.dir());  // SameDir: the pieces' folder
        EXPECT_FALSE(v.button("cmdBrowse_1")->isEnabled());
        EXPECT_FALSE(v.form->AutoCombine);
    }
}

// A path with a blank that the shell cut in two is one file (CommandLine has
// the other kinds of argument list).
TEST(WindowStartup, AFileOpensSplitWithItsPiecesAndTheExtractRange)
{
    WindowFixture w;
    w.t.write("My Files/more.avi", QByteArray(512001, 'x'));
    ASSERT_TRUE(w.start({w.t.path("My"), "Files/more.avi"}));
    EXPECT_EQ(w.panel(), 1);
    EXPECT_TRUE(w.button("cmdSplit")->isDefault());
    EXPECT_EQ(w.text("txtFile_1"), "more.avi");
    EXPECT_EQ(w.status(), "2 pieces -- 512000 bytes each");
    EXPECT_EQ(w.form->SplitSrcDir, w.t.path("My Files/"));
    EXPECT_EQ(w.text("txtDir_1"), w.t.path("My Files/"));
    EXPECT_TRUE(w.find<QGroupBox>("fmeExt")->isEnabled());
    EXPECT_EQ(w.text("txtStart"), "0");
    EXPECT_EQ(w.text("txtEnd"), "0");
    EXPECT_EQ(w.find<QScrollBar>("vsbStart")->maximum(), 2);
    EXPECT_EQ(w.find<QScrollBar>("vsbEnd")->maximum(), 2);
}

TEST(WindowStartup, SeveralFilesAreListedInQuotesWithoutAnExtractRange)
{
    WindowFixture w;
    w.t.write("x.avi", "x");
    w.t.write("y z.avi", "y");
    ASSERT_TRUE(w.start({w.t.path("x.avi"), w.t.path("y z.avi")}));
    EXPECT_EQ(w.panel(), 1);
    EXPECT_EQ(w.text("txtFile_1"), "\"x.avi\" \"y z.avi\"");
    EXPECT_EQ(w.status(), "2 files selected.");
    EXPECT_EQ(w.form->SplitFiles, (QStringList{"x.avi", "y z.avi"}));
    EXPECT_FALSE(w.find<QGroupBox>("fmeExt")->isEnabled());
    EXPECT_EQ(w.text("txtStart"), "");
}

TEST(WindowStartup, FilesOfTwoFoldersAreRefusedWithAMessage)
{
    WindowFixture w;
    w.t.write("one/a.001", "a");
    w.t.write("two/a.001", "b");
    QString message;
    answerBox(&message, QMessageBox::Ok);
    ASSERT_TRUE(w.start({w.t.path("one/a.001"), w.t.path("two/a.001")}));
    EXPECT_TRUE(message.startsWith("The chosen files lie in different folders:\n\n"));
    EXPECT_EQ(w.panel(), 0);
    EXPECT_TRUE(w.form->CombFiles.isEmpty());
    EXPECT_EQ(w.text("txtFile_0"), "");
}

TEST(WindowStartup, RememberedDirectoriesAndTheFileFieldsAreDisplayOnly)
{
    WindowFixture w;
    const QString combineDir = w.t.mkdir("combine");
    w.stored("CombineRemember=-1\nSameDir=0\nInitCombineDir=" + combineDir.toUtf8()
             + "\nSplitRemember=-1\nInitSplitDir=" + combineDir.toUtf8() + "\n");
    ASSERT_TRUE(w.start({}));
    EXPECT_EQ(w.text("txtDir_0"), combineDir);
    EXPECT_TRUE(w.button("cmdBrowse_1")->isEnabled());
    EXPECT_EQ(w.text("txtDir_1"), "");  // SplitSameDir stays on
    EXPECT_FALSE(w.button("cmdBrowse_3")->isEnabled());
    EXPECT_TRUE(w.find<QLineEdit>("txtFile_0")->isReadOnly());
    EXPECT_TRUE(w.find<QLineEdit>("txtFile_1")->isReadOnly());
    EXPECT_EQ(w.text("lblFileDir"), "Save in directory: " + QDir::homePath() + "/");
}
