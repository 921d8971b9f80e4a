// The real main window for widget tests: settings stores, desktop folders and
// files in a temporary folder, the window loaded from a command line and
// shown; helpers to reach its controls and answer its message boxes.
#pragma once

#include "mainwindow/frmMain.h"
#include "settings/settings_store.h"
#include "shell/check_assoc.h"
#include "support/modal_dialogs.h"
#include "support/scripted_host.h"
#include "support/temp_files.h"

#include <QDropEvent>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QUrl>
#include <memory>

namespace tsl::test {

struct WindowFixture {
    TempFolder t;
    SettingsStore store{StoreLocations{t.mkdir("prog"), t.path("config/Tessel/TSL.conf"),
                                       t.path("etc/Tessel/TSL.conf")}};
    Settings settings;
    // The desktop registration the window's loads end with, in the temporary
    // tree; the desktop databases are not rebuilt.
    DesktopRegistration registration{DesktopLocations{
        t.path("data"), t.path("config"), QCoreApplication::applicationFilePath(), false}};
    std::unique_ptr<frmMain> form;

    WindowFixture()
    {
        // Nothing the window registers or records may reach the real desktop.
        qputenv("XDG_DATA_HOME", t.path("data").toUtf8());
        qputenv("XDG_CONFIG_HOME", t.path("config").toUtf8());
    }
    ~WindowFixture() { form.reset(); }

    // Stored settings, as "Key=value" lines of the per-user store.
    void stored(const QByteArray& lines)
    {
        t.write("config/Tessel/TSL.conf", "[General]\n" + lines);
    }

    // Loads the window from a command line; false when it asked to end.
    bool start(const QStringList& arguments)
    {
        form = std::make_unique<frmMain>(settings, store, &registration);
        const bool loaded = form->Form_Load(arguments);
        if (loaded)
            form->show();
        return loaded;
    }

    template <typename W = QWidget>
    W* find(const char* name) const
    {
        auto* w = form->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QString text(const char* name) const
    {
        if (auto* edit = form->findChild<QLineEdit*>(QString::fromLatin1(name)))
            return edit->text();
        return find<QLabel>(name)->text();
    }
    QString status() const { return text("Text"); }
    int panel() const { return find<QTabWidget>("tbsSplit")->currentIndex(); }
    QPushButton* button(const char* name) const { return find<QPushButton>(name); }
    // The entries of a list, top to bottom.
    QStringList entries(const char* list) const
    {
        QStringList names;
        for (const QListWidgetItem* item :
             find<QListWidget>(list)->findItems("*", Qt::MatchWildcard))
            names << item->text();
        return names;
    }

    // Waits for the running job's end.
    bool waitForJob() const
    {
        if (!form->jobRunning())
            return true;
        QSignalSpy ended(form.get(), &frmMain::jobFinished);
        return ended.wait(60000);
    }
};

// The text of a message box as the user reads it, and a click on one of its buttons.
inline void answerBox(QString* text, QMessageBox::StandardButton button)
{
    whenModal<QMessageBox>([text, button](QMessageBox* box) {
        if (text)
            *text = box->text();
        box->button(button)->click();
    });
}

// What a file dialog offered: its title, filters, selected filter and folder.
struct Offered {
    QString title, filters, filter, dir;
};

// Records what the next file dialog offers (unless offered is null), selects `filter` in it and
// chooses names in dir (all typed into its name field, as a multiple
// selection shows them); no names: cancels it.
inline void choose(Offered* offered, const QString& dir, const QStringList& names,
                   const QString& filter = {})
{
    whenModal<QFileDialog>([=](QFileDialog* dialog) {
        if (offered)
            *offered = {dialog->windowTitle(), dialog->nameFilters().join(';'),
                        dialog->selectedNameFilter(), dialog->directory().absolutePath()};
        if (!filter.isEmpty())
            dialog->selectNameFilter(filter);
        if (names.isEmpty())
            return dialog->reject();
        dialog->setDirectory(dir);
        QStringList quoted;
        for (const QString& name : names)
            quoted << (names.size() > 1 ? "\"" + name + "\"" : name);
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(quoted.join(' '));
        QMetaObject::invokeMethod(dialog, "accept");
    });
}

// Chooses dir in the next folder dialog, or cancels it when dir is empty.
inline void chooseFolder(const QString& dir)
{
    choose(nullptr, dir, dir.isEmpty() ? QStringList() : QStringList{QString()});
}

// Drops files (absolute paths) on a panel as a file manager would.
inline void dropFiles(const WindowFixture& w, int panel, const QStringList& paths)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    data.setUrls(urls);
    QWidget* target = w.form->picSplit[panel];
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &dropped);
}

}  // namespace tsl::test
