#include "mainwindow/status_text.h"

#include "pieces/part_names.h"
#include "split/piece_size.h"

namespace tsl {

namespace {

// " pieces" after a count, " piece" after 1.
QString piecesAfter(qint64 count)
{
    return count == 1 ? QStringLiteral(" piece") : QStringLiteral(" pieces");
}

}  // namespace

QString thousands(quint64 n, const QLocale& locale)
{
    if (n == 0)
        return {};
    QLocale grouped = locale;
    grouped.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return grouped.toString(qulonglong(n));
}

QString combineSummary(quint64 pieceCount, qint64 firstPieceLength, quint64 totalSize,
                       const QLocale& locale)
{
    const QString each = firstPieceLength >= 0
        ? thousands(quint64(firstPieceLength), locale) + QStringLiteral(" bytes each -- ")
        : QString();
    return QString::number(pieceCount) + piecesAfter(qint64(pieceCount)) + QStringLiteral(" -- ")
        + each + thousands(totalSize, locale) + QStringLiteral(" bytes total");
}

QString splitSummary(qint64 pieces, double splitSize)
{
    return QString::number(pieces) + piecesAfter(pieces) + QStringLiteral(" -- ")
        + QString::number(splitSize, 'g', 15) + QStringLiteral(" bytes each");
}

QString splitOptionsSummary(qint64 pieces, double splitSize)
{
    return QString::number(pieces) + piecesAfter(pieces) + QStringLiteral(", ")
        + QString::number(splitSize, 'g', 15) + QStringLiteral(" bytes each.");
}

QString splitByText(const Settings& settings, const QLocale& locale)
{
    if (splitsByCount(settings)) {
        return QStringLiteral("Each file is cut into ") + QString::number(settings.SplitPieces)
            + QStringLiteral(" pieces of its own size: the last may be smaller, and a very "
                             "small file gives fewer pieces (never more).");
    }
    return QStringLiteral("Each file is cut into pieces of ")
        + thousands(quint64(wholePartSize(settings.SplitSize)), locale) + QStringLiteral(" bytes.");
}

QString splitFileGoneText(const QString& name)
{
    return name + QStringLiteral(" -- file not found");
}

QString filesSelected(qsizetype count)
{
    return QString::number(count) + QStringLiteral(" files selected.");
}

QString quotedList(const QStringList& names)
{
    QString text;
    for (const QString& name : names)
        text += QLatin1Char('"') + name + QStringLiteral("\" ");
    return text.trimmed();
}

QString appendFileSummary(const QString& name, qint64 length)
{
    return name + QStringLiteral(" -- ") + QString::number(length) + QStringLiteral(" bytes");
}

QString saveInText(const QString& dir)
{
    return QStringLiteral("Save in directory: ") + dir;
}

}  // namespace tsl
