// The Split panel's extract range driven as the user would: typed numbers
// clamped, the scroll bars coupled to the fields, a bad range refused before
// anything is written; and files dropped onto a panel.
#include "mainwindow/gui_window_fixture.h"
#include "support/piece_sets.h"

#include <QGroupBox>
#include <QMimeData>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

// The window on a file of ten pieces.
void startOnTenPieces(WindowFixture& w)
{
    w.t.writePattern("movie.avi", 5120000);
    ASSERT_TRUE(w.start({w.t.path("movie.avi")}));
    ASSERT_EQ(w.status(), "10 pieces -- 512000 bytes each");
}

void type(WindowFixture& w, const char* field, const QString& text)
{
    auto* edit = w.find<QLineEdit>(field);
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

}  // namespace

TEST(WindowRange, FieldsAndScrollBarsFollowEachOther)
{
    WindowFixture w;
    startOnTenPieces(w);
    auto* vsbStart = w.find<QScrollBar>("vsbStart");
    auto* vsbEnd = w.find<QScrollBar>("vsbEnd");
    type(w, "txtEnd", "12");
    EXPECT_EQ(w.text("txtEnd"), "10");
    EXPECT_EQ(vsbEnd->value(), 0);
    type(w, "txtEnd", "-3");
    EXPECT_EQ(w.text("txtEnd"), "0");
    EXPECT_EQ(vsbEnd->value(), 10);
    type(w, "txtStart", "3");
    EXPECT_EQ(vsbStart->value(), 7);
    vsbStart->triggerAction(QAbstractSlider::SliderSingleStepSub);  // the up arrow
    EXPECT_EQ(w.text("txtStart"), "4");
    vsbStart->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(w.text("txtStart"), "3");
    vsbEnd->setSliderPosition(0);  // dragged to the top
    EXPECT_EQ(w.text("txtEnd"), "10");
    type(w, "txtStart", "abc");
    EXPECT_EQ(w.text("txtStart"), "abc");
    EXPECT_EQ(vsbStart->value(), 10);
}

TEST(WindowRange, ABadRangeIsRefusedAndNothingIsWritten)
{
    // Which texts pass is checkExtractRange's table (ExtractRange).
    for (const auto& [start, end] : {std::pair{"0.4", "3"}, {"2", "2x"}}) {
        SCOPED_TRACE(start);
        WindowFixture w;
        w.stored("SplitDelete=-1\n");
        startOnTenPieces(w);
        w.t.write("movie.avi.000", "kept");
        const QByteArray movie = w.t.read("movie.avi");
        w.find<QLineEdit>("txtStart")->setText(start);
        w.find<QLineEdit>("txtEnd")->setText(end);
        QString message;
        answerBox(&message, QMessageBox::Ok);
        w.button("cmdSplit")->click();
        EXPECT_EQ(message,
                  "The pieces to extract must be whole numbers from 1 to 10, the pieces of "
                  "movie.avi. Leave both at 0 to split the whole file.");
        EXPECT_FALSE(w.form->jobRunning());
        EXPECT_EQ(w.t.read("movie.avi"), movie);
        EXPECT_EQ(w.t.read("movie.avi.000"), "kept");
        EXPECT_FALSE(w.t.exists("movie.avi.001"));
    }
}

TEST(WindowRange, ARangeExtractsOnlyThosePieces)
{
    WindowFixture w;
    startOnTenPieces(w);
    const QByteArray movie = w.t.read("movie.avi");
    type(w, "txtStart", "2");
    type(w, "txtEnd", "3");
    w.button("cmdSplit")->click();
    ASSERT_TRUE(w.waitForJob());
    EXPECT_FALSE(w.t.exists("movie.avi.001"));
    EXPECT_EQ(w.t.read("movie.avi.002") + w.t.read("movie.avi.003"), movie.mid(512000, 1024000));
    EXPECT_FALSE(w.t.exists("movie.avi.004"));
}

TEST(WindowDrop, DroppedFilesSelectAsTheFileDialogWould)
{
    WindowFixture w;
    w.t.write("a.001", "a");
    w.t.write("b.001", "b");
    w.t.writePattern("movie.avi", 1100000);
    ASSERT_TRUE(w.start({}));
    auto drop = [&w](int panel, const QStringList& names) {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& name : names)
            urls << QUrl::fromLocalFile(w.t.path(name));
        data.setUrls(urls);
        QWidget* target = w.form->picSplit[panel];
        const QPoint at = target->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        EXPECT_TRUE(enter.isAccepted());
        QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &dropped);
    };
    drop(0, {"a.001", "b.001"});
    EXPECT_EQ(w.form->CombFiles, (QStringList{"a.001", "b.001"}));
    EXPECT_EQ(w.form->CombSrcDir, w.t.dir());
    EXPECT_EQ(w.text("txtFile_0"), "\"a.001\" \"b.001\"");
    EXPECT_EQ(w.status(), "2 files selected.");
    w.form->selectPanel(1);
    drop(1, {"movie.avi"});
    EXPECT_EQ(w.form->SplitFiles, QStringList{"movie.avi"});
    EXPECT_EQ(w.text("txtFile_1"), "movie.avi");
    EXPECT_EQ(w.status(), "3 pieces -- 512000 bytes each");
    EXPECT_EQ(w.text("txtEnd"), "0");
}
