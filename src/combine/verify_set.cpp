#include "combine/verify_set.h"
#include "core/texts.h"

#include "combine/piece_search.h"
#include "core/file_hasher.h"
#include "core/file_utils.h"
#include "core/host.h"
#include "pieces/part_names.h"
#include "pieces/set_digests.h"

#include <QFileInfo>

namespace tsl {

namespace {

const QString SidecarSuffix = QStringLiteral(".sha256");

std::optional<VerifyTarget> targetIn(const QString& dir, const QString& base)
{
    const QString sidecar = dir + sidecarName(base);
    if (base.isEmpty() || !isOrdinaryFile(sidecar))
        return std::nullopt;
    return VerifyTarget{dir, base, sidecar};
}

// Where piece n of the set lies: under a name its lines give, else under any
// name the Combine search tries; empty when nowhere.
QString findListedPiece(const VerifyTarget& target, qint64 n, const QList<DigestLine>& lines,
                        bool underPeriod)
{
    for (const DigestLine& line : lines) {
        if (isOrdinaryFile(target.dir + line.name))
            return line.name;
    }
    const SetNames names = setNames(target.dir, target.base + QStringLiteral(".000"));
    const bool letters =
        !lines.isEmpty() && lines.first().name.endsWith(QLatin1Char('.') + PartExt(n, true));
    for (const QString& path : pieceCandidates(names, n, {letters, underPeriod})) {
        if (isOrdinaryFile(path))
            return QFileInfo(path).fileName();
    }
    return {};
}

// The files to hash, with the verdict each gets when its digest is known.
struct Plan {
    QList<VerifiedFile*> files;
    QStringList paths;
    qint64 bytes = 0;
};

void addToPlan(Plan& plan, const VerifyTarget& target, VerifiedFile* file)
{
    const QString path = target.dir + file->name;
    plan.files.append(file);
    plan.paths.append(path);
    plan.bytes += QFileInfo(path).size();
}

QString checkingCaption(const VerifyTarget& target, int done, int all, qint64 bytes, qint64 total)
{
    const qint64 percent = total > 0 ? bytes * 100 / total : 100;
    return CombineText::tr("Checking %1: %2 of %3 files, %4% complete")
        .arg(target.base)
        .arg(done)
        .arg(all)
        .arg(percent);
}

}  // namespace

std::optional<VerifyTarget> verifyTargetOf(const QString& path)
{
    const QFileInfo info(path);
    const QString dir = withTrailingSlash(info.absolutePath());
    const QString name = info.fileName();
    if (name.endsWith(SidecarSuffix) && name.size() > SidecarSuffix.size())
        return VerifyTarget{dir, name.chopped(SidecarSuffix.size()), info.absoluteFilePath()};
    if (auto target = targetIn(dir, StripExt(name)))
        return target;
    return targetIn(dir, name);
}

int VerifyOutcome::count(FileVerdict verdict) const
{
    return int(std::count_if(pieces.begin(), pieces.end(),
                             [verdict](const VerifiedFile& f) { return f.verdict == verdict; }));
}

bool VerifyOutcome::checkedAny() const
{
    const auto read = [](const VerifiedFile& f) {
        return f.verdict == FileVerdict::Intact || f.verdict == FileVerdict::Damaged;
    };
    return std::any_of(pieces.begin(), pieces.end(), read) || (whole && read(*whole));
}

bool VerifyOutcome::passed() const
{
    if (sidecarError.failed() || cancelled || !checkedAny())
        return false;
    const auto bad = [](const VerifiedFile& f) {
        return f.verdict == FileVerdict::Damaged || f.verdict == FileVerdict::Unreadable;
    };
    if (std::any_of(pieces.begin(), pieces.end(), bad) || (whole && bad(*whole)))
        return false;
    const bool wholeIntact = whole && whole->verdict == FileVerdict::Intact;
    return count(FileVerdict::Missing) == 0 || wholeIntact;
}

VerifyOutcome verifySet(const VerifyTarget& target, const VerifyOptions& options, Host& host)
{
    VerifyOutcome outcome;
    outcome.target = target;
    SidecarContents contents;
    outcome.sidecarError = readSidecar(target.sidecar, &contents);
    if (outcome.sidecarError.failed())
        return outcome;
    const SetDigests digests =
        pickSetDigests(contents.lines, target.dir, target.base, options.underPeriod);
    outcome.malformedLines = contents.malformed;
    outcome.otherLines = digests.otherLines;

    for (auto it = digests.pieces.begin(); it != digests.pieces.end(); ++it) {
        const QString found = findListedPiece(target, it.key(), it.value(), options.underPeriod);
        outcome.pieces.append({found.isEmpty() ? it.value().first().name : found,
                               it.key(),
                               FileVerdict::Missing,
                               {}});
    }
    if (!digests.whole.isEmpty())
        outcome.whole = VerifiedFile{target.base, 0, FileVerdict::Missing, {}};

    Plan plan;
    for (VerifiedFile& piece : outcome.pieces) {
        if (isOrdinaryFile(target.dir + piece.name))
            addToPlan(plan, target, &piece);
    }
    if (outcome.whole && isOrdinaryFile(target.dir + target.base))
        addToPlan(plan, target, &*outcome.whole);

    HashOptions hashing;
    hashing.chunkSize = options.chunkSize;
    hashing.cancel = &host.cancelFlag();
    const int all = int(plan.files.size());
    const QList<FileDigest> results =
        hashFiles(plan.paths, options.jobs, hashing, [&](int done, qint64 bytes) {
            host.progress(Panel::Combine, Line::Part,
                          checkingCaption(target, done, all, bytes, plan.bytes), double(bytes),
                          double(plan.bytes));
        });
    for (qsizetype i = 0; i < results.size(); ++i) {
        VerifiedFile& file = *plan.files[i];
        const FileDigest& result = results[i];
        outcome.cancelled = outcome.cancelled || result.cancelled;
        if (result.cancelled || result.error.failed()) {
            file.verdict = FileVerdict::Unreadable;
            file.error = result.error;
            continue;
        }
        const std::optional<bool> same = file.piece == 0
            ? digests.checkWhole(result.digest)
            : digests.checkPiece(file.piece, file.name, result.digest);
        file.verdict = same.value_or(false) ? FileVerdict::Intact : FileVerdict::Damaged;
    }
    return outcome;
}

}  // namespace tsl
