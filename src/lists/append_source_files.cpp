#include "lists/append_source_files.h"

#include "core/file_utils.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace tsl {

QStringList appendSourceFiles(const QString& dir)
{
    if (dir.trimmed().isEmpty())
        return {};
    // Without QDir::Hidden and QDir::System the listing leaves out dot names,
    // special files and dangling links, and QDir::Files leaves out directories.
    QStringList names = QDir(dir).entryList(QDir::Files, QDir::NoSort);
    std::sort(names.begin(), names.end(), listNameLess);
    return names;
}

bool listNameLess(const QString& a, const QString& b)
{
    const int folded = QString::compare(a, b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : QString::compare(a, b, Qt::CaseSensitive) < 0;
}

DroppedFiles droppedAppendFiles(const QList<QUrl>& urls)
{
    DroppedFiles files;
    for (const QUrl& url : urls) {
        const QString path =
            url.isLocalFile() ? QFileInfo(url.toLocalFile()).absoluteFilePath() : QString();
        if (!path.isEmpty() && isOrdinaryFile(path))
            files.accepted << path;
        else
            files.refused << (url.isLocalFile() ? url.toLocalFile() : url.toDisplayString());
    }
    return files;
}

}  // namespace tsl
