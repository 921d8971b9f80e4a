#include "combine/ext_repair.h"

#include <QFile>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <unistd.h>

namespace tsl {

namespace {

struct Rule {
    const char* ending;  // compared without regard to case
    const char* replacement;
};

// For names whose extension lost its separator: clipmpg, platform.
constexpr Rule JoinedRules[] = {
    {"MPEG", ".mpg"}, {"RM", ".rm"},   {"MPG", ".mpg"},
    {"MPE", ".mpg"},  {"AVI", ".avi"}, {"MOV", ".mov"},
};

// For names whose separator became "_": clip_mpg.
constexpr Rule UnderscoreRules[] = {
    {"_MPG", ".mpg"}, {"_MPE", ".mpg"}, {"_MPEG", ".mpg"},
    {"_AVI", ".avi"}, {"_MOV", ".mov"}, {"_RM", ".rm"},
};

bool isSeparator(QChar c)
{
    return c == QLatin1Char('.') || c == QLatin1Char('_');
}

// Applies the first rule whose ending n has; nullopt when none.
template <size_t N>
std::optional<QString> firstRule(const QString& n, const Rule (&rules)[N], bool joinedOnly)
{
    for (const Rule& rule : rules) {
        const QLatin1String ending(rule.ending);
        if (!n.endsWith(ending, Qt::CaseInsensitive))
            continue;
        const qsizetype cut = n.size() - ending.size();
        // A two-letter extension keeps its separator right before it, which
        // the three-character window does not see: film.rm is already sound.
        if (joinedOnly && cut > 0 && isSeparator(n[cut - 1]))
            return std::nullopt;
        return n.left(cut) + QLatin1String(rule.replacement);
    }
    return std::nullopt;
}

}  // namespace

QString repairedExtension(const QString& n)
{
    QString name = n;
    // The window of three characters where a three-letter extension's
    // separator would stand; names too short to have it are left to the
    // "_" rules.
    if (name.size() >= 6) {
        const QString window = name.mid(name.size() - 6, 3);
        if (!window.contains(QLatin1Char('.')) && !window.contains(QLatin1Char('_'))) {
            if (const auto repaired = firstRule(name, JoinedRules, true))
                name = *repaired;
        }
    }
    if (const auto repaired = firstRule(name, UnderscoreRules, false))
        name = *repaired;
    return name;
}

}  // namespace tsl
