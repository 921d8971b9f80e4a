// Helpers that build a message from whole translated texts, so that a
// translator always sees a complete sentence or clause.
#pragma once

#include "core/texts.h"

#include <QStringList>

namespace tsl {

// A message laid out over several lines as the dialogs show it: translated as
// one text with "\n" between its lines, shown with CrLf. Apply it before
// .arg(), so that a line break in a file name stays as it is.
inline QString withCrLf(QString text)
{
    return text.replace(QLatin1Char('\n'), CrLf);
}

// A count of what was done followed by what was not: "1 of 3 files split,
// 1 skipped, 1 failed" (done alone when all was).
inline QString withNotDone(const QString& done, int skipped, int failed)
{
    QStringList clauses{done};
    if (skipped > 0)
        clauses << FileText::tr("%n skipped", nullptr, skipped);
    if (failed > 0)
        clauses << FileText::tr("%n failed", nullptr, failed);
    return clauses.join(QStringLiteral(", "));
}

}  // namespace tsl
