// The window's dialogs and texts: each browse button's dialog, the status
// panels and progress lines, the message and input boxes with long names, and
// Qt's standard buttons in German.
#include "core/texts.h"
#include "core/translations.h"
#include "mainwindow/gui_qt_host.h"
#include "mainwindow/gui_window_fixture.h"

#include <QDate>
#include <QFileInfo>
#include <QInputDialog>
#include <QLibraryInfo>
#include <QProgressBar>
#include <QTest>
#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

TEST(WindowBrowse, EachDialogSaysWhatItChoosesAndStartsAtItsFolder)
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
    const QString info = "000 files (*.000);000 & 001 files (*.000 *.001);001 files (*.001);"
                         "All files (*)";
    const QString movies = "Movie files (*.mpg *.avi *.mov *.rm);All files (*)";
    const struct {
        int panel;
        const char* button;
        const char* title;
        QString dir, filters;
    } cases[] = {
        {0, "cmdBrowse_0", "Choose the file sets to combine", QDir::homePath(), info},
        {0, "cmdBrowse_1", "Choose the folder for the combined files", w.t.path("sets"), {}},
        {1, "cmdBrowse_2", "Choose the files to split", QDir::homePath(), movies},
        {1, "cmdBrowse_3", "Choose the folder for the pieces", w.t.path("pieces"), {}},
        {2, "cmdBrowse_4", "Choose the file to append to", parts.chopped(1), movies},
        {2, "cmdBrowse_5", "Choose the folder to find parts in", w.t.path("parts"), {}},
        {2, "lblFileDir", "Choose the folder to save in", w.t.path("parts"), {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        w.form->selectPanel(c.panel);
        Offered offered;
        choose(&offered, {}, {});
        if (QString(c.button) == "lblFileDir")
            QTest::mouseDClick(w.find<QLabel>("lblFileDir"), Qt::LeftButton);
        else
            w.button(c.button)->click();
        EXPECT_EQ(offered.title, c.title);
        EXPECT_EQ(offered.dir, c.dir);
        if (!c.filters.isEmpty()) {
            EXPECT_EQ(offered.filters, c.filters);
        }
    }
    // A cancelled dialog keeps the field as it was.
    EXPECT_EQ(w.text("txtDir_0"), sets);
}

TEST(WindowMisc, StatusPanelsAndProgressCaptions)
{
    WindowFixture w;
    ASSERT_TRUE(w.start({}));
    const QLocale locale;
    EXPECT_EQ(w.find<QLabel>("Date")->toolTip(),
              locale.dayName(QDate::currentDate().dayOfWeek(), QLocale::LongFormat));
    EXPECT_FALSE(w.text("Date").isEmpty());
    EXPECT_FALSE(w.text("Time").isEmpty());

    auto* label = w.find<QLabel>("lblTotal_0");
    auto* bar = w.find<QProgressBar>("pbrTotal_0");
    w.form->setProgress(Panel::Combine, Line::Total, "50% done", 2684354560.0, 5368709120.0);
    EXPECT_EQ(label->text(), "50% done");
    EXPECT_EQ(label->font().pointSize(), 10);
    EXPECT_EQ(bar->value() * 2, bar->maximum());  // 2.5 GiB of 5 GiB is half the bar
    const QString wide(400, QChar('W'));
    w.form->setProgress(Panel::Combine, Line::Total, wide, 1, 2);
    EXPECT_EQ(label->font().pointSize(), 8);
    w.form->setProgress(Panel::Combine, Line::Total, QString(), 0, 2);
    EXPECT_EQ(label->text(), wide);  // a null caption leaves the label
    EXPECT_EQ(bar->value(), 0);
}

// The input box shows the whole name it offers, and a message keeps each
// path on one line.
TEST(WindowMessages, LongNamesAreShownWhole)
{
    WindowFixture w;
    ASSERT_TRUE(w.start({}));
    const QString name =
        "Holiday at the lake, summer 2023 - the long version with the speeches (edited).mpg";
    int fieldWidth = 0;
    int nameWidth = 0;
    whenModal<QInputDialog>([&](QInputDialog* box) {
        auto* field = box->findChild<QLineEdit*>();
        fieldWidth = field->width();
        nameWidth = field->fontMetrics().horizontalAdvance(name);
        box->accept();
    });
    EXPECT_EQ(w.form->host().input(Prompt::OutputName, "Enter a new name:", name), name);
    EXPECT_GT(fieldWidth, nameWidth);

    const QString path = "/home/someone/Videos/holiday-2023/the-long-version/holiday.mpg.001";
    const QString line = "cannot create " + path + ": Path not found";
    int labelWidth = 0;
    int lineWidth = 0;
    int lines = 0;
    whenModal<QMessageBox>([&](QMessageBox* box) {
        auto* label = box->findChild<QLabel*>("qt_msgbox_label");
        labelWidth = label->width();
        lineWidth = label->fontMetrics().horizontalAdvance(line);
        lines = label->height() / label->fontMetrics().lineSpacing();
        box->accept();
    });
    w.form->host().ask(Ask::Notice,
                       "A run-time error:" + CrLf2 + line + CrLf2
                           + "Nothing was written, and nothing of the set was removed, so you "
                             "can try again once the folder is there.",
                       Buttons::Ok, Icon::Exclamation, Answer::Ok);
    EXPECT_GE(labelWidth, lineWidth);
    EXPECT_LE(lines, 7);  // the sentence may wrap, the path line does not
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
