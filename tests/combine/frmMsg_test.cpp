// The parts report dialog, driven as the user would: its captions, its
// answers, closing it, and its Copy List and Save List buttons.
#include "combine/frmMsg.h"
#include "combine/parts_report.h"
#include "core/texts.h"
#include "support/temp_files.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>
#include <cstdlib>
#include <functional>
#include <memory>
#include <type_traits>
#include <gtest/gtest.h>

using namespace tsl;
using tsl::test::TempFolder;

namespace {

QString missingMessage(const QString& base, const QString& list)
{
    return base + " is missing the following parts:" + CrLf2 + list + CrLf2
           + "Do you want to combine the existing parts?";
}

PartsReport missingReport(const QString& list, int set = 1, int setCount = 2)
{
    PartsReport r;
    r.mode = ReportMode::Missing;
    r.set = set;
    r.setCount = setCount;
    r.base = "clip.mpg";
    r.outDir = "/nonexistent/";
    r.message = missingMessage(r.base, list);
    return r;
}

PartsReport extraReport(const QString& outDir)
{
    PartsReport r;
    r.mode = ReportMode::Extra;
    r.set = 2;
    r.setCount = 2;
    r.base = "clip.mpg";
    r.outDir = outDir;
    r.message = "The following extra parts to clip.mpg were found:" + CrLf2 + "5, 6" + CrLf2
                + "Do you want to combine these also?";
    return r;
}

QPushButton* button(QWidget& dialog, const char* name)
{
    auto* b = dialog.findChild<QPushButton*>(QString::fromLatin1(name));
    EXPECT_NE(b, nullptr) << name;
    return b;
}

// Runs `act` on the modal widget of type W as soon as one is up; the dialog's
// own event loop (or the message box's) runs the check every few milliseconds.
template <typename W = QWidget>
void whenModal(std::type_identity_t<std::function<void(W*)>> act)
{
    auto* poll = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, [poll, tries, act] {
        if (auto* modal = qobject_cast<W*>(QApplication::activeModalWidget())) {
            poll->deleteLater();
            poll->stop();
            act(modal);
        } else if (++*tries == 500) {
            poll->deleteLater();
            poll->stop();
            ADD_FAILURE() << "no modal dialog came up";
        }
    });
    poll->start(10);
}

}  // namespace

TEST(frmMsg, MissingReportCaptionsForOneGapAndSeveralGaps)
{
    frmMsg one(missingReport("4"));
    EXPECT_EQ(one.windowTitle(), "Missing Parts...");
    EXPECT_EQ(button(one, "cmdCombine")->text(), "&Combine Existing Parts");
    EXPECT_EQ(button(one, "cmdExclude")->text(), "Combine to &Gap");
    EXPECT_EQ(button(one, "cmdSkip")->text(), "&Skip to Next File Set");
    EXPECT_EQ(button(one, "cmdCancel")->text(), "C&ancel");
    EXPECT_EQ(button(one, "cmdCopy")->text(), "Copy &List");
    EXPECT_EQ(button(one, "cmdSave")->text(), "Sa&ve List");
    EXPECT_EQ(button(one, "cmdCopy")->toolTip(), "Copy the list of missing parts to the clipboard");
    EXPECT_EQ(button(one, "cmdSave")->toolTip(), "Save the list of missing parts to a file");

    frmMsg several(missingReport("2, 5"));
    EXPECT_EQ(button(several, "cmdExclude")->text(), "Combine to First &Gap");
}

TEST(frmMsg, ExtraReportCaptionsAndMessage)
{
    const PartsReport r = extraReport("/tmp/");
    frmMsg dialog(r);
    EXPECT_EQ(dialog.windowTitle(), "Extra Parts...");
    EXPECT_EQ(button(dialog, "cmdCombine")->text(), "In&clude Extra Parts");
    EXPECT_EQ(button(dialog, "cmdExclude")->text(), "E&xclude Extra Parts");
    auto* label = dialog.findChild<QLabel*>("lblLabel");
    ASSERT_NE(label, nullptr);
    QString shown = r.message;
    EXPECT_EQ(label->text(), shown.replace(CrLf, "\n"));
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
}

TEST(frmMsg, SkipIsDisabledOnTheLastSetOnly)
{
    frmMsg first(missingReport("4", 1, 3));
    EXPECT_TRUE(button(first, "cmdSkip")->isEnabled());
    frmMsg last(missingReport("4", 3, 3));
    EXPECT_FALSE(button(last, "cmdSkip")->isEnabled());
    frmMsg only(missingReport("4", 1, 1));
    EXPECT_FALSE(button(only, "cmdSkip")->isEnabled());
}

TEST(frmMsg, EachAnswerButtonAnswersAndHidesTheDialog)
{
    const std::pair<const char*, ReportAnswer> cases[] = {
        {"cmdCombine", ReportAnswer::Combine},
        {"cmdExclude", ReportAnswer::Exclude},
        {"cmdSkip", ReportAnswer::Skip},
        {"cmdCancel", ReportAnswer::Cancel},
    };
    for (const auto& [name, expected] : cases) {
        frmMsg dialog(missingReport("4"));
        dialog.show();
        EXPECT_EQ(dialog.answerMarker(), CancelMarker);
        button(dialog, name)->click();
        EXPECT_EQ(dialog.answer(), expected) << name;
        EXPECT_EQ(dialog.answerMarker(), answerMarker(expected)) << name;
        EXPECT_FALSE(dialog.isVisible()) << name;
    }
}

