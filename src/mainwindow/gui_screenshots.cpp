#include "mainwindow/gui_screenshots.h"

#include "about/frmAbout.h"
#include "combine/frmMsg.h"
#include "combine/part_lists.h"
#include "lists/gui_append_lists.h"
#include "mainwindow/frmMain.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <functional>
#include <memory>

namespace tsl {

namespace {

// One step of the run; it calls next when it is done.
using Step = std::function<void(const std::function<void()>& next)>;

// Saves what widget shows as dir/name and prints its name and size.
void shoot(QWidget& widget, const QString& dir, const QString& name)
{
    QApplication::processEvents();
    const QPixmap image = widget.grab();
    const QSize size = widget.size() * widget.devicePixelRatioF();
    const QString path = QDir(dir).filePath(name);
    const bool saved = image.save(path, "PNG");
    std::printf("%s %dx%d%s\n", qPrintable(name), size.width(), size.height(),
                saved ? "" : " (not saved)");
    std::fflush(stdout);
}

// Runs then once when(), polled on the event loop, holds, or after a few seconds.
void whenReady(QObject& owner, const std::function<bool()>& when, const std::function<void()>& then)
{
    auto* poll = new QTimer(&owner);
    auto tries = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, &owner, [poll, tries, when, then] {
        if (!when() && ++*tries < 150)
            return;
        poll->stop();
        poll->deleteLater();
        then();
    });
    poll->start(20);
}

bool exposed(const QWidget* window)
{
    return window->windowHandle() && window->windowHandle()->isExposed();
}

// The Append panel as a user sees it at work: three files in the folder
// typed into "Find parts in:", one moved to lstTo, a target named.
void fillAppendPanel(frmMain& window, const QString& folder)
{
    for (const char* name : {"holiday-1.mpg", "holiday-2.mpg", "holiday-3.mpg"}) {
        QFile file(QDir(folder).filePath(QString::fromLatin1(name)));
        if (file.open(QIODevice::WriteOnly))
            file.write(QByteArray(1000, 'x'));
    }
    window.setAppendSource(folder);
    AppendLists* lists = window.lists();
    if (auto* from = lists->findChild<QListWidget*>(QStringLiteral("lstFrom"));
        from && from->count()) {
        from->item(1)->setSelected(true);
        lists->cmdAdd_Click(1);
    }
    if (auto* target = window.findChild<QLineEdit*>(QStringLiteral("txtFile_2")))
        target->setText(QStringLiteral("holiday.mpg"));
}

Step panels(frmMain& window, const QString& dir, const QString& prefix,
            std::shared_ptr<QTemporaryDir> folder)
{
    return [&window, dir, prefix, folder](const std::function<void()>& next) {
        window.selectPanel(0);
        shoot(window, dir, prefix + QStringLiteral("combine.png"));
        window.selectPanel(1);
        shoot(window, dir, prefix + QStringLiteral("split.png"));
        window.selectPanel(2);
        if (folder->isValid())
            fillAppendPanel(window, folder->path());
        // The window's timer enables the Append button for the filled panel.
        auto* append = window.findChild<QPushButton*>(QStringLiteral("cmdAppend"));
        whenReady(
            window, [append] { return append && append->isEnabled(); },
            [&window, dir, prefix, next] {
                shoot(window, dir, prefix + QStringLiteral("append.png"));
                next();
            });
    };
}

Step about(frmMain& window, const QString& dir)
{
    return [&window, dir](const std::function<void()>& next) {
        auto* box = new frmAbout(&window);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->show();
        whenReady(
            window, [box] { return exposed(box); },
            [box, dir, next] {
                shoot(*box, dir, QStringLiteral("tsl-about.png"));
                box->close();
                next();
            });
    };
}

// The options dialog as its button opens it, each of its pages in turn.
Step options(frmMain& window, const QString& dir)
{
    return [&window, dir](const std::function<void()>& next) {
        window.selectPanel(0);
        whenReady(
            window, [] { return QApplication::activeModalWidget() != nullptr; },
            [&window, dir, next] {
                QWidget* dialog = QApplication::activeModalWidget();
                whenReady(
                    window, [dialog] { return exposed(dialog); },
                    [dialog, dir, next] {
                        auto* tabs = dialog->findChild<QTabWidget*>(QStringLiteral("tbsOpt"));
                        for (int page = 0; tabs && page < tabs->count(); ++page) {
                            tabs->setCurrentIndex(page);
                            shoot(*dialog, dir, QStringLiteral("tsl-options-%1.png").arg(page));
                        }
                        dialog->close();
                        QTimer::singleShot(0, next);
                    });
            });
        if (auto* button = window.findChild<QPushButton*>(QStringLiteral("cmdOpt_0")))
            QTimer::singleShot(0, button, &QPushButton::click);
    };
}

// The parts report of a set with two gaps in its pieces.
Step partsReport(frmMain& window, const QString& dir)
{
    return [&window, dir](const std::function<void()>& next) {
        PartsReport report{
            ReportMode::Missing,
            1,
            2,
            QStringLiteral("holiday.mpg"),
            QDir::homePath() + QLatin1Char('/'),
            missingPartsMessage(QStringLiteral("holiday.mpg"), 3, QStringLiteral("2, 5 - 6"))};
        auto* dialog = new frmMsg(report, &window);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->show();
        whenReady(
            window, [dialog] { return exposed(dialog); },
            [dialog, dir, next] {
                shoot(*dialog, dir, QStringLiteral("tsl-parts-report.png"));
                dialog->close();
                next();
            });
    };
}

// A dark palette as a dark desktop theme sets it.
QPalette darkPalette()
{
    QPalette p;
    const QColor window(53, 53, 53), base(35, 35, 35), text(230, 230, 230);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::black);
    p.setColor(QPalette::ToolTipBase, base);
    p.setColor(QPalette::ToolTipText, text);
    const QColor grey(127, 127, 127);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, grey);
    return p;
}

Step darkTheme()
{
    return [](const std::function<void()>& next) {
        QApplication::setPalette(darkPalette());
        QTimer::singleShot(0, next);
    };
}

// Runs steps from the first on, each after the one before has finished.
void runSteps(std::shared_ptr<std::vector<Step>> steps, std::size_t i)
{
    if (i == steps->size()) {
        QApplication::quit();
        return;
    }
    (*steps)[i]([steps, i] { runSteps(steps, i + 1); });
}

}  // namespace

void saveScreenshots(frmMain& window, const QString& dir)
{
    QDir().mkpath(dir);
    auto folder = std::make_shared<QTemporaryDir>();
    auto steps = std::make_shared<std::vector<Step>>();
    steps->push_back(panels(window, dir, QStringLiteral("tsl-"), folder));
    steps->push_back(about(window, dir));
    steps->push_back(options(window, dir));
    steps->push_back(partsReport(window, dir));
    steps->push_back(darkTheme());
    steps->push_back(panels(window, dir, QStringLiteral("tsl-dark-"), folder));
    whenReady(
        window, [&window] { return exposed(&window); }, [steps] { runSteps(steps, 0); });
}

}  // namespace tsl
