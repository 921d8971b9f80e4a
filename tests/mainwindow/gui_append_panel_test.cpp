// The window's Append panel: lstFrom filled on coming to the tab and from a
// chosen or typed folder with "Save in" following it until the user chooses
// it, an Append run from the panel on real files, a target name
// that could lead out of the "Save in" folder refused, the list font
// remembered, and the desktop registered at start-up.
#include "append/append_target_name.h"
#include "lists/gui_append_lists.h"
#include "mainwindow/gui_window_fixture.h"

#include <QDir>
#include <QFileDialog>
#include <QListWidget>
#include <QTabBar>
#include <QTest>
#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

QStringList texts(const QListWidget* list)
{
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names << list->item(i)->text();
    return names;
}

QStringList lstFrom(const WindowFixture& w)
{
    return texts(w.find<QListWidget>("lstFrom"));
}
QStringList lstTo(const WindowFixture& w)
{
    return texts(w.find<QListWidget>("lstTo"));
}

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

// Chooses dir in the next folder dialog, or cancels it when dir is empty.
void chooseFolder(const QString& dir)
{
    whenModal<QFileDialog>([dir](QFileDialog* dialog) {
        if (dir.isEmpty()) {
            dialog->reject();
            return;
        }
        // An empty name field chooses the folder the dialog shows.
        dialog->setDirectory(dir);
        if (auto* name = dialog->findChild<QLineEdit*>("fileNameEdit"))
            name->clear();
        QMetaObject::invokeMethod(dialog, "accept");
    });
}

}  // namespace

TEST(WindowAppend, AppendsThreeFilesInTheChosenOrderOntoTheTarget)
{
    for (const bool deleteAfter : {false, true}) {
        SCOPED_TRACE(deleteAfter ? "AppendDelete on" : "AppendDelete off");
        WindowFixture w;
        const QString parts = w.t.mkdir("parts");
        // Larger than the chunk size, so each source takes several chunks.
        w.t.writePattern("parts/a.bin", 25000, 1);
        const QByteArray a = w.t.read("parts/a.bin");
        w.t.writePattern("parts/b.bin", 10001, 2);
        const QByteArray b = w.t.read("parts/b.bin");
        w.t.writePattern("parts/c.bin", 3, 3);
        const QByteArray c = w.t.read("parts/c.bin");
        w.t.write("parts/joined.bin", "old-");
        w.stored(("InitAppendDir=" + parts
                  + "\nChunkSize=10000\nAppendDelete=" + (deleteAfter ? "-1" : "0") + "\n")
                     .toUtf8());
        ASSERT_TRUE(w.start({}));
        w.form->selectPanel(2);
        EXPECT_EQ(lstFrom(w), QStringList({"a.bin", "b.bin", "c.bin", "joined.bin"}));
        for (const char* name : {"c.bin", "a.bin", "b.bin"})
            moveToTarget(w, name);
        EXPECT_EQ(lstTo(w), QStringList({"c.bin", "a.bin", "b.bin"}));
        EXPECT_FALSE(w.button("cmdAppend")->isEnabled());  // no target named yet
        QTest::keyClicks(w.find<QLineEdit>("txtFile_2"), "joined.bin");
        ASSERT_TRUE(appendButtonEnabled(w));

        w.button("cmdAppend")->click();
        // The run works from a copy of lstTo; the lists take no change meanwhile.
        EXPECT_FALSE(w.form->lists()->isEnabled());
        EXPECT_FALSE(w.find<QTabWidget>("tbsSplit")->tabBar()->isEnabled());
        ASSERT_TRUE(w.waitForJob());

        EXPECT_EQ(w.t.read("parts/joined.bin"), "old-" + c + a + b);
        EXPECT_EQ(w.status(), "Processed joined.bin");
        EXPECT_EQ(w.text("lblTotal_2"), "100% complete (3 of 3 parts read - joined.bin)");
        EXPECT_EQ(w.store.ReadReg("AppendPartDir", "", false, "Append"), parts);
        for (const char* name : {"parts/a.bin", "parts/b.bin", "parts/c.bin"})
            EXPECT_EQ(w.t.exists(name), !deleteAfter) << name;
        EXPECT_TRUE(w.form->lists()->isEnabled());
        EXPECT_EQ(lstTo(w), QStringList({"c.bin", "a.bin", "b.bin"}));  // kept after the run
        // A list change starts a fresh progress display.
        w.button("cmdRem_0")->click();
        EXPECT_EQ(w.text("lblTotal_2"), "");
    }
}

