// The parts report dialog, driven as the user would: its captions, its
// answers, closing it, and its Copy List and Save List buttons.
#include "combine/frmMsg.h"
#include "core/texts.h"
#include "support/modal_dialogs.h"
#include "support/parts_reports.h"
#include "support/temp_files.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <cstdlib>
#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

QPushButton* button(QWidget& dialog, const char* name)
{
    auto* b = dialog.findChild<QPushButton*>(QString::fromLatin1(name));
    EXPECT_NE(b, nullptr) << name;
    return b;
}

}  // namespace

// Captions follow the mode; Skip is offered on every set but the run's last.
TEST(frmMsg, CaptionsMessageAndSkipFollowTheReport)
{
    const struct {
        ReportMode mode;
        int set, count;
        const char* title;
        const char* combine;
        const char* exclude;
    } cases[] = {
        {ReportMode::Missing, 1, 3, "Missing Parts...", "&Combine Existing Parts",
         "Combine to &Gap"},
        {ReportMode::Extra, 3, 3, "Extra Parts...", "In&clude Extra Parts", "E&xclude Extra Parts"},
        {ReportMode::Corrupt, 1, 1, "Corrupt Parts...", "In&clude Corrupt Parts",
         "E&xclude Corrupt Parts"},
    };
    for (const auto& c : cases) {
        const PartsReport r = sampleReport(c.mode, c.set, c.count);
        frmMsg dialog(r);
        EXPECT_EQ(dialog.windowTitle(), c.title);
        EXPECT_EQ(button(dialog, "cmdCombine")->text(), c.combine);
        EXPECT_EQ(button(dialog, "cmdExclude")->text(), c.exclude);
        EXPECT_EQ(button(dialog, "cmdSkip")->isEnabled(), c.set < c.count) << c.title;
        auto* label = dialog.findChild<QLabel*>("lblLabel");
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), QString(r.message).replace(CrLf, "\n"));
        EXPECT_EQ(label->textFormat(), Qt::PlainText);
    }
}

// Each answer button answers and hides the dialog; closing it, or Escape, is Cancel.
TEST(frmMsg, EachAnswerButtonAnswersClosingItIsCancel)
{
    const std::pair<const char*, ReportAnswer> cases[] = {
        {"cmdCombine", ReportAnswer::Combine},
        {"cmdExclude", ReportAnswer::Exclude},
        {"cmdSkip", ReportAnswer::Skip},
        {"cmdCancel", ReportAnswer::Cancel},
    };
    for (const auto& [name, expected] : cases) {
        whenModal([objectName = name](QWidget* modal) { button(*modal, objectName)->click(); });
        EXPECT_EQ(showPartsReport(sampleReport(ReportMode::Missing)), expected) << name;
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    whenModal([](QWidget* modal) { modal->close(); });
    EXPECT_EQ(showPartsReport(sampleReport(ReportMode::Missing)), ReportAnswer::Cancel);

    frmMsg dialog(sampleReport(ReportMode::Missing));
    dialog.show();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&dialog, &escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.answer(), ReportAnswer::Cancel);
}

TEST(frmMsg, CopyListPutsTheHeadingAndListOnTheClipboard)
{
    frmMsg dialog(sampleReport(ReportMode::Corrupt));
    dialog.show();
    QGuiApplication::clipboard()->setText("something else");
    button(dialog, "cmdCopy")->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              "Corrupt parts of clip.mpg:\r\n\r\n"
              "Part 2 -- 10 missing bytes\r\nPart 3 -- 7 extra bytes");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.answer(), ReportAnswer::Cancel);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// Save List asks before it replaces a file (No keeps it) and says why it
// could not save; the dialog stays open either way.
TEST(frmMsg, SaveListAsksBeforeItReplacesAFileOrShowsWhyNotAndStaysOpen)
{
    TempFolder tmp;
    const QString path = tmp.write("clip - extra.txt", "mine");
    QStringList status;
    frmMsg dialog(sampleReport(ReportMode::Extra, 2, 2, tmp.dir()), nullptr,
                  [&status](const QString& text) { status << text; });
    dialog.show();
    for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
        QString question;
        QMessageBox::StandardButton preset = QMessageBox::NoButton;
        whenModal<QMessageBox>([&](QMessageBox* box) {
            question = box->text();
            preset = box->standardButton(box->defaultButton());
            box->button(answer)->click();
        });
        button(dialog, "cmdSave")->click();
        EXPECT_EQ(question, path + "\nexists already. Do you want to replace it?");
        EXPECT_EQ(preset, QMessageBox::No);
        if (answer == QMessageBox::No) {
            EXPECT_EQ(tmp.read("clip - extra.txt"), QByteArray("mine"));
            EXPECT_TRUE(status.isEmpty());
        }
    }
    EXPECT_EQ(tmp.read("clip - extra.txt"), QByteArray("Extra parts of clip.mpg:\n\n5, 6\n"));
    EXPECT_EQ(status, QStringList{"Saved the list to " + path});
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.answer(), ReportAnswer::Cancel);

    frmMsg failed(sampleReport(ReportMode::Extra, 2, 2, tmp.path("missing-dir/")));
    failed.show();
    QString text;
    whenModal<QMessageBox>([&](QMessageBox* box) {
        text = box->windowTitle() + "|" + box->text();
        box->accept();
    });
    button(failed, "cmdSave")->click();
    EXPECT_EQ(text,
              "TSL|The list could not be saved to\r\n" + tmp.path("missing-dir")
                  + "/clip - extra.txt\r\n\r\nPath not found (error 76)");
    EXPECT_TRUE(failed.isVisible());
    EXPECT_EQ(failed.answer(), ReportAnswer::Cancel);
}

TEST(frmMsg, ButtonsSitBelowTheIconAndTheMessageAndTheWindowStaysOnScreen)
{
    QStringList many;
    for (int i = 1; i < 4000; i += 2)
        many << QString::number(i);
    for (const QString& list : {QString("4"), many.join(", "), QString()}) {
        PartsReport r = sampleReport(ReportMode::Missing);
        r.message = list.isEmpty() ? "4" : missingPartsMessage("clip.mpg", 2, list);
        frmMsg dialog(r);
        auto* icon = dialog.findChild<QLabel*>("imgIcon");
        auto* area = dialog.findChild<QScrollArea*>();
        ASSERT_TRUE(icon && area);
        const QRect combine = button(dialog, "cmdCombine")->geometry();
        EXPECT_GT(combine.top(), std::max(icon->geometry().bottom(), area->geometry().bottom()));
        EXPECT_GT(button(dialog, "cmdCopy")->y(), combine.bottom());
        EXPECT_GT(dialog.height(), button(dialog, "cmdCopy")->geometry().bottom());
        EXPECT_LE(dialog.height(), 600);
        if (list.isEmpty()) {  // a one-line message is centred on the icon
            EXPECT_LT(area->height(), icon->height());
            EXPECT_LE(std::abs(area->geometry().center().y() - icon->geometry().center().y()), 1);
        }
    }
}
