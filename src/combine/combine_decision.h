// The decision word of a set: the MissingParts setting plus the flags the
// report answers add, and how far the set is combined because of them.
#pragma once

#include "combine/part_table.h"
#include "core/host.h"

namespace tsl {

// Bits of the decision word; 1 is the MissingParts value "ask".
constexpr int CombineExisting = 2;
constexpr int CombineToFirstGap = 4;
constexpr int IncludeExtra = 8;
constexpr int ExcludeExtra = 16;
constexpr int IncludeWrongSize = 32;
constexpr int ExcludeWrongSize = 64;

// The flag a Combine or Exclude answer adds in a report of `mode`; 0 for
// Skip and Cancel.
int decisionFlag(ReportMode mode, ReportAnswer answer);

struct SetDecision {
    bool combine = false;  // false: skip the set
    qint64 count = 0;      // pieces 1..count are combined
    int flags = 0;         // the final decision word
};

// Decides a set after its reports: flags is the word so far, expected the
// expected piece count, extraParts the ExtraParts setting.
SetDecision decideSet(const PartTable& table, int flags, qint64 expected, qint64 missingCount,
                      qint64 extraCount, int extraParts);

}  // namespace tsl
