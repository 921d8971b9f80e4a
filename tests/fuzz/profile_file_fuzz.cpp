// Fuzz target: the ini (profile file) reader and writer. Any file content
// must read without a crash; writing a key must keep the file readable and
// give the value back.
#include "settings/profile_file.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <cstdint>
#include <cstdlib>
#include <unistd.h>

namespace {

// A name made of letters and digits from the byte (never empty).
QString nameFrom(uint8_t byte, const char* prefix)
{
    return QString::fromLatin1(prefix) + QString::number(byte % 4);
}

QString scratchFile()
{
    static const QString path =
        QDir::tempPath() + QStringLiteral("/tsl-fuzz-%1.ini").arg(::getpid());
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 3)
        return 0;
    const QString section = nameFrom(data[0], "Section");
    const QString key = nameFrom(data[1], "Key");
    const size_t valueLength = data[2] % 16;
    if (size < 3 + valueLength)
        return 0;
    const QString value =
        QString::fromLatin1(reinterpret_cast<const char*>(data + 3), qsizetype(valueLength));
    const QByteArray content(reinterpret_cast<const char*>(data + 3 + valueLength),
                             qsizetype(size - 3 - valueLength));
    const QString file = scratchFile();
    {
        QFile f(file);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        f.write(content);
    }
    (void)tsl::readProfileValue(file, section, key);
    const bool written = tsl::writeProfileValue(file, section, key, value);
    // A value that could read differently (quotes or blanks at its ends, a
    // line break or a NUL inside) is not checked for the way back.
    const bool plain = !value.contains(QLatin1Char('\n')) && !value.contains(QLatin1Char('\r'))
        && !value.contains(QChar(0)) && value.trimmed() == value
        && !value.startsWith(QLatin1Char('"')) && !value.startsWith(QLatin1Char('\''));
    if (written && plain && tsl::readProfileValue(file, section, key) != value)
        std::abort();
    QFile::remove(file);
    return 0;
}
