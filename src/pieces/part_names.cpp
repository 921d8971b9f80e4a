#include "pieces/part_names.h"

#include <cmath>

namespace tsl {

namespace {
QChar letter(qint64 value)
{
    return QChar(char16_t(96 + value));
}
}  // namespace

QString PartExt(qint64 i, bool letterScheme)
{
    if (!letterScheme)
        return QStringLiteral("%1").arg(i, 3, 10, QLatin1Char('0'));
    QString r;
    qint64 n = i;
    if (n >= 729) {
        r += letter(n / 729);
        n %= 729;
    } else {
        r += QLatin1Char('0');
    }
    if (n < 27) {
        r += QLatin1Char('0');
    } else {
        r += letter(n / 27);
        n %= 27;
    }
    r += n >= 1 ? letter(n) : QChar(QLatin1Char('0'));
    return r;
}

qint64 LetterPieceNumber(const QString& ext)
{
    if (ext.size() != 3)
        return 0;
    qint64 n = 0;
    for (QChar c : ext) {
        if (c == QLatin1Char('0'))
            n = n * 27;
        else if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            n = n * 27 + (c.unicode() - 96);
        else
            return 0;
    }
    return n;
}

qint64 wholePartSize(double partSize)
{
    return qint64(std::llround(partSize));
}

qint64 pieceSizeForCount(qint64 length, int count)
{
    constexpr qint64 Block = 4096;
    constexpr qint64 BlockRoundingFrom = 1024 * 1024;
    if (length <= 0 || count < 1)
        return 0;
    const qint64 size = length / count + (length % count != 0 ? 1 : 0);
    if (size < BlockRoundingFrom)
        return size;
    return (size + Block - 1) / Block * Block;
}

qint64 PieceCount(qint64 length, qint64 wholeSize)
{
    if (length <= 0 || wholeSize <= 0)
        return 0;
    return length / wholeSize + (length % wholeSize != 0 ? 1 : 0);
}

QString StripExt(const QString& name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? name : name.left(dot);
}

}  // namespace tsl
