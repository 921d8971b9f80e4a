#include "mainwindow/status_text.h"
#include "core/texts.h"

#include "pieces/part_names.h"
#include "split/piece_size.h"

namespace tsl {

namespace {

// "1 piece", "2 pieces".
QString pieces(qint64 count)
{
    return count == 1 ? WindowText::tr("1 piece") : WindowText::tr("%1 pieces").arg(count);
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
    QStringList clauses{pieces(qint64(pieceCount))};
    if (firstPieceLength >= 0)
        clauses
            << WindowText::tr("%1 bytes each").arg(thousands(quint64(firstPieceLength), locale));
    clauses << WindowText::tr("%1 bytes total").arg(thousands(totalSize, locale));
    return clauses.join(QStringLiteral(" -- "));
}

QString splitSummary(qint64 pieces, double splitSize)
{
    return tsl::pieces(pieces) + QStringLiteral(" -- ")
        + WindowText::tr("%1 bytes each").arg(QString::number(splitSize, 'g', 15));
}

QString splitOptionsSummary(qint64 pieces, double splitSize)
{
    // English takes its word by the count, a translation its plural form by %n.
    const int n = int(pieces);
    return (n == 1 ? WindowText::tr("%n piece, %1 bytes each.", nullptr, n)
                   : WindowText::tr("%n pieces, %1 bytes each.", nullptr, n))
        .arg(QString::number(splitSize, 'g', 15));
}

QString splitByText(const Settings& settings, const QLocale& locale)
{
    if (splitsByCount(settings)) {
        return WindowText::tr("Each file is cut into %1 pieces of its own size: the last may be "
                              "smaller, and a very small file gives fewer pieces (never more).")
            .arg(settings.SplitPieces);
    }
    return WindowText::tr("Each file is cut into pieces of %1 bytes.")
        .arg(thousands(quint64(wholePartSize(settings.SplitSize)), locale));
}

QString splitFileGoneText(const QString& name)
{
    return WindowText::tr("%1 -- file not found").arg(name);
}

QString filesSelected(qsizetype count)
{
    return WindowText::tr("%1 files selected.").arg(count);
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
    return WindowText::tr("%1 -- %2 bytes").arg(name, QString::number(length));
}

QString saveInText(const QString& dir)
{
    return WindowText::tr("Save in directory: %1").arg(dir);
}

}  // namespace tsl
