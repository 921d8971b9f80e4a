#include "pieces/set_digests.h"

#include "pieces/part_names.h"

#include <QDir>

namespace tsl {

namespace {

// The number a piece extension stands for in the scheme it is written in,
// 0 when it is no piece extension: "001" to "999" and, in the digit scheme,
// "1000" to "19682" (extra pieces of a digit set); "00a" to "zzz".
qint64 extensionNumber(const QString& ext)
{
    bool digits = !ext.isEmpty();
    for (QChar c : ext)
        digits = digits && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    const qint64 n = digits ? ext.toLongLong() : LetterPieceNumber(ext);
    if (n < 1 || n > MaxPieceNumber)
        return 0;
    // Exactly the name the scheme gives: "01" and "0001" are no piece names.
    return PartExt(n, !digits) == ext ? n : 0;
}

// The folder of dir as cleanPath writes folders, ending in "/".
QString cleanFolder(const QString& dir)
{
    QString folder = QDir::cleanPath(dir);
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

// The file name of a line's name when it names a file of folder, else empty.
QString fileInFolder(const QString& name, const QString& folder)
{
    const QString full = QDir::cleanPath(QDir::isAbsolutePath(name) ? name : folder + name);
    const qsizetype slash = full.lastIndexOf(QLatin1Char('/'));
    return full.left(slash + 1) == folder ? full.mid(slash + 1) : QString();
}

// base.bat carries the letter name of piece 1505. Its line stands for that
// piece only when the lines name piece 1504 in the letter scheme too, as the
// Combine search decides; otherwise it is the set's batch file.
void setBatchFileAside(SetDigests& digests, const QString& base)
{
    const qint64 batchNumber = LetterPieceNumber(QStringLiteral("bat"));
    const QString batchName = base + QStringLiteral(".bat");
    const QString before = QLatin1Char('.') + PartExt(batchNumber - 1, true);
    bool letterRunBefore = false;
    for (const DigestLine& line : digests.pieces.value(batchNumber - 1))
        letterRunBefore = letterRunBefore || line.name.endsWith(before);
    if (letterRunBefore || !digests.pieces.contains(batchNumber))
        return;
    QList<DigestLine>& lines = digests.pieces[batchNumber];
    digests.otherLines += int(
        lines.removeIf([&batchName](const DigestLine& line) { return line.name == batchName; }));
    if (lines.isEmpty())
        digests.pieces.remove(batchNumber);
}

}  // namespace

qint64 pieceNumberOf(const QString& fileName, const QString& base, bool underPeriod)
{
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return 0;
    const qint64 n = extensionNumber(fileName.mid(dot + 1));
    const QString prefix = fileName.left(dot);
    if (n == 0 || prefix == base)
        return n;
    if (!underPeriod)
        return 0;
    // The other names the search tries: stem_ext and stem.ext.
    const QString stem = StripExt(base);
    QString ext = base.mid(stem.size());
    if (ext.startsWith(QLatin1Char('.')))
        ext.remove(0, 1);
    const bool other =
        prefix == stem + QLatin1Char('_') + ext || prefix == stem + QLatin1Char('.') + ext;
    return other ? n : 0;
}

SetDigests pickSetDigests(const QList<DigestLine>& lines, const QString& dir, const QString& base,
                          bool underPeriod)
{
    SetDigests digests;
    const QString folder = cleanFolder(dir);
    for (const DigestLine& line : lines) {
        const QString name = fileInFolder(line.name, folder);
        const qint64 n = name.isEmpty() ? 0 : pieceNumberOf(name, base, underPeriod);
        if (!name.isEmpty() && name == base)
            digests.whole.append({line.digest, name});
        else if (n > 0)
            digests.pieces[n].append({line.digest, name});
        else
            ++digests.otherLines;
    }
    setBatchFileAside(digests, base);
    return digests;
}

QList<QByteArray> SetDigests::expectedFor(qint64 i, const QString& fileName) const
{
    QList<QByteArray> exact, other;
    for (const DigestLine& line : pieces.value(i))
        (line.name == fileName ? exact : other).append(line.digest);
    return exact.isEmpty() ? other : exact;
}

namespace {

std::optional<bool> matchesAll(const QList<QByteArray>& expected, const QByteArray& digest)
{
    if (expected.isEmpty())
        return std::nullopt;
    return std::all_of(expected.begin(), expected.end(),
                       [&digest](const QByteArray& e) { return e == digest; });
}

}  // namespace

std::optional<bool> SetDigests::checkPiece(qint64 i, const QString& fileName,
                                           const QByteArray& digest) const
{
    return matchesAll(expectedFor(i, fileName), digest);
}

std::optional<bool> SetDigests::checkWhole(const QByteArray& digest) const
{
    QList<QByteArray> expected;
    for (const DigestLine& line : whole)
        expected.append(line.digest);
    return matchesAll(expected, digest);
}

}  // namespace tsl
