#include "split/split_progress.h"

#include "core/message_text.h"
#include "core/texts.h"

#include <cmath>

namespace tsl::splitprogress {

int piecePercent(qint64 nextReadPosition, qint64 length)
{
    return length > 0 ? int(std::floor(100.0 * double(nextReadPosition) / double(length))) : 0;
}

QString pieceCaption(qint64 nextReadPosition, qint64 length, qint64 k, qint64 n,
                     const QString& name)
{
    return SplitText::tr("%1% complete (%2 of %3 parts written - %4)")
        .arg(piecePercent(nextReadPosition, length))
        .arg(k)
        .arg(n)
        .arg(name.trimmed());
}

int totalPercentAfterPiece(qint64 k, qint64 n, int f, int c)
{
    return int(std::floor(100.0 * (double(k) / double(n) / c + double(f - 1) / c)));
}

namespace {

// "2 of 3 files split": English takes its word by the number of files, a
// translation its plural form by %n.
QString filesSplit(int split, int c)
{
    return (c == 1 ? SplitText::tr("%1 of %n file split", nullptr, c)
                   : SplitText::tr("%1 of %n files split", nullptr, c))
        .arg(split);
}

QString complete(int percent, const QString& counts)
{
    if (counts.isEmpty())
        return SplitText::tr("%1% complete").arg(percent);
    //: %2 what was done ("1 of 3 files split")
    return SplitText::tr("%1% complete (%2)").arg(QString::number(percent), counts);
}

}  // namespace

QString totalCaptionAfterPiece(qint64 k, qint64 n, int f, int c)
{
    return complete(totalPercentAfterPiece(k, n, f, c), f > 1 ? filesSplit(f - 1, c) : QString());
}

int totalPercentAfterFile(int f, int c)
{
    return int(std::floor(100.0 * f / c));
}

QString totalCaptionAfterFile(int f, int c, int skipped, int failed)
{
    if (skipped + failed > 0) {
        const int split = f - skipped - failed;
        return complete(totalPercentAfterFile(split, c),
                        withNotDone(filesSplit(split, c), skipped, failed));
    }
    const QString counts = f == c ? filesSplit(f, c) : f > 1 ? filesSplit(f - 1, c) : QString();
    return complete(totalPercentAfterFile(f, c), counts);
}

}  // namespace tsl::splitprogress
