#include "mainwindow/command_line.h"

#include "core/texts.h"
#include "mainwindow/path_utils.h"

#include <QFileInfo>

namespace tsl {

namespace {

// The entries as files: existing entries whole, runs of entries that name
// nothing joined until they do. A run that never names a file leaves its
// first entry on its own (reported missing later) and starts again after it.
QStringList joinEntries(const QStringList& entries,
                        const std::function<bool(const QString&)>& exists)
{
    QStringList names;
    qsizetype i = 0;
    while (i < entries.size()) {
        QString name = entries[i];
        qsizetype next = i + 1;
        if (!exists(name)) {
            QString joined = name;
            for (qsizetype j = i + 1; j < entries.size() && !exists(entries[j]); ++j) {
                joined += QLatin1Char(' ') + entries[j];
                if (exists(joined)) {
                    name = joined;
                    next = j + 1;
                    break;
                }
            }
        }
        names << name;
        i = next;
    }
    return names;
}

bool namesPieceSet(const QString& name)
{
    return name.endsWith(QLatin1String(".000")) || name.endsWith(QLatin1String(".001"));
}

}  // namespace

CommandLineStart readCommandLine(const QStringList& arguments,
                                 const std::function<bool(const QString&)>& exists)
{
    CommandLineStart start;
    QStringList entries;
    for (const QString& argument : arguments) {
        if (!argument.trimmed().isEmpty())
            entries << argument.trimmed();
    }
    if (entries.join(QLatin1Char(' ')).size() < 5)
        return start;

    start.mode = StartMode::Split;
    QStringList dirs;
    for (const QString& name : joinEntries(entries, exists)) {
        const QString longName = GetLongPathLegacy(name);
        const QFileInfo file(longName.isEmpty() ? name : longName);
        if (namesPieceSet(file.fileName()))
            start.mode = StartMode::Combine;
        const QString dir = file.absolutePath() + QLatin1Char('/');
        if (!dirs.contains(dir))
            dirs << dir;
        start.files << file.fileName();
    }
    if (dirs.size() > 1) {
        start.files.clear();
        start.folders = dirs;
    } else {
        start.srcDir = dirs.value(0);
    }
    return start;
}

QString differentFoldersText(const QStringList& folders)
{
    return WindowText::tr("The chosen files lie in different folders:") + CrLf2 + folders.join(CrLf)
        + CrLf2 + WindowText::tr("Choose files of one folder at a time. Nothing was selected.");
}

}  // namespace tsl
