#include "cli/terminal_host.h"

#include "core/run_error.h"
#include "core/texts.h"

#include <cstdio>
#include <iostream>
#include <string>
#include <unistd.h>

namespace tsl::cli {

namespace {

QString buttonsHint(Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok: return QStringLiteral("[OK]");
    case Buttons::OkCancel: return CliText::tr("[o]k / [c]ancel");
    case Buttons::YesNo: return CliText::tr("[y]es / [n]o");
    case Buttons::AbortRetryIgnore: return CliText::tr("[a]bort / [r]etry / [i]gnore");
    }
    return {};
}

std::optional<Answer> parseAnswer(Buttons buttons, const QString& typed)
{
    const QString t = typed.trimmed().toLower();
    if (t.isEmpty())
        return std::nullopt;
    const QChar c = t[0];
    switch (buttons) {
    case Buttons::Ok: return Answer::Ok;
    case Buttons::OkCancel:
        if (c == QLatin1Char('o'))
            return Answer::Ok;
        if (c == QLatin1Char('c'))
            return Answer::Cancel;
        break;
    case Buttons::YesNo:
        if (c == QLatin1Char('y'))
            return Answer::Yes;
        if (c == QLatin1Char('n'))
            return Answer::No;
        break;
    case Buttons::AbortRetryIgnore:
        if (c == QLatin1Char('a'))
            return Answer::Abort;
        if (c == QLatin1Char('r'))
            return Answer::Retry;
        if (c == QLatin1Char('i'))
            return Answer::Ignore;
        break;
    }
    return std::nullopt;
}

// The answer that keeps data, for a question nobody can answer: nothing is
// overwritten, nothing goes on after a run-time error.
std::optional<Answer> keepingAnswer(Ask kind)
{
    switch (kind) {
    case Ask::OverwriteParts:
    case Ask::OverwriteOutput:
    case Ask::ReadOnlyOutput:
    case Ask::ReadOnlyTarget:
    case Ask::RuntimeError: return Answer::No;
    case Ask::TargetInUse: return Answer::Cancel;
    // Nobody asked, nothing is created on the disk.
    case Ask::CreateDirectory: return Answer::No;
    default: return std::nullopt;
    }
}

}  // namespace

QString terminalText(const QString& text)
{
    QString out = text;
    out.replace(CrLf, QStringLiteral("\n"));
    return out;
}

TerminalHost::TerminalHost(TerminalOptions options)
    : options_(options), stdinTerminal_(::isatty(STDIN_FILENO) == 1),
      stderrTerminal_(::isatty(STDERR_FILENO) == 1)
{
}

TerminalHost::~TerminalHost()
{
    clearProgressLine();
}

void TerminalHost::clearProgressLine()
{
    if (progressShown_) {
        std::fputs("\r\033[K", stderr);
        std::fflush(stderr);
        progressShown_ = false;
    }
}

void TerminalHost::printLine(const QString& text)
{
    clearProgressLine();
    std::fputs(terminalText(text).toLocal8Bit().constData(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

std::optional<QString> TerminalHost::readLine(const QString& prompt)
{
    clearProgressLine();
    std::fputs(terminalText(prompt).toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
    std::string line;
    if (!std::getline(std::cin, line))
        return std::nullopt;
    return QString::fromLocal8Bit(line.c_str());
}

void TerminalHost::status(const QString& text)
{
    if (!options_.quiet)
        printLine(text);
}

void TerminalHost::progress(Panel, Line line, const QString& caption, double, double)
{
    if (options_.quiet || !stderrTerminal_ || caption.isNull())
        return;
    (line == Line::Part ? partCaption_ : totalCaption_) = caption;
    QString shown = partCaption_;
    if (!totalCaption_.isEmpty())
        shown += (shown.isEmpty() ? QString() : QStringLiteral("  |  ")) + totalCaption_;
    std::fputs(("\r\033[K" + shown).toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
    progressShown_ = true;
}

std::optional<Answer> TerminalHost::askTyped(Buttons buttons, Answer defaultAnswer)
{
    for (;;) {
        //: %1 the answer letters ("[y]es / [n]o"), %2 the default answer
        const auto typed = readLine(
            CliText::tr("%1 (default %2): ").arg(buttonsHint(buttons), answerWord(defaultAnswer)));
        if (!typed)
            return std::nullopt;
        if (typed->trimmed().isEmpty())
            return defaultAnswer;
        if (const auto a = parseAnswer(buttons, *typed))
            return *a;
    }
}

Answer TerminalHost::ask(Ask kind, const QString& text, Buttons buttons, Icon, Answer defaultAnswer)
{
    printLine(text);
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    if (buttons == Buttons::YesNo && options_.yesNoAnswer && kind != Ask::RuntimeError) {
        //: %1 the answer given ("Yes", "No")
        const QString echo = *options_.yesNoAnswer == Answer::Yes ? CliText::tr("=> %1 (--yes)")
                                                                  : CliText::tr("=> %1 (--no)");
        printLine(echo.arg(answerWord(*options_.yesNoAnswer)));
        return *options_.yesNoAnswer;
    }
    if (interactive()) {
        if (const auto typed = askTyped(buttons, defaultAnswer))
            return *typed;
    }
    if (const auto kept = keepingAnswer(kind)) {
        printLine(CliText::tr("=> %1 (nobody to ask: keeps the files as they are)")
                      .arg(answerWord(*kept)));
        return *kept;
    }
    printLine(CliText::tr("=> %1 (default)").arg(answerWord(defaultAnswer)));
    return defaultAnswer;
}

Answer TerminalHost::askRuntimeError(const RunError& error, const QString& procedure)
{
    printLine(QStringLiteral("tsl-cli: ") + runErrorLine(error));
    if (stderrTerminal_)
        printLine(runtimeErrorText(error, procedure));
    if (options_.onError) {
        if (stderrTerminal_)
            printLine((*options_.onError == Answer::Yes ? CliText::tr("=> %1 (--on-error continue)")
                                                        : CliText::tr("=> %1 (--on-error stop)"))
                          .arg(answerWord(*options_.onError)));
        return *options_.onError;
    }
    if (interactive()) {
        if (const auto typed = askTyped(Buttons::YesNo, Answer::No))
            return *typed;
    }
    return Answer::No;
}

std::optional<QString> TerminalHost::input(Prompt, const QString& prompt,
                                           const QString& defaultText)
{
    if (!interactive()) {
        printLine(prompt);
        printLine(CliText::tr("=> \"%1\" (default)").arg(defaultText));
        return defaultText;
    }
    printLine(prompt);
    const auto typed =
        readLine(CliText::tr("[%1] (Enter keeps it, Ctrl-D cancels): ").arg(defaultText));
    if (!typed)
        return std::nullopt;
    return typed->isEmpty() ? defaultText : *typed;
}

}  // namespace tsl::cli