TEST(frmMsg, ShownModallyItReturnsTheButtonsAnswer)
{
    whenModal([](QWidget* modal) { button(*modal, "cmdExclude")->click(); });
    EXPECT_EQ(showPartsReport(missingReport("2, 5")), ReportAnswer::Exclude);
    whenModal([](QWidget* modal) { button(*modal, "cmdSkip")->click(); });
    EXPECT_EQ(showPartsReport(missingReport("2, 5")), ReportAnswer::Skip);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(frmMsg, ClosingTheWindowAnswersCancel)
{
    whenModal([](QWidget* modal) { modal->close(); });
    EXPECT_EQ(showPartsReport(missingReport("4")), ReportAnswer::Cancel);

    frmMsg dialog(missingReport("4"));
    dialog.show();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&dialog, &escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.answerMarker(), CancelMarker);
}

TEST(frmMsg, CopyListPutsTheHeadingAndListOnTheClipboard)
{
    PartsReport r;
    r.mode = ReportMode::Corrupt;
    r.base = "clip.mpg";
    r.message = "Corrupted Parts:" + CrLf2 + "Part 2 -- 10 missing bytes" + CrLf
                + "Part 3 -- 7 extra bytes" + CrLf + CrLf
                + "These parts of clip.mpg are the wrong size.";
    frmMsg dialog(r);
    dialog.show();
    QGuiApplication::clipboard()->setText("something else");
    button(dialog, "cmdCopy")->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              "Corrupt parts of clip.mpg:\r\n\r\n"
              "Part 2 -- 10 missing bytes\r\nPart 3 -- 7 extra bytes");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.answerMarker(), CancelMarker);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(frmMsg, SaveListWritesTheListFileAndStaysOpen)
{
    TempFolder tmp;
    frmMsg dialog(extraReport(tmp.dir()));
    dialog.show();
    button(dialog, "cmdSave")->click();
    EXPECT_EQ(tmp.read("clip - extra.txt"), QByteArray("Extra parts of clip.mpg:\r\n\r\n5, 6\r\n"));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.answerMarker(), CancelMarker);
}

TEST(frmMsg, SaveListFailureIsShownInAMessageBox)
{
    TempFolder tmp;
    frmMsg dialog(extraReport(tmp.path("missing-dir") + "/"));
    dialog.show();
    QString title, text;
    whenModal<QMessageBox>([&](QMessageBox* box) {
        title = box->windowTitle();
        text = box->text();
        box->accept();
    });
    button(dialog, "cmdSave")->click();
    EXPECT_EQ(title, "TSL");
    EXPECT_EQ(text, "The list could not be saved to\r\n" + tmp.path("missing-dir")
                        + "/clip - extra.txt\r\n\r\nPath not found (error 76)");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.answerMarker(), CancelMarker);
}

TEST(frmMsg, ButtonsSitBelowTheIconOrTheLabelWhicheverIsLower)
{
    frmMsg shortMessage(missingReport("4"));
    auto* icon = shortMessage.findChild<QLabel*>("imgIcon");
    auto* combine = button(shortMessage, "cmdCombine");
    auto* copy = button(shortMessage, "cmdCopy");
    ASSERT_NE(icon, nullptr);
    EXPECT_GE(combine->y(), icon->geometry().bottom() + 1 + 16);
    EXPECT_EQ(copy->y(), combine->geometry().bottom() + 1 + 8);
    EXPECT_EQ(shortMessage.height(), copy->geometry().bottom() + 1 + 15);

    // A one-line message is centred on the icon; the buttons follow the icon.
    PartsReport oneLine = missingReport("4");
    oneLine.message = "4";
    frmMsg tiny(oneLine);
    auto* tinyIcon = tiny.findChild<QLabel*>("imgIcon");
    auto* tinyArea = tiny.findChild<QScrollArea*>();
    ASSERT_NE(tinyArea, nullptr);
    EXPECT_LT(tinyArea->height(), tinyIcon->height());
    EXPECT_LE(std::abs(tinyArea->geometry().center().y() - tinyIcon->geometry().center().y()), 1);
    EXPECT_EQ(button(tiny, "cmdCombine")->y(), tinyIcon->geometry().bottom() + 1 + 16);

    // A long list: the buttons follow the label, and the window stays on screen.
    QStringList many;
    for (int i = 1; i < 4000; i += 2)
        many << QString::number(i);
    frmMsg longMessage(missingReport(many.join(", ")));
    auto* area = longMessage.findChild<QScrollArea*>();
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(button(longMessage, "cmdCombine")->y(), area->geometry().bottom() + 1 + 16);
    EXPECT_LE(longMessage.height(), 600);
}
