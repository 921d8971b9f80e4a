// The lists of missing and extra pieces shown in the parts report, and the
// report messages built around them. A run of three or more numbers shows as
// "first - last", shorter runs as single numbers: 2 - 5, 9, 12, 13.
#pragma once

#include "combine/part_table.h"

#include <QString>

namespace tsl {

// The absent pieces among 1..expected. With the letter scheme each number
// carries its extension: 1000 (aja) - 1003 (ajd).
QString missingPartsList(const PartTable& table, qint64 expected, bool letterScheme);

// The present pieces among expected+1..highPart.
QString extraPartsList(const PartTable& table, qint64 expected, qint64 highPart);

// "clip.mpg is missing the following parts:" ... "Do you want to combine the
// existing parts?"
QString missingPartsMessage(const QString& base, qint64 missingCount, const QString& list);

// "The following extra parts to clip.mpg were found:" ... "Do you want to
// combine these also?"
QString extraPartsMessage(const QString& base, qint64 extraCount, const QString& list);

}  // namespace tsl
