// Line breaks and titles shared by every message the system shows.
#pragma once

#include <QString>

namespace tsl {

inline const QString CrLf = QStringLiteral("\r\n");
inline const QString CrLf2 = QStringLiteral("\r\n\r\n");
inline const QString AppTitle = QStringLiteral("TSL");

// ", 1 skipped, 2 failed" after a count of what was done; empty when all was.
inline QString notDoneCounts(int skipped, int failed)
{
    QString text;
    if (skipped > 0)
        text += QStringLiteral(", %1 skipped").arg(skipped);
    if (failed > 0)
        text += QStringLiteral(", %1 failed").arg(failed);
    return text;
}

}  // namespace tsl
