// A set of five 1000-byte pieces of clip.mpg and the lines of its checksum
// file, for the tests of Combine's check and of tsl-cli verify.
#pragma once

#include "core/sha256.h"
#include "pieces/sha256_sidecar.h"
#include "support/temp_files.h"

namespace tsl::test {

inline QString pieceName(int i)
{
    return "clip.mpg.00" + QString::number(i);
}

// A line for each piece, then one for the joined file.
inline QList<DigestLine> setLines(const QByteArray& data)
{
    QList<DigestLine> lines;
    for (int i = 1; i <= 5; ++i)
        lines.append({Sha256::of(data.mid((i - 1) * 1000, 1000)), pieceName(i)});
    lines.append({Sha256::of(data), QStringLiteral("clip.mpg")});
    return lines;
}

inline void flipByte(const TempFolder& t, const QString& name, qint64 at)
{
    QByteArray bytes = t.read(name);
    bytes[at] = char(bytes[at] ^ 0x01);
    t.write(name, bytes);
}

}  // namespace tsl::test
