// Line breaks and titles shared by every message the system shows.
#pragma once

#include <QString>

namespace tsl {

inline const QString CrLf = QStringLiteral("\r\n");
inline const QString CrLf2 = QStringLiteral("\r\n\r\n");
inline const QString AppTitle = QStringLiteral("TSL");

}  // namespace tsl
