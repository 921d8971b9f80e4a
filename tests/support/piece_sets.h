// Piece sets on disk for Combine tests, written the way a split writes them:
// name.001, name.002, ... (the letter scheme above 999 pieces) and, when
// asked, the info file name.000 and a batch file name.bat.
#pragma once

#include "support/temp_files.h"

#include <QDateTime>

namespace tsl::test {

struct PieceSetLayout {
    QString name = QStringLiteral("clip.mpg");  // the whole file's name
    qint64 size = 0;                            // the whole file's size
    qint64 pieceSize = 0;
    int seed = 1;
    bool info = true;  // write name.000
    bool batch = false;
    int attributes = 32;
    QDateTime lastWrite = QDateTime(QDate(1999, 12, 31), QTime(23, 59, 59), Qt::UTC);
    QDateTime lastAccess = QDateTime(QDate(2001, 2, 3), QTime(4, 5, 6), Qt::UTC);
    QString pieceStem = {};  // the pieces' name before ".NNN" when not `name`
};

// Writes the set into folder; returns the whole file's bytes.
QByteArray writePieceSet(const TempFolder& folder, const PieceSetLayout& layout);

// Writes an info file for a file of the given facts.
void writeInfo(const TempFolder& folder, const QString& infoName, quint64 totalSize,
               quint64 pieceCount, quint64 pieceSize, int attributes = 32,
               const QDateTime& lastWrite = QDateTime::currentDateTimeUtc(),
               const QDateTime& lastAccess = QDateTime::currentDateTimeUtc());

}  // namespace tsl::test
