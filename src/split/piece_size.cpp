#include "split/piece_size.h"

#include "pieces/part_names.h"
#include "settings/load_reg.h"

namespace tsl {

qint64 splitPieceSize(const Settings& settings, qint64 length)
{
    if (splitsByCount(settings))
        return pieceSizeForCount(length, settings.SplitPieces);
    return wholePartSize(settings.SplitSize);
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
    return name + QStringLiteral(" will not be split into ") + QString::number(settings.SplitPieces)
        + QStringLiteral(" pieces because each would hold ") + QString::number(size)
        + (small ? QStringLiteral(" bytes, less than the smallest part size (")
                 : QStringLiteral(" bytes, more than the largest part size ("))
        + QString::number(qint64(small ? range.low : range.high)) + QStringLiteral(" bytes).");
}

}  // namespace tsl
