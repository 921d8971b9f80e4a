// The Combine panel: sets chosen in the file dialog (its filter remembered)
// or dropped, and a combine steered by the answer to the parts report; a
// cancelled report leaves the set as it was.
#include "core/sha256.h"
#include "mainwindow/gui_window_fixture.h"
#include "support/piece_sets.h"

#include <QTest>
#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

TEST(WindowCombine, SetsAreChosenOrDroppedAndTheAnsweredReportSteersTheCombine)
{
    WindowFixture w;
    const QByteArray whole =
        writePieceSet(w.t, {.name = "sets/clip.mpg", .size = 1300000, .pieceSize = 512000});
    QFile::remove(w.t.path("sets/clip.mpg.002"));
    w.t.write("sets/b.001", "b");
    ASSERT_TRUE(w.start({}));
    Offered offered;
    choose(&offered, w.t.path("sets"), {"clip.mpg.001", "b.001"}, "000 & 001 files (*.000 *.001)");
    w.button("cmdBrowse_0")->click();
    EXPECT_EQ(offered.filter, "000 files (*.000)");
    EXPECT_EQ(w.form->selection().CombFiles, (QStringList{"clip.mpg.001", "b.001"}));
    EXPECT_EQ(w.text("txtFile_0"), "\"clip.mpg.001\" \"b.001\"");
    EXPECT_EQ(w.status(), "2 files selected.");
    EXPECT_EQ(w.text("txtDir_0"), w.t.path("sets/"));
    choose(&offered, {}, {});  // cancelled: the filter was kept, the selection stays
    w.button("cmdBrowse_0")->click();
    EXPECT_EQ(offered.filter, "000 & 001 files (*.000 *.001)");
    EXPECT_EQ(offered.dir, w.t.path("sets"));  // InitCombineDir took the first folder
    EXPECT_EQ(w.form->selection().CombFiles, (QStringList{"clip.mpg.001", "b.001"}));

    dropFiles(w, 0, {w.t.path("sets/clip.mpg.000")});
    EXPECT_EQ(w.form->selection().CombFiles, QStringList{"clip.mpg.000"});
    EXPECT_EQ(w.form->selection().CombSrcDir, w.t.path("sets/"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.button("cmdCombine")->isEnabled(); }, 5000));
    QString title;
    QString notice;
    whenModal([&title, &notice](QWidget* dialog) {
        title = dialog->windowTitle();
        // The file joined without piece 2 is not the one the info file records.
        answerBox(&notice, QMessageBox::Ok);
        dialog->findChild<QPushButton*>("cmdCombine")->click();
    });
    w.button("cmdCombine")->click();
    ASSERT_TRUE(w.waitForJob());
    EXPECT_EQ(title, "Missing Parts...");
    EXPECT_TRUE(notice.startsWith("clip.mpg was written with 788000 bytes, but its info file "
                                  "records 1300000 bytes."))
        << notice.toStdString();
    EXPECT_EQ(w.t.read("sets/clip.mpg"), whole.left(512000) + whole.mid(1024000));
    EXPECT_EQ(w.store.ReadReg("CombineDir", "", false, "Combine"), w.t.path("sets/"));
}

TEST(WindowCombine, ACancelledReportOnADamagedPieceKeepsTheSet)
{
    WindowFixture w;
    const QByteArray whole =
        writePieceSet(w.t, {.name = "clip.mpg", .size = 1300000, .pieceSize = 512000});
    QByteArray sums;
    for (int i = 1; i <= 3; ++i)
        sums += Sha256::of(whole.mid((i - 1) * 512000, 512000)).toHex() + "  clip.mpg.00"
            + QByteArray::number(i) + "\n";
    w.t.write("clip.mpg.sha256", sums);
    QByteArray piece = w.t.read("clip.mpg.002");
    piece[7] = char(piece[7] ^ 0x20);
    w.t.write("clip.mpg.002", piece);
    ASSERT_TRUE(w.start({w.t.path("clip.mpg.000")}));
    const QStringList before = w.t.names();
    QString text;
    whenModal([&text](QWidget* dialog) {
        text = dialog->windowTitle() + "|" + dialog->findChild<QLabel*>("lblLabel")->text();
        dialog->findChild<QPushButton*>("cmdCancel")->click();
    });
    w.button("cmdCombine")->click();
    ASSERT_TRUE(w.waitForJob());
    EXPECT_TRUE(text.startsWith("Corrupt Parts...|")) << text.toStdString();
    EXPECT_TRUE(text.contains("Part 2 -- clip.mpg.002: damaged (checksum differs)"));
    EXPECT_EQ(w.t.names(), before);
}
