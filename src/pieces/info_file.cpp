#include "pieces/info_file.h"

#include "core/file_facts.h"
#include "core/file_handle.h"
#include "core/file_utils.h"
#include "core/host.h"
#include "core/texts.h"
#include "pieces/part_names.h"
#include "pieces/short_name.h"

#include <QtEndian>
#include <limits>
#include <optional>

namespace tsl {

namespace {

constexpr qint64 FixedFields = 29;  // everything after the name but the piece size
constexpr quint64 Max32 = std::numeric_limits<quint32>::max();
// The longest info file: name, fixed fields, piece size, whole total size and
// whole piece size.
constexpr qint64 LongestInfo = 1 + 255 + FixedFields + 4 + 8 + 8;

void put64(QByteArray& out, quint64 value)
{
    char bytes[8];
    qToLittleEndian(value, bytes);
    out.append(bytes, 8);
}

void put32(QByteArray& out, quint64 value)
{
    char bytes[4];
    qToLittleEndian(quint32(value & Max32), bytes);
    out.append(bytes, 4);
}

// Seconds since 1970 of a stored time stamp. One before 1970 (a file system
// that keeps none) becomes the local wall clock, read as if it were UTC.
quint64 storedSeconds(const QDateTime& time)
{
    qint64 seconds = time.isValid() ? time.toSecsSinceEpoch() : -1;
    if (seconds < 0) {
        const QDateTime local = QDateTime::currentDateTime();
        seconds = QDateTime(local.date(), local.time(), Qt::UTC).toSecsSinceEpoch();
    }
    return quint64(qMin<qint64>(seconds, qint64(Max32)));
}

quint32 get32(const QByteArray& bytes, qint64 at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

QDateTime fromSeconds(quint32 seconds)
{
    return QDateTime::fromSecsSinceEpoch(qint64(seconds), Qt::UTC);
}

QString damagedText(const QString& path)
{
    return path + CrLf2 + CombineText::tr("This .000 file is probably messed up.") + CrLf
        + CombineText::tr("Click the Retry button to try to read the file again.") + CrLf
        + CombineText::tr("Click the Ignore button if you want to combine files anyway.") + CrLf
        + CombineText::tr("Click the Abort button to skip this file set.");
}

}  // namespace

QByteArray infoFileBytes(const QString& storedName, const QDateTime& creation,
                         const QDateTime& lastWrite, const QDateTime& lastAccess, quint64 totalSize,
                         int attributes, quint64 pieceCount, quint64 pieceSize)
{
    const QByteArray name = storedName.toLatin1().left(255);
    QByteArray out;
    out.append(char(name.size()));
    out.append(name);
    put32(out, storedSeconds(creation));
    put32(out, storedSeconds(lastWrite));
    put32(out, storedSeconds(lastAccess));
    put32(out, totalSize);
    out.append(char(attributes & 0xFF));
    put32(out, 0);
    put32(out, pieceCount);
    put32(out, pieceSize);
    // A piece of 4 GiB or more belongs to a file of 8 GiB or more, whose
    // whole size follows anyway; its whole piece size comes after that.
    if (totalSize > Max32 || pieceSize > Max32)
        put64(out, totalSize);
    if (pieceSize > Max32)
        put64(out, pieceSize);
    return out;
}

std::optional<QByteArray> infoFileFor(const QString& sourcePath, quint64 pieceCount,
                                      quint64 pieceSize)
{
    const FileFacts facts = readFileFacts(sourcePath);
    if (!facts.exists)
        return std::nullopt;
    return infoFileBytes(shortName(sourcePath), facts.creationTime, facts.lastWriteTime,
                         facts.lastAccessTime, quint64(facts.size), facts.attributes, pieceCount,
                         pieceSize);
}

RunError writeInfoFile(const QString& sourcePath, const QString& infoPath, quint64 pieceCount,
                       quint64 pieceSize)
{
    const auto bytes = infoFileFor(sourcePath, pieceCount, pieceSize);
    if (!bytes)
        return RunError::of(err::FileNotFound, sourcePath, FileOp::Read);
    return writeWholeFile(infoPath, *bytes);
}

std::optional<InfoRecord> decodeInfoFile(const QByteArray& bytes)
{
    const qint64 got = bytes.size();
    const qint64 n = bytes.isEmpty() ? 0 : quint8(bytes[0]);
    // Too short for its name or for the fixed fields, or counting more
    // pieces than piece names exist for: damaged.
    if (bytes.isEmpty() || n > got || got < 1 + n + FixedFields - 4
        || get32(bytes, 1 + n + 21) > quint64(MaxPieceNumber))
        return std::nullopt;
    const qint64 at = 1 + n;
    InfoRecord read;
    read.InfoCreationTime = fromSeconds(get32(bytes, at));
    read.InfoLastWriteTime = fromSeconds(get32(bytes, at + 4));
    read.InfoLastAccessTime = fromSeconds(get32(bytes, at + 8));
    read.InfoTotalSize = get32(bytes, at + 12);
    read.InfoAttributes = qint16(quint8(bytes[at + 16]));
    read.InfoPieceCount = get32(bytes, at + 21);
    read.InfoHasPieceSize = got >= at + 27;
    if (read.InfoHasPieceSize) {
        // Two bytes after the count already count as a piece size; missing
        // bytes of a short field read as zero.
        QByteArray field = bytes.mid(at + 25, 4);
        while (field.size() < 4)
            field.append('\0');
        read.InfoPieceSize = get32(field, 0);
    }
    if (got >= at + 37)
        read.InfoTotalSize = qFromLittleEndian<quint64>(bytes.constData() + at + 29);
    if (got >= at + 45)
        read.InfoPieceSize = qFromLittleEndian<quint64>(bytes.constData() + at + 37);
    return read;
}

std::optional<InfoRecord> readInfoQuietly(const QString& path)
{
    FileHandle file;
    if (file.open(path, FileHandle::Mode::Read).failed())
        return std::nullopt;
    QByteArray bytes(LongestInfo, '\0');
    qint64 got = 0;
    if (file.readAt(0, bytes.data(), bytes.size(), &got).failed())
        return std::nullopt;
    bytes.truncate(got);
    return decodeInfoFile(bytes);
}

qint16 ParseMS000(const QString& path, bool listing, InfoRecord& record, Host& host)
{
    const QString procedure = QStringLiteral("modSplit.ParseMS000");
    if (listing && !isOrdinaryFile(path)) {
        host.ask(Ask::Notice,
                 path + CrLf2
                     + CombineText::tr("This file is missing, so the file set will be skipped."),
                 Buttons::Ok, Icon::Information, Answer::Ok);
        return info::Skip;
    }
    for (;;) {
        FileHandle file;
        RunError e = file.open(path, FileHandle::Mode::Read);
        qint64 length = 0;
        if (!e.failed())
            e = file.size(&length);
        QByteArray bytes(qMin<qint64>(length, LongestInfo), '\0');
        qint64 got = 0;
        if (!e.failed())
            e = file.readAt(0, bytes.data(), bytes.size(), &got);
        if (e.failed()) {
            // Continuing without the file's values is all that is left to do.
            return askToContinue(host, e, procedure) ? info::Ignore : info::Quit;
        }
        bytes.truncate(got);
        const std::optional<InfoRecord> read = decodeInfoFile(bytes);
        if (!read) {
            if (listing)
                return info::Damaged;
            const Answer a = host.ask(Ask::DamagedInfo, damagedText(path),
                                      Buttons::AbortRetryIgnore, Icon::Critical, Answer::Ignore);
            if (a == Answer::Retry)
                continue;
            return a == Answer::Abort ? info::Skip : info::Ignore;
        }
        record = *read;
        return info::Read;
    }
}

}  // namespace tsl
