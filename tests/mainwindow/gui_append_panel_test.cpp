// The window's Append panel: lstFrom filled on coming to the tab and from a
// chosen or typed folder, "Save in" following it and the chosen target until
// the user chooses it, a target name leading out of the "Save in" folder
// refused, and an Append run on real files with the list font remembered.
#include "append/append_target_name.h"
#include "lists/gui_append_lists.h"
#include "mainwindow/gui_window_fixture.h"

#include <QDir>
#include <QTabBar>
#include <QTest>
#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

// Selects name alone in lstFrom and moves it as ">" does.
void moveToTarget(const WindowFixture& w, const QString& name)
{
    auto* from = w.find<QListWidget>("lstFrom");
    from->clearSelection();
    const QList<QListWidgetItem*> items = from->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1) << name.toStdString();
    items.first()->setSelected(true);
    w.form->lists()->cmdAdd_Click(1);
}

bool appendButtonEnabled(const WindowFixture& w)
{
    return QTest::qWaitFor([&] { return w.button("cmdAppend")->isEnabled(); }, 5000);
}

}  // namespace

TEST(WindowAppend, ListsFoldersAndSaveInFollowTheUserAndTheFilesAreAppendedInOrder)
{
    WindowFixture w;
    const QString parts = w.t.mkdir("parts");
    const QString other = w.t.mkdir("other");
    const QString out = w.t.mkdir("out");
    const QByteArray a = patternBytes(25000, 1);  // larger than a chunk
    w.t.write("parts/a.bin", a);
    w.t.write("parts/b.bin", "b");
    w.t.write("other/x.bin", "x");
    w.t.write("target/target.mpg", QByteArray(1048576, 't'));
    w.stored(("InitAppendDir=" + parts + "\nChunkSize=10000\nListFontSize=12\n").toUtf8());
    ASSERT_TRUE(w.start({}));
    EXPECT_TRUE(w.entries("lstFrom").isEmpty());  // not filled at start-up
    w.form->selectPanel(2);
    EXPECT_EQ(w.entries("lstFrom"), QStringList({"a.bin", "b.bin"}));
    moveToTarget(w, "a.bin");
    w.t.write("parts/c.bin", "ccc");
    w.form->selectPanel(2);  // the tab already selected: nothing is re-read
    EXPECT_EQ(w.entries("lstTo"), QStringList({"a.bin"}));
    w.form->selectPanel(0);
    w.form->selectPanel(2);  // coming back starts from a fresh list
    EXPECT_EQ(w.entries("lstFrom"), QStringList({"a.bin", "b.bin", "c.bin"}));
    EXPECT_TRUE(w.entries("lstTo").isEmpty());

    moveToTarget(w, "b.bin");
    chooseFolder(QString());  // cancelled: both lists stay
    w.button("cmdBrowse_5")->click();
    EXPECT_EQ(w.entries("lstTo"), QStringList({"b.bin"}));
    chooseFolder(other);
    w.button("cmdBrowse_5")->click();
    EXPECT_EQ(w.text("txtDir_2"), other);
    EXPECT_EQ(w.entries("lstFrom"), QStringList({"x.bin"}));
    EXPECT_TRUE(w.entries("lstTo").isEmpty());
    EXPECT_EQ(w.text("lblFileDir"), "Save in directory: " + other);

    // A chosen target moves "Save in" to its folder, which stays until the name is new.
    choose(nullptr, w.t.path("target"), {"target.mpg"});
    w.button("cmdBrowse_4")->click();
    EXPECT_EQ(w.status(), "target.mpg -- 1048576 bytes");
    EXPECT_EQ(w.text("lblFileDir"), "Save in directory: " + w.t.path("target/"));
    QString message;
    answerBox(&message, QMessageBox::Ok);
    QTest::mouseDClick(w.find<QLabel>("lblFileDir"), Qt::LeftButton);
    EXPECT_EQ(message,
              "You can only change this directory if you enter\nthe name of a file "
              "that does not already exist.");
    w.find<QLineEdit>("txtFile_2")->selectAll();
    QTest::keyClicks(w.find<QLineEdit>("txtFile_2"), "joined.bin");
    chooseFolder(out);
    QTest::mouseDClick(w.find<QLabel>("lblFileDir"), Qt::LeftButton);
    EXPECT_EQ(w.text("lblFileDir"), "Save in directory: " + out);

    // A typed folder is read on Enter (which runs nothing: nothing to append)
    // or on leaving the field; "Save in", chosen by the user, stays.
    auto* folder = w.find<QLineEdit>("txtDir_2");
    for (const bool enter : {true, false}) {
        w.form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.form.get()));
        folder->setFocus();
        folder->selectAll();
        QTest::keyClicks(folder, enter ? w.t.path("target") : w.t.path("parts"));
        if (enter)
            QTest::keyClick(folder, Qt::Key_Return);
        else
            w.find<QLineEdit>("txtFile_2")->setFocus();
        EXPECT_EQ(w.entries("lstFrom").size(), enter ? 1 : 3);
        EXPECT_FALSE(w.form->jobRunning());
    }
    EXPECT_EQ(w.form->selection().AppendSrcDir, parts);
    EXPECT_EQ(w.text("lblFileDir"), "Save in directory: " + out);

    for (const char* name : {"c.bin", "a.bin", "b.bin"})
        moveToTarget(w, name);
    ASSERT_TRUE(appendButtonEnabled(w));
    // A target name leading out of the "Save in" folder is refused before
    // anything is written (which names: AppendTargetName); the box shows
    // the refusal's lines as lines.
    w.find<QLineEdit>("txtFile_2")->setText("../escaped.bin");
    QString refused;
    answerBox(&refused, QMessageBox::Ok);
    w.button("cmdAppend")->click();
    EXPECT_EQ(refused, appendTargetNameProblem("../escaped.bin").replace("\r\n", "\n"));
    EXPECT_FALSE(refused.isEmpty());
    EXPECT_FALSE(w.form->jobRunning());
    EXPECT_FALSE(w.t.exists("escaped.bin"));
    EXPECT_EQ(QDir(out).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList());
    EXPECT_EQ(w.store.ReadReg("AppendPartDir", "", false, "Append"), "");

    w.find<QLineEdit>("txtFile_2")->setText("joined.bin");
    w.button("cmdAppend")->click();
    // The run works from a copy of lstTo; the lists take no change meanwhile.
    EXPECT_FALSE(w.form->lists()->isEnabled());
    EXPECT_FALSE(w.find<QTabWidget>("tbsSplit")->tabBar()->isEnabled());
    ASSERT_TRUE(w.waitForJob());
    EXPECT_EQ(w.t.read("out/joined.bin"), "ccc" + a + "b");
    EXPECT_EQ(w.status(), "Processed joined.bin");
    EXPECT_EQ(w.text("lblTotal_2"), "100% complete (3 of 3 parts read - joined.bin)");
    EXPECT_EQ(w.store.ReadReg("AppendPartDir", "", false, "Append"), parts);
    EXPECT_TRUE(w.form->lists()->isEnabled());
    EXPECT_EQ(w.entries("lstTo"), QStringList({"c.bin", "a.bin", "b.bin"}));  // kept
    w.button("cmdRem_0")->click();  // a list change starts a fresh progress display
    EXPECT_EQ(w.text("lblTotal_2"), "");

    // The list font comes from the settings and is stored when changed.
    EXPECT_EQ(w.find<QListWidget>("lstFrom")->font().pointSizeF(), 12);
    w.button("cmdUp_1")->click();
    EXPECT_EQ(w.settings.ListFontSize, 14);
    EXPECT_EQ(w.store.ReadReg("ListFontSize", "", false, "Append"), "14");
}