TEST(WindowAppend, ATargetNameLeadingOutOfTheSaveInFolderIsRefused)
{
    // Which names are refused is appendTargetNameProblem's table (AppendTargetName).
    for (const QString name : {"../escaped.bin", "sub/x.bin"}) {
        SCOPED_TRACE(name.toStdString());
        WindowFixture w;
        const QString parts = w.t.mkdir("parts");
        w.t.mkdir("parts/sub");
        w.t.write("parts/a.bin", "abc");
        w.stored(("InitAppendDir=" + parts + "\n").toUtf8());
        ASSERT_TRUE(w.start({}));
        w.form->selectPanel(2);
        moveToTarget(w, "a.bin");
        w.find<QLineEdit>("txtFile_2")->setText(name);
        ASSERT_TRUE(appendButtonEnabled(w));
        QString message;
        answerBox(&message, QMessageBox::Ok);
        w.button("cmdAppend")->click();
        // The box shows the refusal's lines as lines.
        EXPECT_EQ(message, appendTargetNameProblem(name).replace("\r\n", "\n"));
        EXPECT_FALSE(message.isEmpty());
        EXPECT_FALSE(w.form->jobRunning());
        EXPECT_EQ(QDir(parts).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                  QStringList({"a.bin", "sub"}));
        EXPECT_TRUE(
            QDir(parts + "sub").isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
        EXPECT_FALSE(w.t.exists("escaped.bin"));
        EXPECT_EQ(w.t.read("parts/a.bin"), "abc");
        EXPECT_EQ(w.store.ReadReg("AppendPartDir", "", false, "Append"), "");
    }
}

TEST(WindowAppend, TheTabAndTheFolderButtonFillLstFrom)
{
    WindowFixture w;
    const QString parts = w.t.mkdir("parts");
    const QString other = w.t.mkdir("other");
    w.t.write("parts/b.bin", "b");
    w.t.write("parts/A.bin", "a");
    w.t.write("other/x.bin", "x");
    w.stored(("InitAppendDir=" + parts + "\n").toUtf8());
    ASSERT_TRUE(w.start({}));
    EXPECT_TRUE(lstFrom(w).isEmpty());  // not filled at start-up
    w.form->selectPanel(2);
    EXPECT_EQ(lstFrom(w), QStringList({"A.bin", "b.bin"}));
    moveToTarget(w, "A.bin");
    w.t.write("parts/c.bin", "c");

    w.form->selectPanel(2);  // the tab already selected: nothing is re-read
    EXPECT_EQ(lstFrom(w), QStringList({"b.bin"}));
    EXPECT_EQ(lstTo(w), QStringList({"A.bin"}));

    w.form->selectPanel(0);
    w.form->selectPanel(2);  // coming back starts from a fresh list
    EXPECT_EQ(lstFrom(w), QStringList({"A.bin", "b.bin", "c.bin"}));
    EXPECT_TRUE(lstTo(w).isEmpty());

    moveToTarget(w, "b.bin");
    chooseFolder(QString());  // cancelled: both lists stay
    w.button("cmdBrowse_5")->click();
    EXPECT_EQ(lstFrom(w), QStringList({"A.bin", "c.bin"}));
    EXPECT_EQ(lstTo(w), QStringList({"b.bin"}));

    chooseFolder(other);
    w.button("cmdBrowse_5")->click();
    EXPECT_EQ(w.text("txtDir_2"), other);
    EXPECT_EQ(lstFrom(w), QStringList({"x.bin"}));
    EXPECT_TRUE(lstTo(w).isEmpty());
    EXPECT_EQ(w.form->lists()->sourceDir(), other);
}

TEST(WindowAppend, AFolderTypedIntoFindPartsInIsReadAndSaveInFollowsUntilChosen)
{
    WindowFixture w;
    const QString parts = w.t.mkdir("parts");
    const QString other = w.t.mkdir("other");
    const QString third = w.t.mkdir("third");
    const QString out = w.t.mkdir("out");
    w.t.write("parts/a.bin", "a");
    w.t.write("other/x.bin", "x");
    w.t.write("third/y.bin", "y");
    w.stored(("InitAppendDir=" + parts + "\n").toUtf8());
    ASSERT_TRUE(w.start({}));
    w.form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.form.get()));
    w.form->selectPanel(2);
    EXPECT_EQ(lstFrom(w), QStringList({"a.bin"}));
    auto* folder = w.find<QLineEdit>("txtDir_2");

    // Enter reads the typed folder (and runs nothing: there is nothing to append).
    folder->setFocus();
    folder->selectAll();
    QTest::keyClicks(folder, w.t.path("other"));
    QTest::keyClick(folder, Qt::Key_Return);
    EXPECT_EQ(lstFrom(w), QStringList({"x.bin"}));
    EXPECT_EQ(w.text("txtDir_2"), other);
    EXPECT_EQ(w.form->lists()->sourceDir(), other);
    EXPECT_EQ(w.text("lblFileDir"), "Save in directory: " + other);
    EXPECT_FALSE(w.form->jobRunning());

    // "Save in" chosen by the user stays where it is from then on.
    chooseFolder(out);
    QTest::mouseDClick(w.find<QLabel>("lblFileDir"), Qt::LeftButton);
    EXPECT_EQ(w.text("lblFileDir"), "Save in directory: " + out);

    // Leaving the field reads the folder too.
    w.form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.form.get()));
    folder->setFocus();
    folder->selectAll();
    QTest::keyClicks(folder, w.t.path("third"));
    w.find<QLineEdit>("txtFile_2")->setFocus();
    EXPECT_EQ(lstFrom(w), QStringList({"y.bin"}));
    EXPECT_EQ(w.form->AppendSrcDir, third);
    EXPECT_EQ(w.text("lblFileDir"), "Save in directory: " + out);
}

