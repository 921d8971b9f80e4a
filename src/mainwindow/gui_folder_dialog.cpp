#include "mainwindow/gui_folder_dialog.h"

#include <QDir>
#include <QFileDialog>

namespace tsl {

QString BrowseForFolder(QWidget* owner, const QString& title)
{
    const QString caption = title.isEmpty() ? QStringLiteral("Choose a directory...") : title;
    const QString dir = QFileDialog::getExistingDirectory(owner, caption, QDir::rootPath());
    if (dir.isEmpty())
        return {};
    const QString clean = QDir::cleanPath(dir);
    return clean;
}

}  // namespace tsl
