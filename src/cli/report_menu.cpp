#include "cli/report_menu.h"

#include "combine/parts_report.h"
#include "core/texts.h"

#include <QFileInfo>
#include <QStringList>

namespace tsl {

namespace {

void printAnswer(const ReportConsole& console, ReportAnswer answer, const QString& why)
{
    console.print(QStringLiteral("=> ") + reportAnswerWord(answer) + QStringLiteral(" (") + why
                  + QLatin1Char(')'));
}

void saveFromMenu(const PartsReport& report, const ReportConsole& console)
{
    const QString path = listFilePath(report);
    if (QFileInfo::exists(path) || QFileInfo(path).isSymLink()) {
        console.print(QString(replaceListText(path)).replace(CrLf, QStringLiteral(" ")));
        const std::optional<QString> typed = console.read(CombineText::tr("y / n: "));
        if (!typed || !typed->trimmed().startsWith(QLatin1Char('y'), Qt::CaseInsensitive)) {
            console.print(CombineText::tr("The list was not saved."));
            return;
        }
    }
    const RunError error = saveList(report);
    console.print(error.failed() ? saveFailedText(path, error) : listSavedText(path));
}

ReportAnswer askMenu(const PartsReport& report, const ReportConsole& console)
{
    const std::vector<ReportChoice> choices = reportChoices(report);
    QStringList words;
    for (const ReportChoice& choice : choices) {
        // A translated caption shows the English key after it: "Abbrechen [a]".
        words << (choice.caption == choice.english ? menuWord(choice.caption)
                                                   : plainCaption(choice.caption)
                          + QStringLiteral(" [") + accessKey(choice.english) + QLatin1Char(']'));
    }
    const QString menu = words.join(QStringLiteral(" / ")) + QStringLiteral(": ");
    for (;;) {
        const std::optional<QString> typed = console.read(menu);
        if (!typed) {
            printAnswer(console, ReportAnswer::Cancel, CombineText::tr("end of input"));
            return ReportAnswer::Cancel;
        }
        const ReportChoice* choice = typedChoice(choices, *typed);
        if (!choice)
            continue;
        if (!choice->answer) {
            saveFromMenu(report, console);
            continue;
        }
        printAnswer(console, *choice->answer, plainCaption(choice->caption));
        return *choice->answer;
    }
}

}  // namespace

std::vector<ReportChoice> reportChoices(const PartsReport& report)
{
    const ReportCaptions c = reportCaptions(report.mode, report.message);
    const ReportCaptions e = reportCaptions(report.mode, report.message, false);
    std::vector<ReportChoice> choices{{c.combine, e.combine, ReportAnswer::Combine},
                                      {c.exclude, e.exclude, ReportAnswer::Exclude}};
    if (skipOffered(report))
        choices.push_back({c.skip, e.skip, ReportAnswer::Skip});
    choices.push_back({c.cancel, e.cancel, ReportAnswer::Cancel});
    choices.push_back({c.save, e.save, std::nullopt});
    return choices;
}

QString menuWord(const QString& caption)
{
    QString out;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&') || i + 1 == caption.size()) {
            out += caption[i];
        } else if (caption[++i] == QLatin1Char('&')) {
            out += QLatin1Char('&');
        } else {
            out += QLatin1Char('[') + caption[i] + QLatin1Char(']');
        }
    }
    return out;
}

const ReportChoice* typedChoice(const std::vector<ReportChoice>& choices, const QString& typed)
{
    const QString t = typed.trimmed();
    if (t.isEmpty())
        return nullptr;
    for (const ReportChoice& choice : choices) {
        const QString word =
            choice.answer ? reportAnswerWord(*choice.answer) : QStringLiteral("save");
        if ((t.size() == 1 && t[0].toLower() == accessKey(choice.english))
            || t.compare(plainCaption(choice.caption), Qt::CaseInsensitive) == 0
            || t.compare(plainCaption(choice.english), Qt::CaseInsensitive) == 0
            || t.compare(word, Qt::CaseInsensitive) == 0)
            return &choice;
    }
    return nullptr;
}

ReportAnswer runReportConsole(const PartsReport& report, std::optional<ReportAnswer> given,
                              bool interactive, const ReportConsole& console)
{
    console.print(reportCaptions(report.mode, report.message).title);
    console.print(report.message);
    if (given) {
        if (*given == ReportAnswer::Skip && !skipOffered(report)) {
            printAnswer(console, ReportAnswer::Cancel,
                        CombineText::tr("--report-answer skip: no next set to skip to"));
            return ReportAnswer::Cancel;
        }
        printAnswer(console, *given, QStringLiteral("--report-answer"));
        return *given;
    }
    if (!interactive) {
        printAnswer(console, ReportAnswer::Cancel, CombineText::tr("no terminal to ask"));
        return ReportAnswer::Cancel;
    }
    return askMenu(report, console);
}

}  // namespace tsl
