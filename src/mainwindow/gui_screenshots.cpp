#include "mainwindow/gui_screenshots.h"

#include "about/frmAbout.h"
#include "lists/gui_append_lists.h"
#include "mainwindow/frmMain.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <functional>
#include <memory>

namespace tsl {

namespace {

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

// Waits (on the event loop) until the window is on screen.
void whenExposed(QWidget& window, const std::function<void()>& then)
{
    auto* poll = new QTimer(&window);
    QObject::connect(poll, &QTimer::timeout, &window, [poll, &window, then] {
        if (!window.windowHandle() || !window.windowHandle()->isExposed())
            return;
        poll->stop();
        poll->deleteLater();
        then();
    });
    poll->start(20);
}

// The Append panel as a user sees it at work: three files in lstFrom's
// folder, one moved to lstTo, a target named.
void fillAppendPanel(frmMain& window, const QString& folder)
{
    for (const char* name : {"holiday-1.mpg", "holiday-2.mpg", "holiday-3.mpg"}) {
        QFile file(QDir(folder).filePath(QString::fromLatin1(name)));
        if (file.open(QIODevice::WriteOnly))
            file.write(QByteArray(1000, 'x'));
    }
    window.AppendSrcDir = QDir(folder).path() + QLatin1Char('/');
    if (auto* dir = window.findChild<QLineEdit*>(QStringLiteral("txtDir_2")))
        dir->setText(window.AppendSrcDir);
    AppendLists* lists = window.lists();
    lists->loadSource(window.AppendSrcDir);
    if (auto* from = lists->findChild<QListWidget*>(QStringLiteral("lstFrom"));
        from && from->count()) {
        from->item(1)->setSelected(true);
        lists->cmdAdd_Click(1);
    }
    if (auto* target = window.findChild<QLineEdit*>(QStringLiteral("txtFile_2")))
        target->setText(QStringLiteral("holiday.mpg"));
}

// Runs then once when(), polled on the event loop, holds, or after a few seconds.
void whenReady(QWidget& owner, const std::function<bool()>& when, const std::function<void()>& then)
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

void shootAbout(frmMain& window, const QString& dir);

void shootAll(frmMain& window, const QString& dir)
{
    window.selectPanel(0);
    shoot(window, dir, QStringLiteral("tsl-combine.png"));
    window.selectPanel(1);
    shoot(window, dir, QStringLiteral("tsl-split.png"));
    window.selectPanel(2);
    auto folder = std::make_shared<QTemporaryDir>();
    if (folder->isValid())
        fillAppendPanel(window, folder->path());
    // The window's timer enables the Append button for the filled panel.
    auto* append = window.findChild<QPushButton*>(QStringLiteral("cmdAppend"));
    whenReady(
        window, [append] { return append && append->isEnabled(); },
        [&window, dir, folder] {
            shoot(window, dir, QStringLiteral("tsl-append.png"));
            shootAbout(window, dir);
        });
}

void shootAbout(frmMain& window, const QString& dir)
{
    window.selectPanel(0);
    auto* about = new frmAbout(&window);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->show();
    whenExposed(*about, [about, dir] {
        shoot(*about, dir, QStringLiteral("tsl-about.png"));
        about->close();
        QApplication::quit();
    });
}

}  // namespace

void saveScreenshots(frmMain& window, const QString& dir)
{
    QDir().mkpath(dir);
    whenExposed(window, [&window, dir] { shootAll(window, dir); });
}

}  // namespace tsl
