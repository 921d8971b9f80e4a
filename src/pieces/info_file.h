// The info file (name.000): a small binary record of a split file's size,
// time stamps, attributes, piece count and piece size, written beside the
// pieces and read back by Combine, the listing and start-up.
//
// Layout, little-endian, N the name length: N (1 byte), name (N bytes),
// creation, last write, last access (4 bytes each, seconds since 1970 UTC),
// total size (4), attributes (1), reserved zero (4), piece count (4), piece
// size (4) -- 30 + N bytes. A file of 4 GiB or more stores its size modulo
// 2^32 there and its whole size as 8 more bytes at 30 + N (38 + N in all);
// a piece size of 4 GiB or more is stored the same way, its whole value as 8
// more bytes at 38 + N (46 + N in all).
#pragma once

#include "core/run_error.h"

#include <QDateTime>
#include <QString>
#include <optional>

namespace tsl {

class Host;

struct InfoRecord {
    QDateTime InfoCreationTime;
    QDateTime InfoLastWriteTime;
    QDateTime InfoLastAccessTime;
    quint64 InfoTotalSize = 0;
    qint16 InfoAttributes = 0;
    quint64 InfoPieceCount = 0;
    quint64 InfoPieceSize = 0;
    bool InfoHasPieceSize = false;
};

// Results of ParseMS000.
namespace info {
constexpr qint16 Read = 0;     // the record holds this file's values
constexpr qint16 Damaged = 1;  // listing only: damaged, nothing asked
constexpr qint16 Skip = 3;     // skip the set (Abort, or missing in a listing)
constexpr qint16 Ignore = 5;   // combine without the file's values
constexpr qint16 Quit = -1;    // a run-time error answered No: end the program
}  // namespace info

// The bytes of the info file for a source with the given facts.
QByteArray infoFileBytes(const QString& storedName, const QDateTime& creation,
                         const QDateTime& lastWrite, const QDateTime& lastAccess, quint64 totalSize,
                         int attributes, quint64 pieceCount, quint64 pieceSize);

// The bytes of the info file of sourcePath; nullopt when it cannot be read.
std::optional<QByteArray> infoFileFor(const QString& sourcePath, quint64 pieceCount,
                                      quint64 pieceSize);

// Writes the info file of sourcePath to infoPath (truncating an existing one).
RunError writeInfoFile(const QString& sourcePath, const QString& infoPath, quint64 pieceCount,
                       quint64 pieceSize);

// The record the bytes of an info file hold, or nullopt when they are
// damaged: too short for the name or the fixed fields, or counting more
// pieces than can be named (MaxPieceNumber).
std::optional<InfoRecord> decodeInfoFile(const QByteArray& bytes);

// The record of the info file at path; nullopt when it cannot be read or is
// damaged. Asks nothing (a split looking at an earlier set).
std::optional<InfoRecord> readInfoQuietly(const QString& path);

// Reads the info file at path into record (left as it was unless the result is
// info::Read). listing: called from a directory listing, which tests for the
// file first and never asks about damage. A file too short for its fields, or
// one counting more pieces than can be named (MaxPieceNumber), is damaged.
qint16 ParseMS000(const QString& path, bool listing, InfoRecord& record, Host& host);

}  // namespace tsl
