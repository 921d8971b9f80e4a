// The rules of the parts report of Combine, shared by the report dialog and
// the terminal's form of it: the words for modes and answers, the captions and tooltips for each mode, whether Skip is offered, and the list
// of pieces as it is copied to the clipboard or saved beside the output.
//
// A report message carries its list between its first and its second blank
// line; everything here that needs the list takes it from there.
#pragma once

#include "core/host.h"
#include "core/run_error.h"

#include <QString>

namespace tsl {

// "Missing", "Extra" or "Corrupt".
QString modeWord(ReportMode mode);

// "Combine", "Exclude", "Skip" or "Cancel".
QString reportAnswerWord(ReportAnswer answer);

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
