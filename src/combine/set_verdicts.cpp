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
    return base + QStringLiteral(" goes on past the highest part searched (")
        + QString::number(highPart) + QStringLiteral("); this part was found after it:") + CrLf2
        + QString::number(number) + ext + CrLf2
        + QStringLiteral(
               "Raise the highest part number to combine the whole set. The parts are kept.")
        + CrLf + QStringLiteral("Do you want to combine the existing parts?");
}

QString beyondLimitNotice(const QString& base, qint64 number, qint32 highPart)
{
    return base + QStringLiteral(" goes on past the highest part searched (")
        + QString::number(highPart) + QStringLiteral("): part ") + QString::number(number)
        + QStringLiteral(" exists. The file was joined from the parts found; the parts are kept.");
}

QString sizeMismatchMessage(const QString& outputName, quint64 recorded, qint64 written)
{
    return outputName + QStringLiteral(" was written with ") + QString::number(written)
        + QStringLiteral(" bytes, but its info file records ") + QString::number(recorded)
        + QStringLiteral(" bytes.") + CrLf
        + QStringLiteral(
               "The file is not the original: its parts, info file and batch file are kept.");
}

QString missingSkipText(const QString& base, qint64 missing, const QString& list)
{
    return QStringLiteral("Skipped ") + base + QStringLiteral(": ") + QString::number(missing)
        + (missing == 1 ? QStringLiteral(" part is missing (")
                        : QStringLiteral(" parts are missing ("))
        + list + QStringLiteral(").");
}

}  // namespace tsl
