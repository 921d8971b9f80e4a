#include "combine/combine_decision.h"

namespace tsl {

int decisionFlag(ReportMode mode, ReportAnswer answer)
{
    const bool include = answer == ReportAnswer::Combine;
    if (!include && answer != ReportAnswer::Exclude)
        return 0;
    switch (mode) {
    case ReportMode::Missing: return include ? CombineExisting : CombineToFirstGap;
    case ReportMode::Extra: return include ? IncludeExtra : ExcludeExtra;
    case ReportMode::Corrupt: return include ? IncludeWrongSize : ExcludeWrongSize;
    }
    return 0;
}

SetDecision decideSet(const PartTable& table, int flags, qint64 expected, qint64 missingCount,
                      qint64 extraCount, int extraParts)
{
    SetDecision d;
    if (missingCount == 0)
        flags |= CombineExisting;
    if (!(flags & CombineToFirstGap) && extraCount > 0 && extraParts == 1)
        flags |= IncludeExtra;
    d.count = LastPresentPart(table, false);
    if (flags & ExcludeExtra)
        d.count = lastPresentUpTo(table, expected);
    if (flags & CombineToFirstGap)
        d.count = LastPresentPart(table, true);
    d.combine = (flags & (CombineExisting | CombineToFirstGap)) != 0;
    d.flags = flags;
    return d;
}

}  // namespace tsl
