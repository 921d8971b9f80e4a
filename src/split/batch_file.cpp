#include "split/batch_file.h"

#include "core/file_handle.h"
#include "core/texts.h"
#include "pieces/part_names.h"

namespace tsl {

namespace {

QString doublePercent(QString text)
{
    return text.replace(QLatin1Char('%'), QStringLiteral("%%"));
}

// A name standing outside quotes: special characters escaped, "%" doubled.
QString bare(const QString& text)
{
    QString out;
    for (QChar c : text) {
        if (QStringLiteral("^&|<>()").contains(c))
            out += QLatin1Char('^');
        out += c;
    }
    return doublePercent(out);
}

}  // namespace

QStringList batchFileLines(const BatchFileInput& in)
{
    const bool letters = usesLetterScheme(in.pieceCount);
    const QString q = in.shortNames ? QString() : QStringLiteral("\"");
    const QString x = in.shortNames ? in.longName.right(4) : QString();
    // Inside quotes only "%" matters; the unquoted 8.3 form needs the escapes too.
    const QString base = in.shortNames ? bare(in.base) : doublePercent(in.base);
    const QString target = q + base + (in.shortNames ? bare(x) : QString()) + q;
    const QString n = QString::number(in.pieceCount);

    QStringList lines;
    lines << QStringLiteral("@Echo Off") << QStringLiteral("Echo.")
          << QStringLiteral("Echo Creating ") + bare(in.longName) + QStringLiteral(" from the ") + n
            + QStringLiteral(" original pieces.")
          << QStringLiteral("Echo.") << QStringLiteral("Echo This may take a while...")
          << QStringLiteral("Copy /b ") + q + base + QLatin1Char('.') + PartExt(1, letters) + q
            + QLatin1Char(' ') + target + QStringLiteral(" /y > nul");
    for (qint64 i = 2; i <= in.pieceCount; ++i) {
        lines << QStringLiteral("Copy /b ") + target + QStringLiteral(" + ") + q + base
                + QLatin1Char('.') + PartExt(i, letters) + q + QStringLiteral(" /y > nul");
        if ((i + 1) % 10 == 0 && i < in.pieceCount) {
            const qint64 h = in.pieceCount - i >= 10 ? i + 10 : in.pieceCount;
            lines << QStringLiteral("Echo Copying parts %1 - %2...").arg(i + 1).arg(h);
        }
    }
    lines << QStringLiteral("Echo.")
          << QStringLiteral("Echo File creation is complete - ") + bare(in.longName);
    for (int i = 0; i < 5; ++i)
        lines << QStringLiteral("Echo.");
    return lines;
}

QByteArray batchFileBytes(const BatchFileInput& input)
{
    return (batchFileLines(input).join(CrLf) + CrLf).toUtf8();
}

RunError writeBatchFile(const QString& path, const BatchFileInput& input)
{
    return writeWholeFile(path, batchFileBytes(input));
}

}  // namespace tsl
