#include "core/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace tsl {

namespace {

// "de_DE.UTF-8@euro" -> "de_DE"; "C.UTF-8" -> "C".
QString bareLanguage(QString entry)
{
    for (const QChar mark : {QLatin1Char('.'), QLatin1Char('@')}) {
        const qsizetype cut = entry.indexOf(mark);
        if (cut >= 0)
            entry.truncate(cut);
    }
    return entry.trimmed();
}

bool isUntranslated(const QString& language)
{
    return language == QLatin1String("C") || language == QLatin1String("POSIX")
        || language == QLatin1String("en") || language.startsWith(QLatin1String("en_"));
}

}  // namespace

QStringList messageLanguages(const QProcessEnvironment& environment)
{
    QStringList languages;
    const QStringList listed =
        environment.value(QStringLiteral("LANGUAGE")).split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString& entry : listed) {
        const QString language = bareLanguage(entry);
        if (!language.isEmpty())
            languages << language;
    }
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = environment.value(QLatin1String(name));
        if (!value.isEmpty()) {
            const QString language = bareLanguage(value);
            if (!language.isEmpty())
                languages << language;
            break;
        }
    }
    return languages;
}

Translations::Translations(const QStringList& languages)
{
    for (const QString& language : languages) {
        if (isUntranslated(language))
            return;
        // "de_AT" takes tsl_de_AT.qm when there is one, else tsl_de.qm.
        const QLocale locale(language);
        if (!tsl_.load(locale, QStringLiteral("tsl"), QStringLiteral("_"),
                       QStringLiteral(":/i18n")))
            continue;
        QCoreApplication::installTranslator(&tsl_);
        language_ = language;
        // Qt's own texts (the buttons of the standard dialogs), when Debian's
        // qt6-translations-l10n is installed.
        qtLoaded_ = qt_.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        if (qtLoaded_)
            QCoreApplication::installTranslator(&qt_);
        return;
    }
}

Translations::~Translations()
{
    if (qtLoaded_)
        QCoreApplication::removeTranslator(&qt_);
    if (!language_.isEmpty())
        QCoreApplication::removeTranslator(&tsl_);
}

}  // namespace tsl
