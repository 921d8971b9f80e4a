#include "mainwindow/extract_range.h"
#include "core/texts.h"

#include "settings/value_conversion.h"

#include <QRegularExpression>
#include <cmath>

namespace tsl {

namespace {

// The field's number; an overflowing one counts as far above any maximum.
double fieldNumber(const QString& text)
{
    const LeadingNumber n = leadingNumber(text);
    return n.overflow ? 1e300 : n.value;
}

}  // namespace

RangeField clampRangeField(const QString& text, int maximum)
{
    RangeField field{text, 0};
    if (fieldNumber(field.text) > maximum)
        field.text = QString::number(maximum);
    if (fieldNumber(field.text) < 0)
        field.text = QStringLiteral("0");
    const double shown = std::round(fieldNumber(field.text));
    field.barValue = int(qBound(0.0, maximum - shown, double(maximum)));
    return field;
}

QString rangeFieldText(int barValue, int maximum)
{
    return QString::number(maximum - barValue);
}

ExtractRange checkExtractRange(const QString& start, const QString& end, qint64 pieces,
                               const QString& file)
{
    static const QRegularExpression whole(QStringLiteral("^\\d{1,18}$"));
    const QString a = start.trimmed().isEmpty() ? QStringLiteral("0") : start.trimmed();
    const QString b = end.trimmed().isEmpty() ? QStringLiteral("0") : end.trimmed();
    ExtractRange range;
    if (whole.match(a).hasMatch() && whole.match(b).hasMatch()) {
        range.start = a.toLongLong();
        range.end = b.toLongLong();
        const bool normal = range.start == 0 && range.end == 0;
        const auto inside = [pieces](qint64 n) { return n >= 1 && n <= pieces; };
        range.ok = normal || (inside(range.start) && inside(range.end));
    }
    if (!range.ok) {
        range.start = range.end = 0;
        range.message = WindowText::tr("The pieces to extract must be whole numbers from 1 to "
                                       "%1, the pieces of %2. Leave both at 0 to split the whole "
                                       "file.")
                            .arg(QString::number(pieces), file);
    }
    return range;
}

}  // namespace tsl
