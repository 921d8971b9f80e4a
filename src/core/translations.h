// The language of the texts a user reads, and the translations that give it.
#pragma once

#include <QProcessEnvironment>
#include <QStringList>
#include <QTranslator>

namespace tsl {

// The languages the environment asks for, most wanted first, as gettext reads
// them: each entry of LANGUAGE (a colon-separated list), then the first of
// LC_ALL, LC_MESSAGES and LANG that is set. "C" and "POSIX" ask for the
// untranslated (English) texts; encodings and modifiers are dropped
// ("de_DE.UTF-8@euro" is "de_DE").
QStringList messageLanguages(const QProcessEnvironment& environment);

// TSL's translation and Qt's own (the standard dialogs' buttons) for the first
// language that has one, installed into the application for as long as the
// object lives. English, "C" and a language without a translation install
// nothing: the source texts are English.
class Translations {
public:
    explicit Translations(const QStringList& languages);
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // The language installed ("de", "de_AT"), empty for English.
    QString language() const { return language_; }

private:
    QTranslator tsl_;
    QTranslator qt_;
    QString language_;
    bool qtLoaded_ = false;
};

}  // namespace tsl
