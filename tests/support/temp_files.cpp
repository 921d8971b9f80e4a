#include "support/temp_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace tsl::test {

QByteArray patternBytes(qint64 size, int seed, qint64 offset)
{
    QByteArray out(size, Qt::Uninitialized);
    for (qint64 i = 0; i < size; ++i) {
        const quint64 x = quint64(offset + i);
        out[i] = char((x * 31 + (x >> 8) * 7 + (x >> 16) * 13 + quint64(seed) * 101) & 0xFF);
    }
    return out;
}

TempFolder::TempFolder()
{
    EXPECT_TRUE(dir_.isValid());
}

QString TempFolder::write(const QString& name, const QByteArray& bytes) const
{
    const QString p = path(name);
    QDir().mkpath(QFileInfo(p).absolutePath());
    QFile f(p);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << p.toStdString();
    EXPECT_EQ(f.write(bytes), bytes.size());
    return p;
}

QString TempFolder::writeSparse(const QString& name, qint64 size) const
{
    const QString p = path(name);
    QFile f(p);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    EXPECT_TRUE(f.resize(size));
    const QByteArray mark = patternBytes(4096, 7);
    for (qint64 at : {qint64(0), size / 2, size - 4096}) {
        f.seek(at);
        f.write(mark);
    }
    return p;
}

QByteArray TempFolder::read(const QString& name) const
{
    QFile f(path(name));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QStringList TempFolder::names() const
{
    return QDir(dir_.path())
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

QString TempFolder::mkdir(const QString& name) const
{
    QDir().mkpath(path(name));
    return path(name) + QLatin1Char('/');
}

unsigned TempFolder::mode(const QString& name) const
{
    struct stat st {};
    return ::stat(QFile::encodeName(path(name)).constData(), &st) == 0 ? (st.st_mode & 0777) : 0;
}

QProcessEnvironment isolatedEnvironment(const QString& root)
{
    static QTemporaryDir shared;
    const QString r = root.isEmpty() ? shared.path() : root;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", r + "/home");
    env.insert("TSL_PROGRAM_DIR", r + "/program");
    env.insert("XDG_CONFIG_HOME", r + "/config");
    env.insert("XDG_CONFIG_DIRS", r + "/etc");
    return env;
}

CliRun runCli(const QStringList& args, const QByteArray& input, const QString& workDir,
              const QProcessEnvironment& env)
{
    QProcess p;
    p.setProcessEnvironment(env);
    if (!workDir.isEmpty())
        p.setWorkingDirectory(workDir);
    p.start(QStringLiteral(TSL_CLI_PATH), args);
    EXPECT_TRUE(p.waitForStarted());
    p.write(input);
    p.closeWriteChannel();
    EXPECT_TRUE(p.waitForFinished(120000));
    CliRun run;
    run.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    run.out = QString::fromUtf8(p.readAllStandardOutput());
    run.err = QString::fromUtf8(p.readAllStandardError());
    return run;
}

}  // namespace tsl::test
