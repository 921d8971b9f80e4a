// The window's message and input boxes with long names: the input box shows
// the whole name it offers, and a message keeps each path on one line.
#include "core/texts.h"
#include "mainwindow/gui_qt_host.h"
#include "mainwindow/gui_window_fixture.h"

#include <QInputDialog>
#include <QLabel>
#include <QScreen>
#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

TEST(WindowMessages, TheInputBoxIsWideEnoughForALongFileName)
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
    const std::optional<QString> typed =
        w.form->host().input(Prompt::OutputName, "Enter a new name:", name);
    ASSERT_TRUE(typed.has_value());
    EXPECT_EQ(*typed, name);
    EXPECT_GT(fieldWidth, nameWidth);
}

TEST(WindowMessages, AMessageKeepsAPathOnOneLine)
{
    WindowFixture w;
    ASSERT_TRUE(w.start({}));
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
