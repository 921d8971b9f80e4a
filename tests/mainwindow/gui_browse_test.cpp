// The browse buttons driven as the user would: the file dialogs' filters,
// multiple selection, the filter remembered per dialog, the start folder,
// a cancel that changes nothing, the Append target's "Save in" folder, and
// each dialog's title and start folder.
#include "mainwindow/gui_window_fixture.h"

#include <QFileDialog>
#include <QGroupBox>
#include <QTest>
#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

// Chooses names in dir in the next file dialog (all of them typed into its
// name field, as a multiple selection shows them) and records what it offered.
struct Offered {
    QStringList filters;
    QString filter;
    QString dir;
    QFileDialog::FileMode mode = QFileDialog::AnyFile;
};
void choose(Offered* offered, const QString& dir, const QStringList& names,
            const QString& filter = {})
{
    whenModal<QFileDialog>([=](QFileDialog* dialog) {
        offered->filters = dialog->nameFilters();
        offered->filter = dialog->selectedNameFilter();
        offered->dir = dialog->directory().absolutePath() + "/";
        offered->mode = dialog->fileMode();
        if (!filter.isEmpty())
            dialog->selectNameFilter(filter);
        if (names.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->setDirectory(dir);
        QStringList quoted;
        for (const QString& name : names)
            quoted << (names.size() > 1 ? "\"" + name + "\"" : name);
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(quoted.join(' '));
        QMetaObject::invokeMethod(dialog, "accept");
    });
}

}  // namespace

TEST(WindowBrowse, CombineDialogSelectsSeveralSetsAndKeepsItsFilter)
{
    WindowFixture w;
    w.t.write("sets/a.001", "a");
    w.t.write("sets/b.001", "b");
    ASSERT_TRUE(w.start({}));
    Offered first;
    choose(&first, w.t.path("sets"), {"a.001", "b.001"}, "000 & 001 files (*.000 *.001)");
    w.button("cmdBrowse_0")->click();
    EXPECT_EQ(first.filters,
              (QStringList{"000 files (*.000)", "000 & 001 files (*.000 *.001)",
                           "001 files (*.001)", "All files (*)"}));
    EXPECT_EQ(first.filter, "000 files (*.000)");
    EXPECT_EQ(first.dir, QDir::homePath() + "/");
    EXPECT_EQ(first.mode, QFileDialog::ExistingFiles);
    EXPECT_EQ(w.form->selection().CombFiles, (QStringList{"a.001", "b.001"}));
    EXPECT_EQ(w.form->selection().CombSrcDir, w.t.path("sets/"));
    EXPECT_EQ(w.text("txtFile_0"), "\"a.001\" \"b.001\"");
    EXPECT_EQ(w.status(), "2 files selected.");
    EXPECT_EQ(w.text("txtDir_0"), w.t.path("sets/"));

    Offered again;
    choose(&again, {}, {});  // cancelled
    w.button("cmdBrowse_0")->click();
    EXPECT_EQ(again.filter, "000 & 001 files (*.000 *.001)");
    EXPECT_EQ(again.dir, w.t.path("sets/"));  // InitCombineDir took the first folder
    EXPECT_EQ(w.form->selection().CombFiles, (QStringList{"a.001", "b.001"}));
    EXPECT_EQ(w.status(), "2 files selected.");
}

TEST(WindowBrowse, SplitDialogSelectsOneFileWithItsRange)
{
    WindowFixture w;
    w.t.writePattern("movie.avi", 1100000);
    ASSERT_TRUE(w.start({}));
    w.form->selectPanel(1);
    Offered offered;
    choose(&offered, w.t.dir(), {"movie.avi"});
    w.button("cmdBrowse_2")->click();
    EXPECT_EQ(offered.filters,
              (QStringList{"Movie files (*.mpg *.avi *.mov *.rm)", "All files (*)"}));
    EXPECT_EQ(offered.mode, QFileDialog::ExistingFiles);
    EXPECT_EQ(w.form->selection().SplitFiles, QStringList{"movie.avi"});
    EXPECT_EQ(w.status(), "3 pieces -- 512000 bytes each");
    EXPECT_TRUE(w.find<QGroupBox>("fmeExt")->isEnabled());
    EXPECT_EQ(w.text("txtEnd"), "0");
}

TEST(WindowBrowse, AnAppendTargetMovesTheSaveInFolderUntilItsNameIsNew)
{
    WindowFixture w;
    w.t.write("other/target.mpg", QByteArray(1048576, 't'));
    ASSERT_TRUE(w.start({}));
    w.form->selectPanel(2);
    Offered offered;
    choose(&offered, w.t.path("other"), {"target.mpg"});
    w.button("cmdBrowse_4")->click();
    EXPECT_EQ(offered.mode, QFileDialog::ExistingFile);
    EXPECT_EQ(w.form->selection().AppendFile, "target.mpg");
    EXPECT_EQ(w.status(), "target.mpg -- 1048576 bytes");
    EXPECT_EQ(w.text("lblFileDir"), "Save in directory: " + w.t.path("other/"));

    QString message;
    answerBox(&message, QMessageBox::Ok);
    QTest::mouseDClick(w.find<QLabel>("lblFileDir"), Qt::LeftButton);
    EXPECT_EQ(
        message,
        "You can only change this directory if you enter\nthe name of a file that does not already exist.");
    QTest::keyClicks(w.find<QLineEdit>("txtFile_2"), "x");
    EXPECT_EQ(w.form->selection().AppendFile, "target.mpgx");
}

TEST(WindowBrowse, EachDialogSaysWhatItChoosesAndFolderDialogsStartAtTheirField)
{
    WindowFixture w;
    const QString sets = w.t.mkdir("sets");
    const QString pieces = w.t.mkdir("pieces");
    const QString parts = w.t.mkdir("parts");
    w.stored(("SameDir=0\nSplitSameDir=0\nInitAppendDir=" + parts + "\n").toUtf8());
    ASSERT_TRUE(w.start({}));
    w.find<QLineEdit>("txtDir_0")->setText(sets);
    // A folder that is gone: the dialog starts at the nearest one above it.
    w.find<QLineEdit>("txtDir_1")->setText(pieces + "gone/deeper");
    const struct {
        int panel;
        const char* button;
        const char* title;
        QString dir;
    } cases[] = {
        {0, "cmdBrowse_0", "Choose the file sets to combine", QDir::homePath()},
        {0, "cmdBrowse_1", "Choose the folder for the combined files", w.t.path("sets")},
        {1, "cmdBrowse_2", "Choose the files to split", QDir::homePath()},
        {1, "cmdBrowse_3", "Choose the folder for the pieces", w.t.path("pieces")},
        {2, "cmdBrowse_4", "Choose the file to append to", parts.chopped(1)},
        {2, "cmdBrowse_5", "Choose the folder to find parts in", w.t.path("parts")},
        {2, "lblFileDir", "Choose the folder to save in", w.t.path("parts")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        w.form->selectPanel(c.panel);
        QString title;
        QString dir;
        whenModal<QFileDialog>([&](QFileDialog* dialog) {
            title = dialog->windowTitle();
            dir = dialog->directory().absolutePath();
            dialog->reject();
        });
        if (QString(c.button) == "lblFileDir")
            QTest::mouseDClick(w.find<QLabel>("lblFileDir"), Qt::LeftButton);
        else
            w.button(c.button)->click();
        EXPECT_EQ(title, c.title);
        EXPECT_EQ(dir, c.dir);
    }
    // A cancelled folder dialog keeps the field as it was.
    EXPECT_EQ(w.text("txtDir_0"), sets);
}
