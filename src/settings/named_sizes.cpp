#include "settings/named_sizes.h"

#include <QCoreApplication>
#include <QStringList>

namespace tsl {

const std::vector<NamedSize>& namedSizes()
{
    static const std::vector<NamedSize> sizes = {
        {"floppy", 1457664, QT_TRANSLATE_NOOP("Settings", "3.5\" floppy disk")},
        {"email", 25000000, QT_TRANSLATE_NOOP("Settings", "e-mail attachment")},
        {"cd650", 681574400, QT_TRANSLATE_NOOP("Settings", "CD, 650 MB")},
        {"cd700", 734003200, QT_TRANSLATE_NOOP("Settings", "CD, 700 MB")},
        {"fat32", 4294967295, QT_TRANSLATE_NOOP("Settings", "largest file on FAT32")},
        {"dvd", 4697620480, QT_TRANSLATE_NOOP("Settings", "DVD")},
        {"dvd-dl", 8522825728, QT_TRANSLATE_NOOP("Settings", "DVD, dual layer")},
        {"bd", 25025314816, QT_TRANSLATE_NOOP("Settings", "Blu-ray disc, 25 GB")},
    };
    return sizes;
}

std::optional<qint64> namedSize(const QString& text)
{
    const QString name = text.trimmed();
    for (const NamedSize& s : namedSizes()) {
        if (name.compare(QLatin1String(s.name), Qt::CaseInsensitive) == 0)
            return s.bytes;
    }
    return std::nullopt;
}

QString namedSizeList()
{
    QStringList names;
    for (const NamedSize& s : namedSizes())
        names << QLatin1String(s.name);
    return names.join(QStringLiteral(", "));
}

}  // namespace tsl
