// The window from the keyboard and a screen reader. On each screen (each
// panel, each options page, the parts report in each form, the about box)
// every access key is unique, in English and in German, and every control a
// user operates has a name that tells it from its neighbours. The focus starts
// in the panel's first field, Tab walks the panel in reading order, Ctrl+Tab
// and Ctrl+Shift+Tab switch panels, and Enter in a field runs the panel's
// default button (Enter on a button presses that button).
#include "about/frmAbout.h"
#include "combine/frmMsg.h"
#include "core/translations.h"
#include "lists/gui_append_lists.h"
#include "mainwindow/gui_qt_host.h"
#include "mainwindow/gui_window_fixture.h"
#include "settings/frmOpt.h"
#include "support/access_keys.h"
#include "support/parts_reports.h"
#include "support/piece_sets.h"

#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTest>
#include <QTextEdit>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <tuple>

using namespace tsl;
using namespace tsl::test;

namespace {

// A name the reader can say: one letter at least ("..." or ">>" is none).
bool sayable(const QString& name)
{
    return std::any_of(name.begin(), name.end(), [](QChar c) { return c.isLetter(); });
}

bool operable(const QWidget* w)
{
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w)
        || qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QComboBox*>(w)
        || qobject_cast<const QAbstractSlider*>(w) || qobject_cast<const QAbstractItemView*>(w)
        || qobject_cast<const QTextEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w)
        || qobject_cast<const QTabBar*>(w);
}

// The parts Qt builds inside a control (the scroll bars of a list or a scroll
// area, the line edit of a spin box) are reached through that control.
bool partOfAControl(const QWidget* w, const QWidget* window)
{
    for (const QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget()) {
        if (qobject_cast<const QAbstractSpinBox*>(p) || qobject_cast<const QComboBox*>(p)
            || p->objectName().startsWith(QLatin1String("qt_scrollarea_")))
            return true;
    }
    return false;
}

QString accessibleName(QObject* object)
{
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(object);
    return a ? a->text(QAccessible::Name) : QString();
}

// The operable controls of window without a sayable name, as "class name"
// (a tab as "tab N of name"), and the window itself when it has no title.
// Controls of one kind side by side (the same parent and role) need names that
// tell them apart: two "Browse..." buttons of one panel are reported as
// "cmdBrowse_0 and cmdBrowse_1: Browse...".
QStringList unnamed(QWidget* window)
{
    QStringList missing;
    if (!sayable(window->windowTitle()) || !sayable(accessibleName(window)))
        missing << QStringLiteral("the window's title");
    QMap<std::tuple<QWidget*, int, QString>, QString> seen;  // parent, role, name: the first
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!operable(w) || partOfAControl(w, window))
            continue;
        const QString what =
            QString::fromLatin1(w->metaObject()->className()) + QLatin1Char(' ') + w->objectName();
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        if (qobject_cast<QTabBar*>(w)) {
            for (int i = 0; a && i < a->childCount(); ++i) {
                QAccessibleInterface* tab = a->child(i);
                if (tab->role() == QAccessible::PageTab && !sayable(tab->text(QAccessible::Name)))
                    missing << QStringLiteral("tab %1 of ").arg(i) + what;
            }
            continue;
        }
        const QString name = accessibleName(w);
        if (!sayable(name)) {
            missing << what;
            continue;
        }
        const auto key = std::make_tuple(w->parentWidget(), int(a->role()), name);
        if (seen.contains(key))
            missing << seen.value(key) + QStringLiteral(" and ") + w->objectName()
                    + QStringLiteral(": ") + name;
        else
            seen.insert(key, w->objectName());
    }
    return missing;
}

struct Screen {
    std::function<std::unique_ptr<QWidget>()> open;  // no widget: the window's panel
    const char* keys;                                // the English access keys
};

// Every screen, built in the language installed now.
std::vector<Screen> screens(WindowFixture& w)
{
    PartsReport severalGaps = sampleReport(ReportMode::Missing);
    severalGaps.message = missingPartsMessage("clip.mpg", 2, "2, 5");
    const auto panel = [&w](int n) {
        return [&w, n] {
            w.form->selectPanel(n);
            return std::unique_ptr<QWidget>();
        };
    };
    const auto options = [&w](int page) {
        return [&w, page] {
            return std::unique_ptr<QWidget>(
                new frmOpt(w.settings, w.store, w.form->host(), page, w.form.get()));
        };
    };
    const auto report = [](const PartsReport& r) {
        return [r] { return std::unique_ptr<QWidget>(new frmMsg(r)); };
    };
    return {
        {panel(0), "A B C L M O P R S"},
        {panel(1), "A B L M O P R S T"},
        {panel(2), "A B D F L M O P R S"},
        {options(0), "0 A B C D E F H I K L M N O P R S T V W X Y"},
        {options(1), "0 2 8 A B C D E F G H I K L M N O P R S T U V W X Y Z"},
        {options(2), "A C D E H I L M O P R S T V W Y Z"},
        {options(3), "B C D E I L M N O P R S W Y"},
        {report(sampleReport(ReportMode::Missing)), "A C G L S V"},
        {report(severalGaps), "A C G L S V"},
        {report(sampleReport(ReportMode::Extra)), "A C L S V X"},
        {report(sampleReport(ReportMode::Corrupt)), "A C L S V X"},
        {[] { return std::make_unique<frmAbout>(); }, "O"},
    };
}

