#include "shell/desktop_entries.h"

#include <QRegularExpression>

namespace tsl {

namespace {

const QString Reserved = QStringLiteral(" \"'\\><~|&;$*?#()`");

QString entry(const QStringList& lines)
{
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

}  // namespace

std::optional<QString> execProgram(const QString& program)
{
    QString word;
    bool quote = false;
    for (const QChar c : program) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return std::nullopt;
        if (Reserved.contains(c))
            quote = true;
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$')
            || c == QLatin1Char('\\'))
            word += QLatin1Char('\\');
        word += c == QLatin1Char('%') ? QStringLiteral("%%") : QString(c);
    }
    // Every character that needs a backslash is reserved, so such a word is quoted.
    if (quote)
        word = QLatin1Char('"') + word + QLatin1Char('"');
    // The key's value is a string: its backslashes are escaped once more.
    return word.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
}

QString shellQuoted(const QString& text)
{
    QString q = text;
    q.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + q + QLatin1Char('\'');
}

QString mimePackage()
{
    return entry({
        QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"),
        QStringLiteral("<!-- ") + OwnerMark
            + QStringLiteral(": TSL rewrites or removes this file. -->"),
        QStringLiteral(
            "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">"),
        QStringLiteral("  <mime-type type=\"") + InfoMimeType + QStringLiteral("\">"),
        QStringLiteral("    <comment>") + InfoTypeComment + QStringLiteral("</comment>"),
        QStringLiteral("    <glob pattern=\"*.000\" weight=\"60\"/>"),
        QStringLiteral("  </mime-type>"),
        QStringLiteral("</mime-info>"),
    });
}

QString openEntry(const QString& exec)
{
    return entry({
        QStringLiteral("[Desktop Entry]"),
        QStringLiteral("Type=Application"),
        QStringLiteral("Name=TSL"),
        QStringLiteral("GenericName=File Splitter"),
        QStringLiteral("Comment=Split files into pieces, combine the pieces, append files"),
        QStringLiteral("Exec=") + exec + QStringLiteral(" %F"),
        QStringLiteral("Icon=tsl"),
        QStringLiteral("Terminal=false"),
        QStringLiteral("Categories=Utility;"),
        QStringLiteral("MimeType=") + InfoMimeType + QLatin1Char(';'),
        OwnerMark,
    });
}

QString splitEntry(const QString& exec)
{
    return entry({
        QStringLiteral("[Desktop Entry]"),
        QStringLiteral("Type=Application"),
        QStringLiteral("Name=Split with TSL"),
        QStringLiteral("Comment=Split the file into pieces with TSL"),
        QStringLiteral("Exec=") + exec + QStringLiteral(" %F"),
        QStringLiteral("Icon=tsl"),
        QStringLiteral("Terminal=false"),
        QStringLiteral("NoDisplay=true"),
        QStringLiteral("MimeType=") + SplitMimeType + QLatin1Char(';'),
        OwnerMark,
    });
}

namespace {

// A KDE service menu: one action on files of mimeType.
QString kdeMenu(const QString& mimeType, const QString& action, const QString& name,
                const QString& exec)
{
    return entry({
        QStringLiteral("[Desktop Entry]"),
        QStringLiteral("Type=Service"),
        QStringLiteral("Name=TSL"),
        QStringLiteral("MimeType=") + mimeType + QLatin1Char(';'),
        QStringLiteral("Actions=") + action + QLatin1Char(';'),
        QStringLiteral("X-KDE-ServiceTypes=KonqPopupMenu/Plugin"),
        OwnerMark,
        QString(),
        QStringLiteral("[Desktop Action ") + action + QLatin1Char(']'),
        QStringLiteral("Name=") + name,
        QStringLiteral("Icon=tsl"),
        QStringLiteral("Exec=") + exec + QStringLiteral(" %F"),
    });
}

}  // namespace

QString kdeSplitMenu(const QString& exec)
{
    return kdeMenu(SplitMimeType, QStringLiteral("tslSplit"), QStringLiteral("&Split"), exec);
}

QString thunarSendTo(const QString& exec)
{
    return entry({
        QStringLiteral("[Desktop Entry]"),
        QStringLiteral("Type=Application"),
        QStringLiteral("Name=TSL"),
        QStringLiteral("Exec=") + exec + QStringLiteral(" %F"),
        QStringLiteral("Icon=tsl"),
        QStringLiteral("Terminal=false"),
        QStringLiteral("MimeType=application/octet-stream;"),
        OwnerMark,
    });
}

QString kdeSendToMenu(const QString& exec)
{
    return kdeMenu(QStringLiteral("application/octet-stream"), QStringLiteral("tslSendTo"),
                   QStringLiteral("TSL"), exec);
}

QString nautilusScript(const QString& script)
{
    return entry({
        QStringLiteral("#!/bin/sh"),
        QStringLiteral("# ") + OwnerMark
            + QStringLiteral(": TSL's send-to entry; TSL rewrites or removes this file."),
        // Nautilus passes the names of the chosen files, relative to their
        // folder: "--" keeps a name that starts with '-' from reading as an option.
        QStringLiteral("exec ") + script + QStringLiteral(" -- \"$@\""),
    });
}

bool isOwnFile(const QString& text)
{
    return text.contains(OwnerMark);
}

bool isEarlierReleaseEntry(const QString& text)
{
    // The command's first word, quoted or not, ends in /tsl or /vantor (or is
    // just that name).
    static const QRegularExpression command(
        QStringLiteral(R"((?:^|\n)\s*(?:Exec=|exec\s+))"
                       R"((?:"(?:[^"\n]*/)?NAME"|'(?:[^'\n]*/)?NAME'|(?:[^"'\s]*/)?NAME)(?:\s|$))")
            .replace(QStringLiteral("NAME"), QStringLiteral("(?:tsl|vantor)")),
        QRegularExpression::CaseInsensitiveOption);
    return command.match(text).hasMatch();
}

}  // namespace tsl
