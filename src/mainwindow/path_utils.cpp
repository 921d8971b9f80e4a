#include "mainwindow/path_utils.h"

#include <QFileInfo>

namespace tsl {

namespace {

// Blanks only, as the command line's words are separated by them.
QString trimBlanks(const QString& text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text[start] == QLatin1Char(' '))
        ++start;
    while (end > start && text[end - 1] == QLatin1Char(' '))
        --end;
    return text.mid(start, end - start);
}

}  // namespace

QString GetLongPathLegacy(const QString& path)
{
    const QString p = trimBlanks(path);
    if (p.isEmpty() || !p.contains(QLatin1Char('~')))
        return p;
    return QFileInfo(p).canonicalFilePath();
}

}  // namespace tsl
