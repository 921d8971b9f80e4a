// The window's status panels, the captions of its progress lines, and its
// tooltips (a second instance: gui_hand_over_test.cpp).
#include "mainwindow/gui_window_fixture.h"

#include <QDate>
#include <QLocale>
#include <QProgressBar>
#include <QTabBar>
#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

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

TEST(WindowMisc, TooltipsFollowTheirModesSetting)
{
    WindowFixture w;
    w.stored("ShowTipsS=0\n");
    ASSERT_TRUE(w.start({}));
    EXPECT_EQ(w.button("cmdBrowse_0")->toolTip(), "Browse for file(s)...");
    EXPECT_EQ(w.button("cmdBrowse_1")->toolTip(), "Browse for directory...");
    EXPECT_EQ(w.button("cmdSplit")->toolTip(), "");
    EXPECT_EQ(w.find<QLineEdit>("txtDir_0")->toolTip(), "");
    auto* tabs = w.find<QTabWidget>("tbsSplit");
    EXPECT_EQ(tabs->tabToolTip(1), "");
    EXPECT_EQ(tabs->tabToolTip(0),
              "Combine files - this is specifically for sequentially-numbered parts.");
}
