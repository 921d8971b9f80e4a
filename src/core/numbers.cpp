#include "core/numbers.h"

#include <QRegularExpression>
#include <cmath>

namespace tsl {

double leadingNumber(const QString& text)
{
    static const QRegularExpression number(
        QStringLiteral("^[ \\t]*([+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?)"));
    const QRegularExpressionMatch m = number.match(text);
    if (!m.hasMatch())
        return 0;
    bool ok = false;
    const double value = m.captured(1).toDouble(&ok);  // C locale: "." separator
    return ok ? value : 0;
}

qint64 roundHalfEven(double value)
{
    return qint64(std::nearbyint(value));  // the default rounding mode is to-nearest-even
}

}  // namespace tsl
