// tsl-cli info: what an info file records.
#include "cli/cli_common.h"
#include "cli/commands.h"
#include "core/file_facts.h"
#include "core/texts.h"
#include "pieces/info_file.h"

#include <QFileInfo>
#include <cstdio>

namespace tsl::cli {

namespace {

QString utc(const QDateTime& t)
{
    return t.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) + QStringLiteral(" UTC");
}

QString attributeNames(int bits)
{
    QStringList names;
    if (bits & attr::ReadOnly)
        names << CliText::tr("read-only");
    if (bits & attr::Hidden)
        names << CliText::tr("hidden");
    if (bits & attr::System)
        names << CliText::tr("system");
    if (bits & attr::Archive)
        names << CliText::tr("archive");
    if (names.isEmpty())
        return QString::number(bits);
    //: %1 the attribute bits as a number, %2 their names ("read-only, archive")
    return CliText::tr("%1 (%2)").arg(QString::number(bits), names.join(QStringLiteral(", ")));
}

}  // namespace

int infoCommand(const QStringList& args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        CliText::tr("Shows what the info file of a split file records: piece count, piece size,\n"
                    "total size, the three time stamps (UTC) and the attributes."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("FILE.000"), CliText::tr("The info file."));
    if (!parseArguments(parser, args))
        return exitcode::Usage;
    if (parser.positionalArguments().size() != 1)
        return usageError(parser, CliText::tr("Name exactly one info file."));
    const QString path = QFileInfo(parser.positionalArguments().first()).absoluteFilePath();
    const QString problem = fileArgumentProblem(parser.positionalArguments().first());
    if (!problem.isEmpty())
        return usageError(parser, problem);

    TerminalHost host({});
    loadSettings(host);  // every command loads them, for the directory check
    InfoRecord record;
    const qint16 result = ParseMS000(path, true, record, host);
    if (result == info::Damaged) {
        host.printLine(CliText::tr("%1: (Bad .000 file)").arg(path));
        return exitcode::Partial;
    }
    if (result != info::Read)
        return exitcode::Partial;
    QString out;
    out += CliText::tr("File:          %1\n").arg(path);
    out += CliText::tr("Pieces:        %1\n").arg(record.InfoPieceCount);
    if (record.InfoHasPieceSize)
        out += CliText::tr("Piece size:    %1\n").arg(record.InfoPieceSize);
    out += CliText::tr("Total size:    %1\n").arg(record.InfoTotalSize);
    out += CliText::tr("Created:       %1\n").arg(utc(record.InfoCreationTime));
    out += CliText::tr("Last written:  %1\n").arg(utc(record.InfoLastWriteTime));
    out += CliText::tr("Last accessed: %1\n").arg(utc(record.InfoLastAccessTime));
    out += CliText::tr("Attributes:    %1\n").arg(attributeNames(record.InfoAttributes));
    std::fputs(out.toLocal8Bit().constData(), stdout);
    return exitcode::Done;
}

}  // namespace tsl::cli
