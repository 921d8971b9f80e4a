#include "mainwindow/gui_screenshots.h"

#include "about/frmAbout.h"
#include "mainwindow/frmMain.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <functional>

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

void shootAll(frmMain& window, const QString& dir)
{
    const char* panels[] = {"tsl-combine.png", "tsl-split.png", "tsl-append.png"};
    for (int p = 0; p < 3; ++p) {
        window.selectPanel(p);
        shoot(window, dir, QString::fromLatin1(panels[p]));
    }
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
