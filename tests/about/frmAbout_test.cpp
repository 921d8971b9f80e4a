// The about box as the user sees it: its title, the program and the build's
// version, and OK or Escape closing it.
#include "about/frmAbout.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace tsl;

TEST(frmAbout, ShowsTheProgramAndItsVersionAndOkOrEscapeCloseIt)
{
    for (const bool escape : {false, true}) {
        frmAbout box;
        EXPECT_EQ(box.windowTitle(), "About TSL...");
        EXPECT_EQ(box.findChild<QLabel*>("lblApp")->text(), "TSL");
        EXPECT_TRUE(box.findChild<QLabel*>("lblVer")->text().startsWith(TSL_VERSION " "));
        auto* ok = box.findChild<QPushButton*>("cmdOk");
        ASSERT_NE(ok, nullptr);
        EXPECT_TRUE(ok->isDefault());
        QSignalSpy finished(&box, &QDialog::finished);
        box.open();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
        if (escape)
            QTest::keyClick(&box, Qt::Key_Escape);
        else
            QTest::mouseClick(ok, Qt::LeftButton);
        EXPECT_TRUE(finished.count() == 1 || finished.wait(5000));
        EXPECT_FALSE(box.isVisible());
    }
}