// Shows each screen and checks its keys (in German: as many as in English,
// so no caption lost its key) and the names of its controls.
void checkScreens(bool german)
{
    WindowFixture w;
    ASSERT_TRUE(w.start({}));
    w.form->selectPanel(2);  // the Append panel's lists are filled when its tab opens
    for (const Screen& s : screens(w)) {
        SCOPED_TRACE(s.keys);
        const std::unique_ptr<QWidget> dialog = s.open();
        QWidget* screen = dialog ? dialog.get() : w.form.get();
        screen->show();
        EXPECT_EQ(sharedAccessKeys(screen), QStringList());
        EXPECT_EQ(unnamed(screen), QStringList());
        QStringList keys = accessKeys(screen).keys();
        keys.sort();
        if (german) {
            EXPECT_EQ(keys.size(), QString(s.keys).count(' ') + 1) << keys.join(' ').toStdString();
        } else {
            EXPECT_EQ(keys.join(' ').remove("Alt+"), s.keys);
        }
    }
    if (german) {
        EXPECT_EQ(w.find<QTabWidget>("tbsSplit")->tabText(1), "&Aufteilen");
        EXPECT_EQ(w.button("cmdSplit")->text(), "Auf&teilen");
    }
}

}  // namespace

TEST(AccessKeys, AreUniqueAndEveryControlNamedOnEveryScreenInEnglishAndGerman)
{
    checkScreens(false);
    const Translations german({"de"});
    ASSERT_EQ(german.language(), "de");
    checkScreens(true);
}

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

}  // namespace

TEST(WindowKeys, FocusStartsInTheFirstFieldAndTabFollowsReadingOrder)
{
    WindowFixture w;
    w.t.write("movie.avi", QByteArray(1100000, 'm'));
    w.t.write("parts/a.bin", "a");
    w.stored(("InitAppendDir=" + w.t.path("parts") + "\n").toUtf8());
    ASSERT_TRUE(w.start({w.t.path("movie.avi")}));
    ASSERT_TRUE(activate(w));
    // Split, one file chosen: the range fields come after the buttons; the
    // folder button is off while the pieces go beside the file. Combine,
    // nothing chosen: the disabled Combine and folder buttons are passed
    // over. Append: the lists and their enabled buttons, left to right, then
    // the button column. Each panel is reached by Ctrl+Shift+Tab.
    const struct {
        int panel;
        QString order;
    } panels[] = {
        {1,
         "txtFile_1 cmdBrowse_2 txtDir_1 cmdClose_1 cmdAbout_1 cmdOpt_1 cmdSplit txtStart "
         "txtEnd qt_tabwidget_tabbar"},
        {0, "txtFile_0 cmdBrowse_0 txtDir_0 cmdClose_0 cmdAbout_0 cmdOpt_0 qt_tabwidget_tabbar"},
        {2,
         "txtFile_2 cmdBrowse_4 txtDir_2 cmdBrowse_5 cmdUp_1 cmdDown_1 lstFrom cmdAdd_0 lstTo "
         "cmdClose_2 cmdAbout_2 cmdOpt_2 qt_tabwidget_tabbar"},
    };
    for (const auto& p : panels) {
        SCOPED_TRACE(p.panel);
        if (p.panel != 1) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab,
                            Qt::ControlModifier | Qt::ShiftModifier);
        }
        EXPECT_EQ(w.panel(), p.panel);
        if (p.panel == 2) {
            ASSERT_TRUE(QTest::qWaitFor([&] { return w.button("cmdAdd_0")->isEnabled(); }, 5000));
        }
        QStringList order = p.order.split(' ');
        EXPECT_EQ(focusName(), order.first());
        order << order.takeFirst();
        EXPECT_EQ(tabThrough(order.size()), order.join(' ').toStdString());
        if (p.panel == 1) {
            std::reverse(order.begin(), order.end());
            order << order.takeFirst();
            EXPECT_EQ(tabThrough(order.size(), true), order.join(' ').toStdString());
        }
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(w.panel(), 0);  // Ctrl+Tab wraps to Combine and lands in its first field
    EXPECT_EQ(focusName(), "txtFile_0");
}

// Enter or the keypad's Enter in a field starts the job (its result: the
// panel's own test).
TEST(WindowKeys, EnterInAFieldRunsThePanelsDefaultButton)
{
    for (const bool combine : {true, false}) {
        SCOPED_TRACE(combine ? "Combine" : "Split");
        WindowFixture w;
        writePieceSet(w.t, {.name = "clip.mpg", .size = 1300000, .pieceSize = 512000});
        ASSERT_TRUE(
            w.start({combine ? w.t.path("clip.mpg.000") : w.t.writePattern("movie.avi", 1100000)}));
        ASSERT_TRUE(activate(w));
        if (combine)
            QTest::keyClick(w.find<QLineEdit>("txtDir_0"), Qt::Key_Return);
        else
            QTest::keyClick(w.find<QLineEdit>("txtEnd"), Qt::Key_Enter, Qt::KeypadModifier);
        EXPECT_TRUE(w.form->jobRunning());
        ASSERT_TRUE(w.waitForJob());
    }
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

    w.find<QListWidget>("lstFrom")->item(1)->setSelected(true);
    w.form->lists()->cmdAdd_Click(1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.button("cmdAppend")->isEnabled(); }, 5000));
    QTest::keyClick(w.find<QListWidget>("lstTo"), Qt::Key_Return);
    ASSERT_TRUE(w.waitForJob());
    EXPECT_EQ(w.t.read("parts/joined.bin"), "b");

    // Enter on a button presses that button, not the default one.
    w.form->selectPanel(0);
    Offered offered;
    choose(&offered, {}, {});
    w.button("cmdBrowse_1")->setFocus();
    QTest::keyClick(w.button("cmdBrowse_1"), Qt::Key_Return);
    EXPECT_EQ(offered.title, "Choose the folder for the combined files");
}
