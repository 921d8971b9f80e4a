// The window in German: its tabs, a button and a standard dialog's buttons.
#include "core/translations.h"
#include "mainwindow/gui_window_fixture.h"

#include <QFileInfo>
#include <QLibraryInfo>
#include <gtest/gtest.h>

namespace tsl::test {
namespace {

TEST(WindowLanguage, GermanTabsAndButtons)
{
    const Translations german({"de"});
    ASSERT_EQ(german.language(), "de");
    WindowFixture w;
    ASSERT_TRUE(w.start({}));
    auto* tabs = w.form->findChild<QTabWidget*>();
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->count(), 3);
    EXPECT_EQ(tabs->tabText(0), "&Zusammenfügen");
    EXPECT_EQ(tabs->tabText(1), "&Aufteilen");
    EXPECT_EQ(tabs->tabText(2), "An&hängen");
    EXPECT_EQ(w.find<QPushButton>("cmdSplit")->text(), "Auf&teilen");
}

// Qt's own translation (Debian qt6-translations-l10n) names the standard buttons.
TEST(WindowLanguage, StandardButtonsInGermanWhenQtHasTheTranslation)
{
    const QString qtGerman =
        QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_de.qm");
    if (!QFileInfo::exists(qtGerman))
        GTEST_SKIP() << "no " << qtGerman.toStdString();
    const Translations german({"de"});
    QMessageBox box(QMessageBox::Question, QStringLiteral("TSL"), QStringLiteral("?"),
                    QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text(), "&Ja");
    EXPECT_EQ(box.button(QMessageBox::No)->text(), "&Nein");
}

TEST(WindowLanguage, EnglishWithoutATranslation)
{
    WindowFixture w;
    ASSERT_TRUE(w.start({}));
    auto* tabs = w.form->findChild<QTabWidget*>();
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->tabText(1), "&Split");
}

}  // namespace
}  // namespace tsl::test
