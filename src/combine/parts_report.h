// The rules of the parts report of Combine, shared by the report dialog and
// the terminal's form of it: the hand-over text and the answer markers, the
// captions and tooltips for each mode, whether Skip is offered, and the list
// of pieces as it is copied to the clipboard or saved beside the output.
//
// A report message carries its list between its first and its second blank
// line; everything here that needs the list takes it from there.
#pragma once

#include "core/host.h"
#include "core/run_error.h"

#include <QString>
#include <optional>

namespace tsl {

// The answers as the dialog hands them back.
inline const QString CombineMarker = QStringLiteral("~~~~~Combine~~~~~");
inline const QString ExcludeMarker = QStringLiteral("~~~~~Exclude~~~~~");
inline const QString SkipMarker = QStringLiteral("~~~~~Skip~~~~~");
inline const QString CancelMarker = QStringLiteral("~~~~~Cancel~~~~~");

// "Missing", "Extra" or "Corrupt".
QString modeWord(ReportMode mode);
// The mode a word names (exact, as modeWord writes it); nullopt for any other text.
std::optional<ReportMode> modeFromWord(const QString& word);

// The marker text of an answer.
QString answerMarker(ReportAnswer answer);
// The answer a marker stands for; nullopt for any other text.
std::optional<ReportAnswer> answerFromMarker(const QString& marker);

// "Combine", "Exclude", "Skip" or "Cancel".
QString reportAnswerWord(ReportAnswer answer);
// The answer a word names, letter case ignored ("skip", "Cancel", ...); nullopt otherwise.
std::optional<ReportAnswer> reportAnswerFromWord(const QString& word);

// What the dialog is loaded with: the mode, the set's position and the message.
struct HandOver {
    ReportMode mode = ReportMode::Missing;
    int set = 0;
    QString message;
};

// The hand-over text: the mode word padded with blanks to 9 characters, the
// set's position left-aligned and padded to 7, then the message.
QString handOverText(ReportMode mode, int set, const QString& message);
QString handOverText(const PartsReport& report);
// Reads a hand-over text back; nullopt when its mode word or position is not one.
std::optional<HandOver> parseHandOver(const QString& text);

// Whether Skip is offered: not on the run's last set, which has no next set.
bool skipOffered(int set, int setCount);
inline bool skipOffered(const PartsReport& r)
{
    return skipOffered(r.set, r.setCount);
}

// The captions and tooltips of the report for one mode and message.
struct ReportCaptions {
    QString title;    // the window caption, e.g. "Missing Parts..."
    QString combine;  // e.g. "&Combine Existing Parts", "In&clude Extra Parts"
    QString exclude;  // e.g. "Combine to &Gap", "E&xclude Corrupt Parts"
    QString skip;
    QString cancel;
    QString copy;
    QString save;
    QString copyTip;  // "Copy the list of missing parts to the clipboard"
    QString saveTip;  // "Save the list of missing parts to a file"
};
// The captions in the user's language, or untranslated: tsl-cli's menu takes
// the English captions' access keys in every language, as scripts type them.
ReportCaptions reportCaptions(ReportMode mode, const QString& message, bool translated = true);

// A caption without its access-key marker ("C&ancel" gives "Cancel"; "&&" is one "&").
QString plainCaption(const QString& caption);
// The access key of a caption, lower case ("C&ancel" gives 'a'); null when it has none.
QChar accessKey(const QString& caption);

// The list of a message: the text between its first and its second blank line.
// Without a second blank line it is the rest after the first; without any, the
// whole message.
QString reportList(const QString& message);

// The text copied and saved: mode + " parts of " + base + ":" + a blank line + list.
QString listText(ReportMode mode, const QString& base, const QString& message);
inline QString listText(const PartsReport& r)
{
    return listText(r.mode, r.base, r.message);
}

// Where Save List writes: the output directory, the base without its last
// extension, " - ", the lower-case mode and ".txt" (clip.mpg: "clip - extra.txt").
QString listFilePath(const PartsReport& report);

// Writes listText(report) followed by a line break to listFilePath(report),
// replacing what the file held; every line ends in a line feed. Callers ask
// replaceListText first when the file exists.
RunError saveList(const PartsReport& report);

// The question before an existing list file is replaced (Yes/No, No first).
QString replaceListText(const QString& path);

// What is said once the list was saved: "Saved the list to PATH".
QString listSavedText(const QString& path);

// The message shown when saving the list to path failed.
QString saveFailedText(const QString& path, const RunError& error);

}  // namespace tsl
