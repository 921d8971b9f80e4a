// Fuzz target: the info-file reader. Any bytes must decode or be refused as
// damaged without a crash or undefined behaviour; a record that decodes
// must survive being written by the writer and read back.
#include "pieces/info_file.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto read = tsl::decodeInfoFile(bytes);
    if (!read)
        return 0;
    const QByteArray again =
        tsl::infoFileBytes(QStringLiteral("NAME"), read->InfoCreationTime, read->InfoLastWriteTime,
                           read->InfoLastAccessTime, read->InfoTotalSize, read->InfoAttributes,
                           read->InfoPieceCount, read->InfoPieceSize);
    const auto back = tsl::decodeInfoFile(again);
    if (!back || back->InfoTotalSize != read->InfoTotalSize
        || back->InfoPieceCount != read->InfoPieceCount
        || back->InfoAttributes != read->InfoAttributes
        || back->InfoLastWriteTime != read->InfoLastWriteTime
        || back->InfoPieceSize != read->InfoPieceSize)
        std::abort();
    return 0;
}
