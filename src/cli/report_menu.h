// The parts report as a conversation in text lines, for a terminal: the
// report's title and message, then the dialog's buttons as a menu whose
// access keys are the letters to type ("[C]ombine Existing Parts / ... /
// C[a]ncel / Sa[v]e List"). Save List writes the same file as the dialog's and
// the menu stays; the clipboard has no text form. The answer taken is always
// printed. Without a person to ask and without a given answer the report
// answers Cancel, as a closed dialog does.
#pragma once

#include "core/host.h"

#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace tsl {

struct ReportConsole {
    std::function<void(const QString& line)> print;
    // A line typed after the prompt; nullopt at the end of input.
    std::function<std::optional<QString>(const QString& prompt)> read;
};

// One entry of the menu: an answer button, or Save List (no answer).
struct ReportChoice {
    QString caption;  // the dialog's caption, access key marked with "&"
    QString english;  // the untranslated caption: its access key is typed in every language
    std::optional<ReportAnswer> answer;
};

// The menu in the dialog's order: Combine, Exclude, Skip (only when offered),
// Cancel, Save List.
std::vector<ReportChoice> reportChoices(const PartsReport& report);

// A caption as the menu shows it: the access key in brackets, "C[a]ncel".
QString menuWord(const QString& caption);

// The choice a typed line names: its access key, its caption without "&", or
// its answer's word ("combine", "exclude", "skip", "cancel", "save"), letter
// case ignored. nullptr when it names none.
const ReportChoice* typedChoice(const std::vector<ReportChoice>& choices, const QString& typed);

// Runs the report: `given` (an answer chosen beforehand) is taken without
// asking, except Skip on the last set, which the dialog does not offer and
// which becomes Cancel; else the menu is put to the person when `interactive`.
ReportAnswer runReportConsole(const PartsReport& report, std::optional<ReportAnswer> given,
                              bool interactive, const ReportConsole& console);

}  // namespace tsl
