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

TEST(WindowStartup, InfoFileStatusSummaries)
{
    WindowFixture w;
    writeInfo(w.t, "clip.mpg.000", 17000000, 12, 1457664);
    w.t.write("clip.mpg.001", QByteArray(1457664, 'a'));
    writeInfo(w.t, "lone.avi.000", 5368709120ull, 3, 2000000000);
    w.t.write("bad.avi.000", "short");
    const struct {
        const char* file;
        QString status;
    } cases[] = {
        {"clip.mpg.000", "12 pieces -- 1,457,664 bytes each -- 17,000,000 bytes total"},
        {"lone.avi.000", "3 pieces -- 5,368,709,120 bytes total"},
        {"bad.avi.000", "(Bad .000 file)"},
        {"clip.mpg.001", ""},
    };
    QLocale::setDefault(QLocale::c());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        WindowFixture v;
        QString message;
        if (QString(c.file) == "bad.avi.000")  // a damaged info file is asked about
            answerBox(&message, QMessageBox::Ignore);
        ASSERT_TRUE(v.start({w.t.path(c.file)}));
        EXPECT_EQ(v.panel(), 0);
        EXPECT_EQ(v.text("txtFile_0"), c.file);
        EXPECT_EQ(v.status(), c.status);
        EXPECT_EQ(v.text("txtDir_0"), w.t.dir());  // SameDir: the pieces' folder
        EXPECT_FALSE(v.button("cmdBrowse_1")->isEnabled());
        EXPECT_FALSE(v.form->autoCombine());
    }
}

TEST(WindowStartup, SplitStartShowsPiecesAndLoadsTheExtractRange)
{
    WindowFixture w;
    w.t.write("My Files/exact.avi", QByteArray(512000, 'x'));
    w.t.write("My Files/more.avi", QByteArray(512001, 'x'));
    w.t.write("My Files/empty.avi", {});
    const struct {
        QStringList args;
        QString file;
        QString status;
        int pieces;
    } cases[] = {
        {{w.t.path("My Files/exact.avi")}, "exact.avi", "1 piece -- 512000 bytes each", 1},
        {{w.t.path("My"), "Files/more.avi"}, "more.avi", "2 pieces -- 512000 bytes each", 2},
        {{w.t.path("My Files/empty.avi")}, "empty.avi", "0 pieces -- 512000 bytes each", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        WindowFixture v;
        ASSERT_TRUE(v.start(c.args));
        EXPECT_EQ(v.panel(), 1);
        EXPECT_TRUE(v.button("cmdSplit")->isDefault());
        EXPECT_EQ(v.text("txtFile_1"), c.file);
        EXPECT_EQ(v.status(), c.status);
        EXPECT_EQ(v.form->selection().SplitSrcDir, w.t.path("My Files/"));
        EXPECT_EQ(v.text("txtDir_1"), w.t.path("My Files/"));
        EXPECT_TRUE(v.find<QGroupBox>("fmeExt")->isEnabled());
        EXPECT_EQ(v.text("txtStart"), "0");
        EXPECT_EQ(v.text("txtEnd"), "0");
        EXPECT_EQ(v.find<QScrollBar>("vsbStart")->maximum(), c.pieces);
        EXPECT_EQ(v.find<QScrollBar>("vsbEnd")->maximum(), c.pieces);
    }
}

TEST(WindowStartup, SeveralFilesAreListedInQuotes)
{
    WindowFixture w;
    w.t.write("a.001", "a");
    w.t.write("b c.001", "b");
    w.t.write("x.avi", "x");
    w.t.write("y.avi", "y");
    {
        WindowFixture v;
        ASSERT_TRUE(v.start({w.t.path("a.001"), w.t.path("b c.001")}));
        EXPECT_EQ(v.panel(), 0);
        EXPECT_EQ(v.text("txtFile_0"), "\"a.001\" \"b c.001\"");
        EXPECT_EQ(v.status(), "2 files selected.");
        EXPECT_EQ(v.form->selection().CombFiles, (QStringList{"a.001", "b c.001"}));
    }
    WindowFixture v;
    ASSERT_TRUE(v.start({w.t.path("x.avi"), w.t.path("y.avi")}));
    EXPECT_EQ(v.panel(), 1);
    EXPECT_EQ(v.text("txtFile_1"), "\"x.avi\" \"y.avi\"");
    EXPECT_EQ(v.status(), "2 files selected.");
    EXPECT_FALSE(v.find<QGroupBox>("fmeExt")->isEnabled());
    EXPECT_EQ(v.text("txtStart"), "");
}

TEST(WindowStartup, FilesOfTwoFoldersAreRefusedWithAMessage)
{
    WindowFixture w;
    w.t.write("one/a.001", "a");
    w.t.write("two/a.001", "b");
    QString message;
    answerBox(&message, QMessageBox::Ok);
    ASSERT_TRUE(w.start({w.t.path("one/a.001"), w.t.path("two/a.001")}));
    EXPECT_EQ(message,
              "The chosen files lie in different folders:\n\n" + w.t.path("one/") + "\n"
                  + w.t.path("two/")
                  + "\n\nChoose files of one folder at a time. Nothing was selected.");
    EXPECT_EQ(w.panel(), 0);
    EXPECT_TRUE(w.form->selection().CombFiles.isEmpty());
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
