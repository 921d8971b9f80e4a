// Parts reports of clip.mpg as Combine words them, for the tests of the
// report's rules, its dialog and its terminal menu.
#pragma once

#include "combine/part_lists.h"
#include "core/host.h"

namespace tsl::test {

// Missing: piece 4; Extra: pieces 5 and 6; Corrupt: pieces 2 and 3.
inline PartsReport sampleReport(ReportMode mode, int set = 1, int setCount = 2,
                                const QString& outDir = QStringLiteral("/nonexistent/"))
{
    PartsReport r{mode, set, setCount, QStringLiteral("clip.mpg"), outDir, {}};
    if (mode == ReportMode::Missing)
        r.message = missingPartsMessage(r.base, 1, QStringLiteral("4"));
    else if (mode == ReportMode::Extra)
        r.message = extraPartsMessage(r.base, 2, QStringLiteral("5, 6"));
    else
        r.message = QStringLiteral("Corrupted Parts:\r\n\r\nPart 2 -- 10 missing bytes\r\n"
                                   "Part 3 -- 7 extra bytes\r\n\r\n"
                                   "These parts of clip.mpg are the wrong size.");
    return r;
}

}  // namespace tsl::test
