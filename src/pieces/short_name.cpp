#include "pieces/short_name.h"

#include <QDir>
#include <QFileInfo>

namespace tsl {

namespace {

bool isShortChar(QChar c)
{
    if (c.unicode() > 127)
        return false;
    // "%&()^" are left out although old short names allowed them: the batch
    // file uses 8.3 names unquoted, where those would be commands.
    return c.isLetterOrNumber() || QStringLiteral("!#$'-@_`{}~").contains(c);
}

// Upper case, blanks and dots dropped, other characters a short name may not
// hold replaced by "_".
QString cleaned(const QString& text)
{
    QString out;
    for (QChar c : text) {
        if (c == QLatin1Char(' ') || c == QLatin1Char('.'))
            continue;
        out += isShortChar(c) ? c.toUpper() : QChar(QLatin1Char('_'));
    }
    return out;
}

bool isValidShortName(const QString& name)
{
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    const QString stem = dot < 0 ? name : name.left(dot);
    const QString ext = dot < 0 ? QString() : name.mid(dot + 1);
    if (stem.isEmpty() || stem.size() > 8 || ext.size() > 3 || ext.contains(QLatin1Char('.')))
        return false;
    if (dot >= 0 && ext.isEmpty())
        return false;
    for (QChar c : stem + ext) {
        if (!isShortChar(c))
            return false;
    }
    return true;
}

struct Parts {
    QString stem;
    QString ext;
};

Parts aliasParts(const QString& name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const bool hasExt = dot > 0;
    return {cleaned(hasExt ? name.left(dot) : name).left(6),
            hasExt ? cleaned(name.mid(dot + 1)).left(3) : QString()};
}

QString withTail(const Parts& parts, int n)
{
    const QString tail = QLatin1Char('~') + QString::number(n);
    QString stem = parts.stem.isEmpty() ? QStringLiteral("_") : parts.stem;
    stem = stem.left(8 - tail.size()) + tail;
    return parts.ext.isEmpty() ? stem : stem + QLatin1Char('.') + parts.ext;
}

}  // namespace

QString shortName(const QString& path)
{
    const QFileInfo info(path);
    const QString name = info.fileName();
    if (isValidShortName(name))
        return name.toUpper();
    const Parts mine = aliasParts(name);
    int n = 1;
    const QStringList siblings = info.dir().entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& other : siblings) {
        if (other == name)
            break;
        if (isValidShortName(other))
            continue;
        const Parts theirs = aliasParts(other);
        if (theirs.stem == mine.stem && theirs.ext == mine.ext)
            ++n;
    }
    return withTail(mine, n);
}

}  // namespace tsl
