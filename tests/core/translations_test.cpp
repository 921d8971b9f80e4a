// The language of the texts: read from the environment as gettext reads it,
// German from tsl-cli, English unchanged, the German translation complete.
#include "core/texts.h"
#include "core/translations.h"
#include "support/temp_files.h"

#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace tsl {
namespace {

using test::isolatedEnvironment;
using test::runCli;

QProcessEnvironment environment(std::initializer_list<std::pair<const char*, const char*>> vars)
{
    QProcessEnvironment env(QProcessEnvironment::InheritFromParent);
    env.clear();
    for (const auto& [name, value] : vars)
        env.insert(QString::fromLatin1(name), QString::fromLatin1(value));
    return env;
}

TEST(MessageLanguages, FollowLanguageThenLcAllLcMessagesLang)
{
    struct Case {
        QProcessEnvironment env;
        QStringList languages;
    };
    const Case cases[] = {
        {environment({}), {}},
        {environment({{"LANG", "de_DE.UTF-8"}}), {"de_DE"}},
        {environment({{"LANG", "C.UTF-8"}}), {"C"}},
        {environment({{"LC_MESSAGES", "fr_FR"}, {"LANG", "de_DE.UTF-8"}}), {"fr_FR"}},
        {environment({{"LC_ALL", "de_AT.UTF-8@euro"}, {"LC_MESSAGES", "fr_FR"}}), {"de_AT"}},
        {environment({{"LANGUAGE", "de:fr"}, {"LC_ALL", "C"}}), {"de", "fr", "C"}},
        {environment({{"LANGUAGE", ":en_GB::"}, {"LANG", "de_DE"}}), {"en_GB", "de_DE"}},
        {environment({{"LANGUAGE", ""}, {"LANG", ""}}), {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(messageLanguages(c.env), c.languages)
            << c.env.toStringList().join(' ').toStdString();
}

TEST(Translations, FirstLanguageWithATranslationIsInstalled)
{
    {
        const Translations german({"xx", "de_CH"});
        EXPECT_EQ(german.language(), "de_CH");
        EXPECT_EQ(FileText::tr("Disk full"), "Datenträger voll");
    }
    EXPECT_EQ(FileText::tr("Disk full"), "Disk full");
    // English and "C" stop the search: the source texts are English.
    const Translations english({"en_US", "de"});
    EXPECT_EQ(english.language(), "");
    EXPECT_EQ(FileText::tr("Disk full"), "Disk full");
}

// Scripts type the same answer letters in every language: each "[x]" of a
// source text is in its German text too.
TEST(Translations, GermanPromptsShowTheEnglishAnswerLetters)
{
    const Translations german({"de"});
    const QRegularExpression key(QStringLiteral("\\[[a-z]\\]"));
    for (const char* source : {"[y]es / [n]o", "[o]k / [c]ancel", "[a]bort / [r]etry / [i]gnore"}) {
        const QString shown = CliText::tr(source);
        EXPECT_NE(shown, QString::fromLatin1(source));
        for (const auto& m : key.globalMatch(QString::fromLatin1(source)))
            EXPECT_TRUE(shown.contains(m.captured())) << shown.toStdString();
    }
}

TEST(Translations, GermanTranslationIsComplete)
{
    QFile ts(QStringLiteral(TSL_SOURCE_DIR "/translations/tsl_de.ts"));
    ASSERT_TRUE(ts.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(ts.readAll());
    EXPECT_EQ(text.count(QStringLiteral("type=\"unfinished\"")), 0);
    EXPECT_EQ(text.count(QStringLiteral("type=\"vanished\"")), 0);
    EXPECT_EQ(text.count(QStringLiteral("type=\"obsolete\"")), 0);
    EXPECT_GT(text.count(QStringLiteral("<message")), 400);
}

// tsl-cli in German, and in English under the C locale.
TEST(CliLanguage, GermanHelpAndJobMessageEnglishUnderTheCLocale)
{
    test::TempFolder t;
    QProcessEnvironment env = isolatedEnvironment(t.path("env"));
    env.insert("LANGUAGE", "de");
    const auto help = runCli({"--help"}, {}, {}, env);
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith("Aufruf: tsl-cli COMMAND [Optionen] [FILE...]\n"))
        << help.out.toStdString();
    t.write("tiny.txt", "0123456789");
    const auto split = runCli({"split", "--size", "100000", t.path("tiny.txt")}, {}, {}, env);
    EXPECT_EQ(split.exitCode, 1);
    EXPECT_TRUE(split.err.contains("tiny.txt wird nicht aufgeteilt, weil sie kleiner als die "
                                   "angegebene Teilgröße ist."))
        << split.err.toStdString();

    // Texts with their values in place: the file name in front, the plural by the count.
    const auto noDir =
        runCli({"split", "--out", t.path("nirgends"), t.path("tiny.txt")}, {}, {}, env);
    EXPECT_EQ(noDir.exitCode, 2);
    EXPECT_EQ(noDir.err,
              "tsl-cli: " + t.path("nirgends")
                  + ": Ordner nicht vorhanden.\n„tsl-cli split --help“ zeigt die Optionen.\n");
    t.write("a", "A");
    t.write("b", "B");
    const auto append =
        runCli({"append", "--to", t.path("ab"), t.path("a"), t.path("b")}, {}, {}, env);
    EXPECT_EQ(append.exitCode, 0);
    EXPECT_TRUE(
        append.err.contains("2 von 2 Dateien (2 Byte) an " + t.path("ab") + " angehängt.\n"))
        << append.err.toStdString();

    env.remove("LANGUAGE");
    env.insert("LC_ALL", "C");
    EXPECT_TRUE(runCli({"--help"}, {}, {}, env)
                    .out.startsWith("Usage: tsl-cli COMMAND [options] [FILE...]\n\n"
                                    "TSL moves large files in pieces.\n\nCommands:\n"
                                    "  split     Split each FILE into numbered pieces"));
}

}  // namespace
}  // namespace tsl
