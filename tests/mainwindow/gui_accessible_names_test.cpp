// What a screen reader reads: every control a user operates in the main
// window (all three panels), the options dialog (all pages), the about box and
// the parts report has a name, through a buddy label, its own text or an
// accessible name, one that tells it from its neighbours; every one of these
// windows has a title.
#include "about/frmAbout.h"
#include "combine/frmMsg.h"
#include "mainwindow/gui_qt_host.h"
#include "mainwindow/gui_window_fixture.h"
#include "settings/frmOpt.h"
#include "support/parts_reports.h"

#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTextEdit>
#include <algorithm>
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

}  // namespace

TEST(AccessibleNames, EveryControlOfEveryWindowHasAName)
{
    WindowFixture w;
    ASSERT_TRUE(w.start({}));
    // The Append panel's lists and buttons are filled when its tab opens.
    w.form->selectPanel(2);
    EXPECT_EQ(unnamed(w.form.get()), QStringList());
    frmOpt options(w.settings, w.store, w.form->host(), 0, w.form.get());
    EXPECT_EQ(unnamed(&options), QStringList());
    frmAbout about;
    EXPECT_EQ(unnamed(&about), QStringList());
    for (ReportMode mode : {ReportMode::Missing, ReportMode::Extra, ReportMode::Corrupt}) {
        frmMsg report(sampleReport(mode));
        EXPECT_EQ(unnamed(&report), QStringList()) << int(mode);
    }
}
