#include "settings/directory_check.h"

#include "core/host.h"
#include "core/message_text.h"
#include "core/run_error.h"
#include "core/texts.h"
#include "settings/setting_keys.h"
#include "settings/settings_store.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStorageInfo>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace tsl {

namespace {

const QString Procedure = QStringLiteral("modSplit.LoadReg");

// What the user sees as the drive of a path that has none: its first
// component, a Windows drive such as "d:" in capitals, or for a path opening
// with a backslash its first two characters.
QString driveText(const QString& path)
{
    static const QRegularExpression separator(QStringLiteral("[/\\\\]"));
    QString first = path.section(separator, 0, 0);
    if (first.isEmpty())
        return path.left(2);
    if (first.size() == 2 && first[1] == QLatin1Char(':'))
        first = first.toUpper();
    return first;
}

// errno of a directory operation as a run-time error; a missing directory
// on the way is always "Path not found".
RunError dirError(int e, const QString& path)
{
    if (e == ENOENT || e == ENOTDIR)
        return RunError::of(err::PathNotFound, path, FileOp::Open);
    if (e == EEXIST)
        return RunError::of(err::PathFileAccess, path, FileOp::Create);
    return runErrorFromErrno(e, path, FileOp::Open);
}

// Whether path can be made the current directory (without making it so:
// the process keeps its working directory).
RunError enterDirectory(const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat st;
    if (::stat(native.constData(), &st) != 0)
        return dirError(errno, path);
    if (!S_ISDIR(st.st_mode))
        return RunError::of(err::PathNotFound, path, FileOp::Open);
    if (::access(native.constData(), X_OK) != 0)
        return dirError(errno, path);
    return RunError::none();
}

RunError makeDirectory(const QString& path)
{
    if (::mkdir(QFile::encodeName(path).constData(), 0777) != 0)
        return dirError(errno, path);
    return RunError::none();
}

void inform(Host& host, const QString& text)
{
    host.ask(Ask::Notice, text, Buttons::Ok, Icon::Information, Answer::Ok);
}

}  // namespace

DriveMap DriveMap::system()
{
    DriveMap d;
    d.removableRoots = {QStringLiteral("/media"), QStringLiteral("/run/media")};
    d.userName = qEnvironmentVariable("USER", QDir::home().dirName());
    d.homeFolder = QDir::homePath();
    d.mountPoints = [] {
        QStringList points;
        for (const QStorageInfo& v : QStorageInfo::mountedVolumes())
            points << v.rootPath();
        return points;
    };
    return d;
}

QString unmountedVolume(const QString& path, const DriveMap& drives)
{
    const QString clean = QDir::cleanPath(path);
    for (const QString& r : drives.removableRoots) {
        const QString root = QDir::cleanPath(r);
        if (!clean.startsWith(root + QLatin1Char('/')))
            continue;
        const QStringList parts = clean.mid(root.size() + 1).split(QLatin1Char('/'));
        qsizetype levels = 1;
        if (parts.first() == drives.userName) {
            if (parts.size() < 2)
                return {};  // the user's folder of media, no medium
            levels = 2;
        }
        const QString volume =
            root + QLatin1Char('/') + parts.mid(0, levels).join(QLatin1Char('/'));
        const QStringList mounted = drives.mountPoints ? drives.mountPoints() : QStringList();
        for (const QString& m : mounted) {
            const QString point = QDir::cleanPath(m);
            if (point == volume
                || (volume.startsWith(point + QLatin1Char('/'))
                    && point.startsWith(root + QLatin1Char('/'))))
                return {};
        }
        return volume;
    }
    return {};
}

DirCheck checkInitialDirectory(QString& value, const QString& key, const QString& description,
                               SettingsStore& store, Host& host, const DriveMap& drives)
{
    if (value.isEmpty())
        return DirCheck::Kept;
    const QString path = value;
    int step = 0;
    if (!QDir::isAbsolutePath(path)) {
        inform(host,
               SettingsText::tr("The drive you specified (%1) for the %2 does not exist.")
                       .arg(driveText(path), description)
                   + CrLf2 + SettingsText::tr("TSL will default to '%1'.").arg(drives.homeFolder));
        step = 3;
    } else if (const QString volume = unmountedVolume(path, drives); !volume.isEmpty()) {
        inform(host, SettingsText::tr("There is no disk in drive %1.").arg(volume));
        step = 4;
    }
    if (step == 0) {
        step = 1;
        const RunError e = enterDirectory(path);
        if (e.number == err::PathNotFound) {
            const Answer a =
                host.ask(Ask::CreateDirectory,
                         //: %1 the directory, %2 what it is for ("initial split directory")
                         withCrLf(SettingsText::tr("The directory you specified (%1) for the\n"
                                                   "%2 does not exist."))
                                 .arg(path, description)
                             + CrLf2 + SettingsText::tr("Do you want the program to create it?"),
                         Buttons::YesNo, Icon::Question, Answer::Yes);
            if (a == Answer::Yes)
                step = 2;
        } else if (e.failed() && e.number != err::DeviceUnavailable
                   && !askToContinue(host, e, Procedure)) {
            return DirCheck::Terminated;
        }
    }
    if (step == 2) {
        const RunError e = makeDirectory(path);
        if (e.number == err::PathNotFound) {
            inform(host, SettingsText::tr("There was an error (76) creating %1.").arg(path));
            step = 3;
        } else if (e.failed() && e.number != err::DeviceUnavailable
                   && !askToContinue(host, e, Procedure)) {
            return DirCheck::Terminated;
        }
    }
    if (step != 3)
        return DirCheck::Kept;
    value.clear();
    store.WriteReg(key, QString(), false, section::Directories);
    return DirCheck::Cleared;
}

}  // namespace tsl