TEST(WindowAppend, TheListFontComesFromTheSettingsAndIsStoredWhenChanged)
{
    WindowFixture w;
    w.stored("ListFontSize=12\n");
    ASSERT_TRUE(w.start({}));
    w.form->selectPanel(2);
    EXPECT_EQ(w.find<QListWidget>("lstFrom")->font().pointSizeF(), 12);
    EXPECT_EQ(w.find<QListWidget>("lstTo")->font().pointSizeF(), 12);
    w.button("cmdUp_1")->click();
    EXPECT_EQ(w.find<QListWidget>("lstTo")->font().pointSizeF(), 14);
    EXPECT_EQ(w.settings.ListFontSize, 14);
    EXPECT_EQ(w.store.ReadReg("ListFontSize", "", false, "Append"), "14");
}

TEST(WindowAppend, StartUpRegistersTheDesktopIntegration)
{
    WindowFixture w;
    ASSERT_TRUE(w.start({}));
    const QList<DesktopItem> items = w.registration.items();
    ASSERT_FALSE(items.isEmpty());
    for (const DesktopItem& item : items)
        EXPECT_TRUE(w.registration.isRegistered(item)) << item.path.toStdString();
    for (const DesktopItem& item : items)
        EXPECT_TRUE(item.path.startsWith(w.t.dir())) << item.path.toStdString();
}
