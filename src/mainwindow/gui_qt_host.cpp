#include "mainwindow/gui_qt_host.h"

#include "combine/frmMsg.h"
#include "core/texts.h"
#include "mainwindow/frmMain.h"
#include "widgets/gui_message_box.h"
#include "widgets/gui_wait_pointer.h"

#include <QApplication>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <memory>

namespace tsl {

QtHost::QtHost(frmMain& form) : form_(form) {}

void QtHost::status(const QString& text)
{
    form_.setStatusText(text);
}

void QtHost::progress(Panel panel, Line line, const QString& caption, double value, double maximum)
{
    form_.setProgress(panel, line, caption, value, maximum);
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
    // Wide enough for the whole name it offers, within the screen.
    const QScreen* screen = form_.screen() ? form_.screen() : QGuiApplication::primaryScreen();
    const int room = screen ? screen->availableGeometry().width() * 9 / 10 : 1000;
    const QFontMetrics metrics(dialog.font());
    const int wanted = qMax(metrics.horizontalAdvance(defaultText), metrics.averageCharWidth() * 60)
        + 2 * metrics.averageCharWidth() * 4;
    dialog.resize(qMin(qMax(dialog.sizeHint().width(), wanted), room), dialog.sizeHint().height());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

ReportAnswer QtHost::report(const PartsReport& report)
{
    return showPartsReport(report, &form_,
                           [this](const QString& text) { form_.setStatusText(text); });
}

}  // namespace tsl
