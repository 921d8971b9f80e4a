// The host of tsl-cli: messages and status texts on standard error, progress
// as one updating line when standard error is a terminal, questions on the
// terminal when standard input is one. Without a terminal a question takes
// its dialog's default answer (or the one --yes/--no gave), and both the
// question and the answer taken are printed.
#pragma once

#include "core/host.h"

#include <QString>
#include <optional>

namespace tsl::cli {

struct TerminalOptions {
    bool quiet = false;                   // only questions, messages and errors
    std::optional<Answer> yesNoAnswer;    // --yes / --no: every Yes/No question
    std::optional<ReportAnswer> reportAnswer;  // every parts report
};

class TerminalHost : public Host {
public:
    explicit TerminalHost(TerminalOptions options);
    ~TerminalHost() override;

    void status(const QString& text) override;
    void progress(Panel panel, Line line, const QString& caption, double value,
                  double maximum) override;
    void setBusy(Panel, bool) override {}
    Answer ask(Ask kind, const QString& text, Buttons buttons, Icon icon,
               Answer defaultAnswer) override;
    std::optional<QString> input(Prompt kind, const QString& prompt,
                                 const QString& defaultText) override;
    ReportAnswer report(const PartsReport& report) override;

    // Whether questions are put to a person (standard input is a terminal).
    bool interactive() const { return stdinTerminal_; }

    // Writes a line to standard error, clearing the progress line first.
    void printLine(const QString& text);
    // Reads a line typed at the terminal; nullopt at end of input.
    std::optional<QString> readLine(const QString& prompt);

private:
    void clearProgressLine();

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
