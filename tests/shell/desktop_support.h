// Helpers for the desktop registration tests: a snapshot of a folder tree and
// desktop-file-validate on one file.
#pragma once

#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <optional>

namespace tsl::test {

// Every file under root (relative path to bytes).
inline QMap<QString, QByteArray> treeSnapshot(const QString& root)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString p = it.next();
        QFile f(p);
        f.open(QIODevice::ReadOnly);
        files.insert(p.mid(root.size()), f.readAll());
    }
    return files;
}

// The errors desktop-file-validate finds in path; nullopt when the tool is
// missing. KDE service menus are Type=Service, which the validator does not
// know as a type for MimeType and Actions: those two complaints are KDE's
// format, not faults, and are left out.
inline std::optional<QString> desktopFileErrors(const QString& path)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (tool.isEmpty())
        return std::nullopt;
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(tool, {path});
    p.waitForFinished();
    QStringList errors;
    for (const QString& line : QString::fromUtf8(p.readAll()).split(QLatin1Char('\n'))) {
        if (!line.isEmpty() && !line.contains(QStringLiteral("but the type is \"Service\"")))
            errors << line;
    }
    return errors.join(QLatin1Char('\n'));
}

}  // namespace tsl::test
