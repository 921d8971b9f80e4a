#include "combine/set_verdicts.h"

#include "core/texts.h"
#include "pieces/part_names.h"

#include <QFileInfo>

namespace tsl {

qint64 pieceBeyondSearch(const CombineRun& run, const PieceSet& set)
{
    const qint64 last = set.table.upper() - 1;  // the table holds one number more
    const qint64 limit = run.settings.HighPart;
    if (last != limit || limit >= MaxPieceNumber)
        return 0;
    const SearchRule rule{set.letterScheme, run.settings.UnderPeriod};
    return findPiece(set.table, set.names, rule, last + 1).isEmpty() ? 0 : last + 1;
}

QString beyondLimitMessage(const QString& base, qint64 number, qint32 highPart, bool letterScheme)
{
    const QString ext =
        letterScheme ? QStringLiteral(" (") + PartExt(number, true) + QLatin1Char(')') : QString();
    return CombineText::tr("%1 goes on past the highest part searched (%2); this part was found "
                           "after it:")
               .arg(base, QString::number(highPart))
        + CrLf2 + QString::number(number) + ext + CrLf2
        + CombineText::tr(
               "Raise the highest part number to combine the whole set. The parts are kept.")
        + CrLf + CombineText::tr("Do you want to combine the existing parts?");
}

QString beyondLimitNotice(const QString& base, qint64 number, qint32 highPart)
{
    return CombineText::tr("%1 goes on past the highest part searched (%2): part %3 exists. The "
                           "file was joined from the parts found; the parts are kept.")
        .arg(base, QString::number(highPart), QString::number(number));
}

QString sizeMismatchMessage(const QString& outputName, quint64 recorded, qint64 written)
{
    return CombineText::tr("%1 was written with %2 bytes, but its info file records %3 bytes.")
               .arg(outputName, QString::number(written), QString::number(recorded))
        + CrLf
        + CombineText::tr(
               "The file is not the original: its parts, info file and batch file are kept.");
}

QString missingSkipText(const QString& base, qint64 missing, const QString& list)
{
    return (missing == 1 ? CombineText::tr("Skipped %1: %2 part is missing (%3).")
                         : CombineText::tr("Skipped %1: %2 parts are missing (%3)."))
        .arg(base, QString::number(missing), list);
}

}  // namespace tsl
