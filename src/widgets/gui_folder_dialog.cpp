#include "widgets/gui_folder_dialog.h"
#include "core/texts.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace tsl {

QString startFolder(const QString& path)
{
    QString dir = path.trimmed();
    if (dir.isEmpty() || QDir::isRelativePath(dir))
        return QDir::homePath();
    dir = QDir::cleanPath(dir);
    while (!QFileInfo(dir).isDir()) {
        const QString above = QFileInfo(dir).path();
        if (above == dir)
            return QDir::homePath();
        dir = above;
    }
    return dir;
}

QString BrowseForFolder(QWidget* owner, const QString& title, const QString& start)
{
    const QString caption = title.isEmpty() ? WindowText::tr("Choose a directory...") : title;
    const QString dir = QFileDialog::getExistingDirectory(owner, caption, startFolder(start));
    if (dir.isEmpty())
        return {};
    return QDir::cleanPath(dir);
}

}  // namespace tsl
