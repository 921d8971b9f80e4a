// The host of tsl-cli: messages and status texts on standard error, progress
// as one updating line when standard error is a terminal, questions on the
// terminal when standard input is one. A question nobody can answer (no
// terminal, or end of input at the prompt) that would overwrite, delete or
// go on after an error takes the answer that keeps data; any other takes its
// dialog's default. --yes/--no answer the Yes/No questions but the run-time
// error question, which --on-error answers. The question and the answer
// taken are both printed. A run-time error is one line naming the operation,
// the path and the reason; the dialog's text follows only on a terminal.
#pragma once

#include "core/host.h"

#include <QString>
#include <optional>

namespace tsl::cli {

struct TerminalOptions {
    bool quiet = false;                 // only questions, messages and errors
    std::optional<Answer> yesNoAnswer;  // --yes / --no: every Yes/No question but run-time errors
    std::optional<Answer> onError;      // --on-error: Yes continues, No stops
    std::optional<ReportAnswer> reportAnswer;  // every parts report
};

class TerminalHost : public Host {
public:
    explicit TerminalHost(TerminalOptions options);
    ~TerminalHost() override;

    void status(const QString& text) override;
    void progress(Panel panel, Line line, const QString& caption, double value,
                  double maximum) override;
    Answer ask(Ask kind, const QString& text, Buttons buttons, Icon icon,
               Answer defaultAnswer) override;
    Answer askRuntimeError(const RunError& error, const QString& procedure) override;
    std::optional<QString> input(Prompt kind, const QString& prompt,
                                 const QString& defaultText) override;
    ReportAnswer report(const PartsReport& report) override;

    // Whether questions are put to a person: standard input and standard
    // error are both terminals (a question written to a redirected standard
    // error would be waited for by nobody).
    bool interactive() const { return stdinTerminal_ && stderrTerminal_; }

    // Writes a line to standard error, clearing the progress line first.
    void printLine(const QString& text);
    // Reads a line typed at the terminal; nullopt at end of input.
    std::optional<QString> readLine(const QString& prompt);

private:
    void clearProgressLine();
    // Asks on the terminal until an answer is typed; nullopt at end of input.
    std::optional<Answer> askTyped(Buttons buttons, Answer defaultAnswer);

    TerminalOptions options_;
    bool stdinTerminal_;
    bool stderrTerminal_;
    bool progressShown_ = false;
    QString partCaption_;
    QString totalCaption_;
};

// Message-box text as terminal lines: CR LF becomes a line break.
QString terminalText(const QString& text);

}  // namespace tsl::cli
