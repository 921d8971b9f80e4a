#include "combine/piece_search.h"
#include "core/file_system.h"
#include "core/texts.h"

#include "core/file_utils.h"
#include "core/host.h"
#include "pieces/part_names.h"

#include <QFileInfo>

namespace tsl {

SetNames setNames(const QString& dir, const QString& entry)
{
    SetNames names;
    names.dir = dir;
    names.base = StripExt(entry);
    names.stem = StripExt(names.base);
    names.ext = names.base.mid(names.stem.size());
    if (names.ext.startsWith(QLatin1Char('.')))
        names.ext.remove(0, 1);
    return names;
}

QStringList pieceCandidates(const SetNames& names, qint64 i, const SearchRule& rule)
{
    QStringList paths;
    const auto add = [&paths](const QString& path) {
        if (!paths.contains(path))
            paths << path;
    };
    for (const bool letters : {rule.letterScheme, !rule.letterScheme}) {
        const QString dotExt = QLatin1Char('.') + PartExt(i, letters);
        add(names.dir + names.base + dotExt);
        if (rule.underPeriod) {
            add(names.dir + names.stem + QLatin1Char('_') + names.ext + dotExt);
            add(names.dir + names.stem + QLatin1Char('.') + names.ext + dotExt);
        }
    }
    return paths;
}

namespace {

QString searchCaption(qint64 i, qint64 from, qint64 to, bool extra)
{
    // Extra pieces count from the first number past the expected ones.
    const qint64 done = extra ? i - from + 1 : i;
    const qint64 all = extra ? to - from + 1 : to;
    const QString what = extra ? CombineText::tr("Searching for extra part %1 - %2% complete")
                               : CombineText::tr("Searching for part %1 - %2% complete");
    return what.arg(QString::number(i), QString::number(done * 100 / all));
}

// The set's batch file (base.bat) carries the letter name of piece 1505. It is
// taken as that piece only when piece 1504 was found under its letter name
// too; otherwise a set of a few pieces, searched up to a high HighPart, would
// take its own batch file for a piece and join it into the output.
bool isTheBatchFile(const PartTable& table, const SetNames& names, const QString& path, qint64 i)
{
    if (path != names.dir + names.base + QStringLiteral(".bat"))
        return false;
    const bool letterRunBefore =
        table.present(i - 1) && table[i - 1].Path.endsWith(QLatin1Char('.') + PartExt(i - 1, true));
    return !letterRunBefore;
}

// Once piece 1 is found, its name tells the scheme the set is written in, and
// later pieces are taken only under names of that scheme: every name ending in
// three letters is some letter-scheme number (clip.mpg.aac is piece 759), so a
// set of digit-named pieces would otherwise take in unrelated files beside it.
bool schemeMismatch(const PartTable& table, const QString& path, qint64 i)
{
    if (i < 2 || !table.present(1))
        return false;
    const bool setUsesLetters = table[1].Path.endsWith(QLatin1Char('.') + PartExt(1, true));
    const bool pathIsLetterName = path.endsWith(QLatin1Char('.') + PartExt(i, true));
    return setUsesLetters != pathIsLetterName;
}

}  // namespace

QString findPiece(const PartTable& table, const SetNames& names, const SearchRule& rule, qint64 i)
{
    for (const QString& path : pieceCandidates(names, i, rule)) {
        if (schemeMismatch(table, path, i) || isTheBatchFile(table, names, path, i))
            continue;
        // Each name is tested as it stands: a "?" or "*" in a set's name is
        // part of the name, never a wildcard that takes in other files.
        if (isOrdinaryFile(path))
            return path;
    }
    return {};
}

qint64 searchPieces(Host& host, PartTable& table, const SetNames& names, const SearchRule& rule,
                    qint64 from, qint64 to, bool extra)
{
    qint64 found = 0;
    for (qint64 i = from; i <= to; ++i) {
        const QString path = findPiece(table, names, rule, i);
        if (!path.isEmpty()) {
            PartRecord& record = table[i];
            record.Present = true;
            record.Path = path;
            record.Size = pathFacts(path).size;
            ++found;
        }
        host.progress(Panel::Combine, Line::Part, searchCaption(i, from, to, extra), double(i),
                      double(to));
    }
    return found;
}

}  // namespace tsl
