// The about box as the user sees it: its texts, the version line built from
// the build's three numbers, and every way of closing it.
#include "about/frmAbout.h"

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

using namespace tsl;

namespace {

QString text(const QDialog& box, const char* name)
{
    const auto* label = box.findChild<QLabel*>(QString::fromLatin1(name));
    EXPECT_NE(label, nullptr) << name;
    return label ? label->text() : QString();
}

}  // namespace

TEST(frmAbout, ShowsTheProgramItsVersionAndCredits)
{
    frmAbout box;
    EXPECT_EQ(box.windowTitle(), "About TSL...");
    EXPECT_TRUE(box.isModal());
    EXPECT_EQ(text(box, "lblApp"), "TSL");
    EXPECT_FALSE(text(box, "lblDesc").isEmpty());
    EXPECT_FALSE(text(box, "lblDsc1").isEmpty());
    EXPECT_EQ(text(box, "lblDsc2"), "");
    auto* ok = box.findChild<QPushButton*>("cmdOk");
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), "&Ok");
    EXPECT_TRUE(ok->isDefault());

    // Three plain decimal numbers, the build's own, then the credits suffix.
    const QString version = text(box, "lblVer");
    const auto match =
        QRegularExpression(R"(^(0|[1-9]\d*)\.(0|[1-9]\d*)\.(0|[1-9]\d*) \S)").match(version);
    ASSERT_TRUE(match.hasMatch()) << version.toStdString();
    const QStringList built = QString(TSL_VERSION).split('.');
    ASSERT_EQ(built.size(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(match.captured(i + 1).toInt(), built[i].toInt());
}

TEST(frmAbout, OkEnterEscapeAndTheFrameCloseIt)
{
    const std::pair<const char*, std::function<void(frmAbout&)>> ways[] = {
        {"click OK",
         [](frmAbout& b) {
             QTest::mouseClick(b.findChild<QPushButton*>("cmdOk"), Qt::LeftButton);
         }},
        {"Enter", [](frmAbout& b) { QTest::keyClick(&b, Qt::Key_Return); }},
        {"Escape", [](frmAbout& b) { QTest::keyClick(&b, Qt::Key_Escape); }},
        {"window frame", [](frmAbout& b) { b.close(); }},
    };
    for (const auto& [name, close] : ways) {
        SCOPED_TRACE(name);
        frmAbout box;
        QSignalSpy finished(&box, &QDialog::finished);
        box.open();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
        close(box);
        EXPECT_TRUE(finished.count() == 1 || finished.wait(5000));
        EXPECT_FALSE(box.isVisible());
    }
}
