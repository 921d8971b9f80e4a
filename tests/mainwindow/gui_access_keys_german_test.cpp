// The access keys in German: unique on each panel of the window, each page of
// the options dialog, the parts report in each form and the about box, and as
// many on each as the English captions carry (no caption lost its key).
#include "about/frmAbout.h"
#include "combine/frmMsg.h"
#include "core/translations.h"
#include "mainwindow/gui_qt_host.h"
#include "mainwindow/gui_window_fixture.h"
#include "settings/frmOpt.h"
#include "support/access_keys.h"
#include "support/parts_reports.h"

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

struct Screen {
    QString name;
    QMap<QString, QStringList> keys;
    QStringList shared;  // keys more than one caption carries
};

Screen screenOf(const QString& name, QWidget* window)
{
    return {name, accessKeys(window), sharedAccessKeys(window)};
}

// Every screen the English access-key tests look at, built in the language
// installed now.
QList<Screen> screens()
{
    QList<Screen> shown;
    WindowFixture w;
    if (!w.start({}))
        return shown;
    for (int panel = 0; panel < 3; ++panel) {
        w.form->selectPanel(panel);
        shown.append(screenOf(QStringLiteral("panel %1").arg(panel), w.form.get()));
    }
    for (int page = 0; page < 4; ++page) {
        frmOpt dialog(w.settings, w.store, w.form->host(), page, w.form.get());
        dialog.show();
        shown.append(screenOf(QStringLiteral("options page %1").arg(page), &dialog));
    }
    for (const ReportMode mode : {ReportMode::Missing, ReportMode::Extra, ReportMode::Corrupt}) {
        frmMsg dialog(sampleReport(mode));
        dialog.show();
        shown.append(screenOf(QStringLiteral("parts report %1").arg(int(mode)), &dialog));
    }
    frmAbout about;
    about.show();
    shown.append(screenOf(QStringLiteral("about box"), &about));
    return shown;
}

bool carries(const QList<Screen>& list, const QString& caption)
{
    for (const Screen& s : list) {
        for (const QStringList& captions : s.keys) {
            if (captions.contains(caption))
                return true;
        }
    }
    return false;
}

}  // namespace

TEST(AccessKeys, UniqueInGermanOnEveryPanelAndPage)
{
    const QList<Screen> english = screens();
    ASSERT_EQ(english.size(), 11);
    const Translations german({"de"});
    ASSERT_EQ(german.language(), "de");
    const QList<Screen> translated = screens();
    ASSERT_EQ(translated.size(), english.size());
    EXPECT_TRUE(carries(translated, "Auf&teilen"));  // the forms are in German
    EXPECT_FALSE(carries(translated, "&Split"));
    for (qsizetype i = 0; i < english.size(); ++i) {
        SCOPED_TRACE(translated[i].name.toStdString());
        EXPECT_EQ(english[i].shared.join(" | ").toStdString(), "");
        EXPECT_EQ(translated[i].shared.join(" | ").toStdString(), "");
        EXPECT_EQ(translated[i].keys.size(), english[i].keys.size())
            << QStringList(translated[i].keys.keys()).join(' ').toStdString() << " against "
            << QStringList(english[i].keys.keys()).join(' ').toStdString();
    }
}
