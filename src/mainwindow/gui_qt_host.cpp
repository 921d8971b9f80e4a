#include "mainwindow/gui_qt_host.h"

#include "combine/frmMsg.h"
#include "core/texts.h"
#include "mainwindow/frmMain.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace tsl {

namespace {

// The normal pointer while a dialog waits for the user, the busy one back after.
class NormalPointer {
public:
    NormalPointer() { QApplication::setOverrideCursor(Qt::ArrowCursor); }
    ~NormalPointer() { QApplication::restoreOverrideCursor(); }
    NormalPointer(const NormalPointer&) = delete;
    NormalPointer& operator=(const NormalPointer&) = delete;
};

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

}  // namespace

Answer showMessage(QWidget* parent, const QString& text, Buttons buttons, Icon icon,
                   Answer defaultAnswer)
{
    NormalPointer pointer;
    QMessageBox box(boxIcon(icon), AppTitle, QString(text).replace(CrLf, QStringLiteral("\n")),
                    QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);  // file names are never markup
    const QList<ButtonFor> choices = buttonsOf(buttons);
    for (const ButtonFor& choice : choices) {
        QPushButton* b = box.addButton(choice.button);
        if (choice.answer == defaultAnswer)
            box.setDefaultButton(b);
    }
    // Escape and the window frame answer as Cancel, No or Abort would.
    for (Answer declining : {Answer::Cancel, Answer::No, Answer::Abort, Answer::Ok}) {
        for (const ButtonFor& choice : choices) {
            if (choice.answer == declining && !box.escapeButton()) {
                box.setEscapeButton(box.button(choice.button));
            }
        }
    }
    box.exec();
    for (const ButtonFor& choice : choices) {
        if (box.clickedButton() == box.button(choice.button))
            return choice.answer;
    }
    return choices.last().answer;
}

QtHost::QtHost(frmMain& form) : form_(form) {}

void QtHost::status(const QString& text)
{
    form_.setStatusText(text);
}

void QtHost::progress(Panel panel, Line line, const QString& caption, double value, double maximum)
{
    form_.setProgress(panel, line, caption, value, maximum);
}

void QtHost::setBusy(Panel panel, bool busy)
{
    form_.setBusyFrame(panel, busy);
}

Answer QtHost::ask(Ask, const QString& text, Buttons buttons, Icon icon, Answer defaultAnswer)
{
    return showMessage(&form_, text, buttons, icon, defaultAnswer);
}

std::optional<QString> QtHost::input(Prompt, const QString& prompt, const QString& defaultText)
{
    NormalPointer pointer;
    QInputDialog dialog(&form_);
    dialog.setWindowTitle(AppTitle);
    dialog.setLabelText(QString(prompt).replace(CrLf, QStringLiteral("\n")));
    dialog.setTextValue(defaultText);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

ReportAnswer QtHost::report(const PartsReport& report)
{
    return showPartsReport(report, &form_);
}

}  // namespace tsl
