#include "split/piece_size.h"
#include "core/texts.h"

#include "pieces/part_names.h"
#include "settings/load_reg.h"

namespace tsl {

qint64 splitPieceSize(const Settings& settings, qint64 length)
{
    if (splitsByCount(settings))
        return pieceSizeForCount(length, settings.SplitPieces);
    return wholePartSize(settings.SplitSize);
}

qint64 splitPieceCount(const Settings& settings, qint64 length)
{
    return PieceCount(length, splitPieceSize(settings, length));
}

QString countSizeRefusal(const Settings& settings, const QString& name, qint64 length)
{
    if (!splitsByCount(settings))
        return {};
    const SettingRange& range = *settingRange(QStringLiteral("SplitSize"));
    const qint64 size = pieceSizeForCount(length, settings.SplitPieces);
    const bool small = double(size) < range.low;
    if (!small && double(size) <= range.high)
        return {};
    const QString limit = QString::number(qint64(small ? range.low : range.high));
    return (small ? SplitText::tr("%1 will not be split into %2 pieces because each would hold %3 "
                                  "bytes, less than the smallest part size (%4 bytes).")
                  : SplitText::tr("%1 will not be split into %2 pieces because each would hold %3 "
                                  "bytes, more than the largest part size (%4 bytes)."))
        .arg(name, QString::number(settings.SplitPieces), QString::number(size), limit);
}

}  // namespace tsl
