// Real files in a temporary folder for engine tests, and a runner for tsl-cli.
#pragma once

#include <QByteArray>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace tsl::test {

// The pattern writePattern() writes, for comparing.
QByteArray patternBytes(qint64 size, int seed = 1, qint64 offset = 0);

class TempFolder {
public:
    TempFolder();
    // The folder with a trailing "/".
    QString dir() const { return dir_.path() + QLatin1Char('/'); }
    QString path(const QString& name) const { return dir() + name; }
    // Writes bytes to name (creating folders on the way); returns its path.
    QString write(const QString& name, const QByteArray& bytes) const;
    // Writes `size` bytes of a repeatable pattern that differs at every offset
    // (so a misplaced byte is caught), seeded by `seed`.
    QString writePattern(const QString& name, qint64 size, int seed = 1) const
    {
        return write(name, patternBytes(size, seed));
    }
    // A sparse file of `size` bytes: holes read as zeros, but `marks` are
    // written at the start, the middle and the end.
    QString writeSparse(const QString& name, qint64 size) const;
    QByteArray read(const QString& name) const;
    bool exists(const QString& name) const { return QFileInfo::exists(path(name)); }
    qint64 size(const QString& name) const { return QFileInfo(path(name)).size(); }
    // The names in the folder, sorted, hidden ones included.
    QStringList names() const;
    QString mkdir(const QString& name) const;
    // The permission bits of name (0777 at most); 0 when it is not there.
    unsigned mode(const QString& name) const;

private:
    QTemporaryDir dir_;
};

struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// The environment of a tsl-cli run in a test: the settings stores (tsl.ini's
// program directory "program", the per-user "config" and machine-wide "etc"
// files) and the home folder lie in `root`, by default a temporary folder of
// this test process: never the user's own.
QProcessEnvironment isolatedEnvironment(const QString& root = {});

// Runs tsl-cli with args (standard input not a terminal, fed from input).
CliRun runCli(const QStringList& args, const QByteArray& input = {}, const QString& workDir = {},
              const QProcessEnvironment& env = isolatedEnvironment());

}  // namespace tsl::test
