#include "split/split_progress.h"

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

QString totalCaptionAfterPiece(qint64 k, qint64 n, int f, int c)
{
    QString text = SplitText::tr("%1% complete").arg(totalPercentAfterPiece(k, n, f, c));
    if (f > 1)
        text += SplitText::tr(" (%1 of %2 files split)").arg(f - 1).arg(c);
    return text;
}

int totalPercentAfterFile(int f, int c)
{
    return int(std::floor(100.0 * f / c));
}

QString totalCaptionAfterFile(int f, int c, const QString& word, int skipped, int failed)
{
    if (skipped + failed > 0) {
        const int split = f - skipped - failed;
        //: %4 is "file" or "files", %5 the counts not done (", 1 skipped")
        return SplitText::tr("%1% complete (%2 of %3 %4 split%5)")
            .arg(totalPercentAfterFile(split, c))
            .arg(split)
            .arg(c)
            .arg(word)
            .arg(notDoneCounts(skipped, failed));
    }
    QString text = SplitText::tr("%1% complete").arg(totalPercentAfterFile(f, c));
    if (f == c)
        text += SplitText::tr(" (%1 of %2 %3 split)").arg(f).arg(c).arg(word);
    else if (f > 1)
        text += SplitText::tr(" (%1 of %2 %3 split)").arg(f - 1).arg(c).arg(word);
    return text;
}

}  // namespace tsl::splitprogress
