// The window's start-up: the panel each kind of command line opens with its
// selection and summary (the argument lists themselves: CommandLine; one
// file to split with its range: WindowOptions), the
// remembered folders, the desktop registration, and an info file combined
// by itself.
#include "mainwindow/gui_window_fixture.h"
#include "support/piece_sets.h"

#include <QGroupBox>
#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

TEST(WindowStartup, EachKindOfCommandLineOpensItsPanelWithTheSelection)
{
    TempFolder t;
    writeInfo(t, "clip.mpg.000", 17000000, 12, 1457664);
    t.write("clip.mpg.001", QByteArray(1457664, 'a'));
    t.write("bad.avi.000", "short");
    t.write("x.avi", "x");
    t.write("y z.avi", "y");
    t.write("one/a.001", "a");
    t.write("two/a.001", "b");
    const struct {
        QStringList args;
        QMessageBox::StandardButton answer;  // to the message box shown first, if any
        const char* message;                 // the start of its text
        int panel;
        QString files, status, folder;
    } cases[] = {
        // clang-format off
        {{}, QMessageBox::NoButton, "", 0, "", "", ""},
        {{t.path("clip.mpg.000")}, QMessageBox::NoButton, "", 0, "clip.mpg.000",
         "12 pieces -- 1,457,664 bytes each -- 17,000,000 bytes total", t.dir()},
        {{t.path("bad.avi.000")}, QMessageBox::Ignore, "", 0, "bad.avi.000", "(Bad .000 file)",
         t.dir()},
        {{t.path("x.avi"), t.path("y z.avi")}, QMessageBox::NoButton, "", 1,
         "\"x.avi\" \"y z.avi\"", "2 files selected.", t.dir()},
        {{t.path("one/a.001"), t.path("two/a.001")}, QMessageBox::Ok,
         "The chosen files lie in different folders:\n\n", 0, "", "", ""},
        // clang-format on
    };
    QLocale::setDefault(QLocale::c());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        WindowFixture w;
        QString message;
        if (c.answer != QMessageBox::NoButton)
            answerBox(&message, c.answer);
        ASSERT_TRUE(w.start(c.args));
        EXPECT_TRUE(message.isNull() || message.startsWith(c.message)) << message.toStdString();
        EXPECT_EQ(message.isEmpty(), c.answer == QMessageBox::NoButton);
        EXPECT_EQ(w.panel(), c.panel);
        const char* field = c.panel == 0 ? "txtFile_0" : "txtFile_1";
        EXPECT_EQ(w.text(field), c.files);
        EXPECT_TRUE(w.find<QLineEdit>(field)->isReadOnly());
        EXPECT_TRUE(w.button(c.panel == 0 ? "cmdCombine" : "cmdSplit")->isDefault());
        EXPECT_EQ(w.status(), c.status);
        EXPECT_FALSE(w.form->autoCombine());
        // SameDir and SplitSameDir: the output goes beside the selection.
        EXPECT_EQ(w.text(c.panel == 0 ? "txtDir_0" : "txtDir_1"), c.folder);
        EXPECT_FALSE(w.button(c.panel == 0 ? "cmdBrowse_1" : "cmdBrowse_3")->isEnabled());
        if (c.panel == 1) {  // several files: no extract range
            EXPECT_FALSE(w.find<QGroupBox>("fmeExt")->isEnabled());
            EXPECT_EQ(w.text("txtEnd"), "");
        }
    }
}

TEST(WindowStartup, RemembersFoldersAndRegistersTheDesktop)
{
    WindowFixture w;
    const QString combineDir = w.t.mkdir("combine");
    w.stored("CombineRemember=-1\nSameDir=0\nInitCombineDir=" + combineDir.toUtf8()
             + "\nSplitRemember=-1\nInitSplitDir=" + combineDir.toUtf8() + "\n");
    ASSERT_TRUE(w.start({}));
    EXPECT_EQ(w.text("txtDir_0"), combineDir);
    EXPECT_TRUE(w.button("cmdBrowse_1")->isEnabled());
    EXPECT_EQ(w.text("txtDir_1"), "");  // SplitSameDir stays on
    EXPECT_EQ(w.text("lblFileDir"), "Save in directory: " + QDir::homePath() + "/");
    const QList<DesktopItem> items = w.registration.items();
    ASSERT_FALSE(items.isEmpty());
    for (const DesktopItem& item : items)
        EXPECT_TRUE(w.registration.isRegistered(item) && item.path.startsWith(w.t.dir()))
            << item.path.toStdString();
}

// With CombineAssoc and CombineAuto an info file is combined at once; the
// window closes after a combine that worked, and stays after one that skipped.
TEST(WindowStartup, AnInfoFileIsCombinedByItselfAndTheWindowClosesWhenItWorked)
{
    for (const bool missing : {false, true}) {
        SCOPED_TRACE(missing ? "a piece missing" : "whole set");
        WindowFixture w;
        const QByteArray whole =
            writePieceSet(w.t, {.name = "clip.mpg", .size = 1300000, .pieceSize = 512000});
        if (missing)
            QFile::remove(w.t.path("clip.mpg.002"));
        w.stored("CombineAuto=-1\nCombineAssoc=-1\nAutoClose=-1\nCombineDelete=-1\n"
                 "MissingParts=0\n");
        ASSERT_TRUE(w.start({w.t.path("clip.mpg.000")}));
        EXPECT_TRUE(w.form->autoCombine());
        QSignalSpy ended(w.form.get(), &frmMain::jobFinished);
        ASSERT_TRUE(ended.wait(60000));
        EXPECT_EQ(w.form->isVisible(), missing);
        EXPECT_EQ(w.t.exists("clip.mpg.001"), missing);  // CombineDelete after a combine only
        if (missing)
            EXPECT_FALSE(w.t.exists("clip.mpg"));
        else
            EXPECT_EQ(w.t.read("clip.mpg"), whole);
    }
    WindowFixture off;  // without CombineAssoc nothing runs by itself
    writePieceSet(off.t, {.name = "clip.mpg", .size = 1300000, .pieceSize = 512000});
    off.stored("CombineAuto=-1\nCombineAssoc=0\n");
    ASSERT_TRUE(off.start({off.t.path("clip.mpg.000")}));
    EXPECT_FALSE(off.form->autoCombine());
}
