#include "combine/part_table.h"

namespace tsl {

void PartTable::reset(qint64 upper)
{
    records_.assign(size_t(qMax<qint64>(upper, 0)), PartRecord{});
}

void PartTable::resize(qint64 upper)
{
    records_.resize(size_t(qMax<qint64>(upper, 0)));
}

qint64 LastPresentPart(const PartTable& table, bool stopAtGap)
{
    qint64 last = 0;
    for (qint64 i = 1; i <= table.upper(); ++i) {
        if (table.present(i))
            last = i;
        else if (stopAtGap)
            break;
    }
    return last;
}

qint64 lastPresentUpTo(const PartTable& table, qint64 limit)
{
    for (qint64 i = qMin(limit, table.upper()); i >= 1; --i) {
        if (table.present(i))
            return i;
    }
    return 0;
}

}  // namespace tsl
