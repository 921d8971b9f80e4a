// The window from the keyboard: the focus starts in the panel's first field,
// Tab walks the panel in reading order and wraps through the tab strip,
// Ctrl+Tab and Ctrl+Shift+Tab switch panels and land in the new one, and
// Enter or the keypad's Enter in a field runs the panel's default button
// (Enter on a button presses that button).
#include "lists/gui_append_lists.h"
#include "mainwindow/gui_window_fixture.h"
#include "support/piece_sets.h"

#include <QFileDialog>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

bool activate(WindowFixture& w)
{
    w.form->activateWindow();
    return QTest::qWaitForWindowActive(w.form.get());
}

QString focusName()
{
    const QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QStringLiteral("(nothing)");
}

// Where the focus goes on each of n presses of Tab (or Shift+Tab), one line.
std::string tabThrough(qsizetype n, bool back = false)
{
    QStringList names;
    for (qsizetype i = 0; i < n; ++i) {
        QTest::keyClick(QApplication::focusWidget(), back ? Qt::Key_Backtab : Qt::Key_Tab,
                        back ? Qt::ShiftModifier : Qt::NoModifier);
        names << focusName();
    }
    return names.join(' ').toStdString();
}

std::string line(const QStringList& names)
{
    return names.join(' ').toStdString();
}

QStringList reversed(QStringList names)
{
    std::reverse(names.begin(), names.end());
    return names;
}

const QString TabBar = "qt_tabwidget_tabbar";

}  // namespace

TEST(WindowKeys, FocusStartsInTheFirstFieldAndTabFollowsReadingOrder)
{
    WindowFixture w;
    w.t.write("movie.avi", QByteArray(1100000, 'm'));
    w.t.write("parts/a.bin", "a");
    w.t.write("parts/b.bin", "b");
    w.stored(("InitAppendDir=" + w.t.path("parts") + "\n").toUtf8());
    ASSERT_TRUE(w.start({w.t.path("movie.avi")}));
    ASSERT_TRUE(activate(w));

    // Split, one file chosen: the range fields come after the buttons; the
    // folder button is off while the pieces go beside the file.
    EXPECT_EQ(focusName(), "txtFile_1");
    const QStringList split = {"cmdBrowse_2", "txtDir_1", "cmdClose_1", "cmdAbout_1", "cmdOpt_1",
                               "cmdSplit",    "txtStart", "txtEnd",     TabBar,       "txtFile_1"};
    EXPECT_EQ(tabThrough(split.size()), line(split));
    EXPECT_EQ(tabThrough(split.size(), true),
              line(reversed(split).mid(1) + QStringList{"txtFile_1"}));

    // Combine, nothing chosen: the disabled Combine and folder buttons are passed over.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab,
                    Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(w.panel(), 0);
    EXPECT_EQ(focusName(), "txtFile_0");
    const QStringList combine = {"cmdBrowse_0", "txtDir_0", "cmdClose_0", "cmdAbout_0",
                                 "cmdOpt_0",    TabBar,     "txtFile_0"};
    EXPECT_EQ(tabThrough(combine.size()), line(combine));

    // Append: the lists and their enabled buttons, left to right, then the button column.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab,
                    Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(w.panel(), 2);
    EXPECT_EQ(focusName(), "txtFile_2");
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.button("cmdAdd_0")->isEnabled(); }, 5000));
    const QStringList append = {
        "cmdBrowse_4", "txtDir_2",   "cmdBrowse_5", "cmdUp_1",  "cmdDown_1", "lstFrom",  "cmdAdd_0",
        "lstTo",       "cmdClose_2", "cmdAbout_2",  "cmdOpt_2", TabBar,      "txtFile_2"};
    EXPECT_EQ(tabThrough(append.size()), line(append));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(w.panel(), 0);  // Ctrl+Tab wraps to Combine and lands in its first field
    EXPECT_EQ(focusName(), "txtFile_0");
}

TEST(WindowKeys, EnterInAFieldRunsThePanelsDefaultButton)
{
    WindowFixture w;
    const QByteArray whole =
        writePieceSet(w.t, {.name = "clip.mpg", .size = 1300000, .pieceSize = 512000});
    ASSERT_TRUE(w.start({w.t.path("clip.mpg.000")}));
    ASSERT_TRUE(activate(w));
    QTest::keyClick(w.find<QLineEdit>("txtDir_0"), Qt::Key_Return);
    EXPECT_TRUE(w.form->jobRunning());
    ASSERT_TRUE(w.waitForJob());
    EXPECT_EQ(w.t.read("clip.mpg"), whole);

    WindowFixture s;
    const QString movie = s.t.writePattern("movie.avi", 1100000);
    ASSERT_TRUE(s.start({movie}));
    ASSERT_TRUE(activate(s));
    QTest::keyClick(s.find<QLineEdit>("txtEnd"), Qt::Key_Enter, Qt::KeypadModifier);
    ASSERT_TRUE(s.waitForJob());
    EXPECT_EQ(s.t.read("movie.avi.001") + s.t.read("movie.avi.002") + s.t.read("movie.avi.003"),
              s.t.read("movie.avi"));
}

TEST(WindowKeys, EnterDoesNothingWhileTheDefaultButtonIsOffAndPressesAFocusedButton)
{
    WindowFixture w;
    const QString parts = w.t.mkdir("parts");
    w.t.write("parts/a.bin", "a");
    w.t.write("parts/b.bin", "b");
    w.stored(("SameDir=0\nInitAppendDir=" + parts + "\n").toUtf8());
    ASSERT_TRUE(w.start({}));
    ASSERT_TRUE(activate(w));
    w.form->selectPanel(2);
    auto* target = w.find<QLineEdit>("txtFile_2");
    QTest::keyClicks(target, "joined.bin");
    QTest::keyClick(target, Qt::Key_Return);  // nothing to append yet
    EXPECT_FALSE(w.form->jobRunning());
    EXPECT_FALSE(w.t.exists("parts/joined.bin"));

    auto* from = w.find<QListWidget>("lstFrom");
    from->item(1)->setSelected(true);
    w.form->lists()->cmdAdd_Click(1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.button("cmdAppend")->isEnabled(); }, 5000));
    QTest::keyClick(w.find<QListWidget>("lstTo"), Qt::Key_Return);
    ASSERT_TRUE(w.waitForJob());
    EXPECT_EQ(w.t.read("parts/joined.bin"), "b");

    // Enter on a button presses that button, not the default one.
    w.form->selectPanel(0);
    QString title;
    whenModal<QFileDialog>([&title](QFileDialog* dialog) {
        title = dialog->windowTitle();
        dialog->reject();
    });
    w.button("cmdBrowse_1")->setFocus();
    QTest::keyClick(w.button("cmdBrowse_1"), Qt::Key_Return);
    EXPECT_EQ(title, "Choose the folder for the combined files");
}
