// The notice about stored settings that a load's range rules replaced: the
// window reports each such value once rather than use another in silence.
#pragma once

#include "settings/load_reg.h"

#include <QSet>
#include <QString>
#include <QStringList>

namespace tsl {

// One line for each stored value outside its range in outcome, in the order
// of the range rules, e.g. "Chunk size (ChunkSize): 12 is outside 10000 to
// 10000000; 1000000 is used instead." A value replaced only because another
// one was (the unit of a replaced part size) has no line. Values named in
// `reported` ("Key=stored text") are left out; the new ones are added to it.
QStringList replacedValueLines(const LoadOutcome& outcome, QSet<QString>& reported);

// The whole notice for the lines of replacedValueLines.
QString replacedValuesText(const QStringList& lines);

}  // namespace tsl
