#include "combine/part_lists.h"

#include "core/texts.h"
#include "pieces/part_names.h"

#include <functional>

namespace tsl {

namespace {

const QString Dash = QStringLiteral(" - ");

// Builds the list over first..last of the numbers for which `listed` holds.
// A listed number shows when it starts or ends a run (or is at either end of
// the range); the second number of a longer run gives " - ", the numbers
// inside it nothing.
QString runList(qint64 first, qint64 last, const std::function<bool(qint64)>& listed,
                const std::function<QString(qint64)>& numberText)
{
    QString list;
    for (qint64 i = first; i <= last; ++i) {
        if (!listed(i))
            continue;
        const bool shown = i == first || i == last || !listed(i + 1) || !listed(i - 1);
        if (!shown) {
            if (i <= first + 1 || !listed(i - 2))
                list += Dash;
            continue;
        }
        const QString token = numberText(i);
        list += list.endsWith(QLatin1String("- ")) ? token : QStringLiteral(", ") + token;
    }
    if (list.startsWith(QLatin1String(", ")))
        list.remove(0, 2);
    return list;
}

}  // namespace

QString missingPartsList(const PartTable& table, qint64 expected, bool letterScheme)
{
    return runList(
        1, expected, [&table](qint64 i) { return !table.present(i); },
        [letterScheme](qint64 i) {
            QString text = QString::number(i);
            if (letterScheme)
                text += QStringLiteral(" (") + PartExt(i, true) + QLatin1Char(')');
            return text;
        });
}

QString extraPartsList(const PartTable& table, qint64 expected, qint64 highPart)
{
    return runList(
        expected + 1, highPart, [&table](qint64 i) { return table.present(i); },
        [](qint64 i) { return QString::number(i); });
}

QString missingPartsMessage(const QString& base, qint64 missingCount, const QString& list)
{
    const QString head = missingCount == 1 ? CombineText::tr("%1 is missing the following part:")
                                           : CombineText::tr("%1 is missing the following parts:");
    return head.arg(base) + CrLf2 + list + CrLf2
        + CombineText::tr("Do you want to combine the existing parts?");
}

QString extraPartsMessage(const QString& base, qint64 extraCount, const QString& list)
{
    const bool one = extraCount == 1;
    return (one ? CombineText::tr("The following extra part to %1 was found:")
                : CombineText::tr("The following extra parts to %1 were found:"))
               .arg(base)
        + CrLf2 + list + CrLf2
        + (one ? CombineText::tr("Do you want to combine this one also?")
               : CombineText::tr("Do you want to combine these also?"));
}

}  // namespace tsl
