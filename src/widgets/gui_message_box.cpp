#include "widgets/gui_message_box.h"

#include "core/texts.h"
#include "widgets/gui_wait_pointer.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <memory>

namespace tsl {

namespace {

QMessageBox::Icon boxIcon(Icon icon)
{
    switch (icon) {
    case Icon::Information: return QMessageBox::Information;
    case Icon::Question: return QMessageBox::Question;
    case Icon::Exclamation: return QMessageBox::Warning;
    case Icon::Critical: return QMessageBox::Critical;
    case Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

struct ButtonFor {
    Answer answer;
    QMessageBox::StandardButton button;
};

QList<ButtonFor> buttonsOf(Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok: return {{Answer::Ok, QMessageBox::Ok}};
    case Buttons::OkCancel:
        return {{Answer::Ok, QMessageBox::Ok}, {Answer::Cancel, QMessageBox::Cancel}};
    case Buttons::YesNo: return {{Answer::Yes, QMessageBox::Yes}, {Answer::No, QMessageBox::No}};
    case Buttons::AbortRetryIgnore:
        return {{Answer::Abort, QMessageBox::Abort},
                {Answer::Retry, QMessageBox::Retry},
                {Answer::Ignore, QMessageBox::Ignore}};
    }
    return {{Answer::Ok, QMessageBox::Ok}};
}

// The widest a message box lets its text be before it wraps anywhere, as
// QMessageBox reckons it, less the icon and margins beside the text.
int widestText(const QWidget* box)
{
    const QScreen* screen = box->screen() ? box->screen() : QGuiApplication::primaryScreen();
    const int width = screen ? screen->availableGeometry().width() : 1024;
    const int limit = width <= 1024 ? width : qMin(width - 480, 1000);
    return limit - 120;
}

// A line with a path in it fits on one line of the box, so a path is never
// broken at one of its slashes; lines without one wrap as usual.
void keepPathsWhole(QMessageBox& box, const QString& text)
{
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (!label)
        return;
    const QFontMetrics metrics(label->font());
    int wanted = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (!line.contains(QLatin1Char('/')))
            continue;
        int lineWidth = metrics.horizontalAdvance(line) + 4;
        if (lineWidth > widestText(&box)) {
            // Too long for one line: at least each path on a line of its own.
            lineWidth = 0;
            for (const QString& word : line.split(QLatin1Char(' '))) {
                if (word.contains(QLatin1Char('/')))
                    lineWidth = qMax(lineWidth, metrics.horizontalAdvance(word) + 4);
            }
        }
        wanted = qMax(wanted, lineWidth);
    }
    label->setMinimumWidth(qMin(wanted, widestText(&box)));
}

}  // namespace

QMessageBox* createMessageBox(QWidget* parent, const QString& text, Buttons buttons, Icon icon,
                              Answer defaultAnswer)
{
    const QString shown = QString(text).replace(CrLf, QStringLiteral("\n"));
    auto* box = new QMessageBox(boxIcon(icon), AppTitle, shown, QMessageBox::NoButton, parent);
    box->setTextFormat(Qt::PlainText);  // file names are never markup
    const QList<ButtonFor> choices = buttonsOf(buttons);
    for (const ButtonFor& choice : choices) {
        QPushButton* b = box->addButton(choice.button);
        if (choice.answer == defaultAnswer)
            box->setDefaultButton(b);
    }
    // Escape and the window frame answer as Cancel, No or Abort would.
    for (Answer declining : {Answer::Cancel, Answer::No, Answer::Abort, Answer::Ok}) {
        for (const ButtonFor& choice : choices) {
            if (choice.answer == declining && !box->escapeButton())
                box->setEscapeButton(box->button(choice.button));
        }
    }
    keepPathsWhole(*box, shown);
    return box;
}

Answer answerOf(const QMessageBox& box, Buttons buttons)
{
    const QList<ButtonFor> choices = buttonsOf(buttons);
    for (const ButtonFor& choice : choices) {
        if (box.clickedButton() == box.button(choice.button))
            return choice.answer;
    }
    return choices.last().answer;
}

Answer showMessage(QWidget* parent, const QString& text, Buttons buttons, Icon icon,
                   Answer defaultAnswer)
{
    NormalPointer pointer;
    const std::unique_ptr<QMessageBox> box(
        createMessageBox(parent, text, buttons, icon, defaultAnswer));
    box->exec();
    return answerOf(*box, buttons);
}

}  // namespace tsl
