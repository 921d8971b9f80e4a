#include "combine/parts_report.h"

#include "core/file_handle.h"
#include "core/file_utils.h"
#include "core/message_text.h"
#include "core/texts.h"
#include "pieces/part_names.h"

namespace tsl {

QString modeWord(ReportMode mode)
{
    switch (mode) {
    case ReportMode::Missing: return QStringLiteral("Missing");
    case ReportMode::Extra: return QStringLiteral("Extra");
    case ReportMode::Corrupt: return QStringLiteral("Corrupt");
    }
    return {};
}

QString reportAnswerWord(ReportAnswer answer)
{
    switch (answer) {
    case ReportAnswer::Combine: return QStringLiteral("Combine");
    case ReportAnswer::Exclude: return QStringLiteral("Exclude");
    case ReportAnswer::Skip: return QStringLiteral("Skip");
    case ReportAnswer::Cancel: return QStringLiteral("Cancel");
    }
    return {};
}

bool skipOffered(int set, int setCount)
{
    return set != setCount;
}

ReportCaptions reportCaptions(ReportMode mode, const QString& message, bool translated)
{
    const auto shown = [translated](const char* text) {
        return translated ? CombineText::tr(text) : QString::fromUtf8(text);
    };
    ReportCaptions c;
    // Whole texts for each kind of report, so a translation can inflect the word.
    switch (mode) {
    case ReportMode::Missing:
        c.title = shown(QT_TRANSLATE_NOOP("Combine", "Missing Parts..."));
        c.copyTip =
            shown(QT_TRANSLATE_NOOP("Combine", "Copy the list of missing parts to the clipboard"));
        c.saveTip = shown(QT_TRANSLATE_NOOP("Combine", "Save the list of missing parts to a file"));
        break;
    case ReportMode::Extra:
        c.title = shown(QT_TRANSLATE_NOOP("Combine", "Extra Parts..."));
        c.copyTip =
            shown(QT_TRANSLATE_NOOP("Combine", "Copy the list of extra parts to the clipboard"));
        c.saveTip = shown(QT_TRANSLATE_NOOP("Combine", "Save the list of extra parts to a file"));
        c.combine = shown(QT_TRANSLATE_NOOP("Combine", "In&clude Extra Parts"));
        c.exclude = shown(QT_TRANSLATE_NOOP("Combine", "E&xclude Extra Parts"));
        break;
    case ReportMode::Corrupt:
        c.title = shown(QT_TRANSLATE_NOOP("Combine", "Corrupt Parts..."));
        c.copyTip =
            shown(QT_TRANSLATE_NOOP("Combine", "Copy the list of corrupt parts to the clipboard"));
        c.saveTip = shown(QT_TRANSLATE_NOOP("Combine", "Save the list of corrupt parts to a file"));
        c.combine = shown(QT_TRANSLATE_NOOP("Combine", "In&clude Corrupt Parts"));
        c.exclude = shown(QT_TRANSLATE_NOOP("Combine", "E&xclude Corrupt Parts"));
        break;
    }
    c.skip = shown(QT_TRANSLATE_NOOP("Combine", "&Skip to Next File Set"));
    c.cancel = shown(QT_TRANSLATE_NOOP("Combine", "C&ancel"));
    c.copy = shown(QT_TRANSLATE_NOOP("Combine", "Copy &List"));
    c.save = shown(QT_TRANSLATE_NOOP("Combine", "Sa&ve List"));
    if (mode == ReportMode::Missing) {
        c.combine = shown(QT_TRANSLATE_NOOP("Combine", "&Combine Existing Parts"));
        // The list sits below the first blank line; a comma there means more
        // than one gap. Only the message's first comma is looked at, so a comma
        // in the set's name (first line) gives "Combine to &Gap" whatever the
        // list holds. The button does the same either way: up to the first gap.
        const qsizetype comma = message.indexOf(QLatin1Char(','));
        const bool severalGaps = comma >= 0 && comma > message.indexOf(CrLf2);
        c.exclude = severalGaps ? shown(QT_TRANSLATE_NOOP("Combine", "Combine to First &Gap"))
                                : shown(QT_TRANSLATE_NOOP("Combine", "Combine to &Gap"));
    }
    return c;
}

QString plainCaption(const QString& caption)
{
    QString out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        out += caption[i];
    }
    return out;
}

QChar accessKey(const QString& caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&'))
            continue;
        if (caption[i + 1] != QLatin1Char('&'))
            return caption[i + 1].toLower();
        ++i;  // "&&" is a literal ampersand
    }
    return {};
}

QString reportList(const QString& message)
{
    const qsizetype first = message.indexOf(CrLf2);
    if (first < 0)
        return message;
    const qsizetype start = first + CrLf2.size();
    const qsizetype second = message.indexOf(CrLf2, start);
    return second < 0 ? message.mid(start) : message.mid(start, second - start);
}

QString listText(ReportMode mode, const QString& base, const QString& message)
{
    QString head;
    switch (mode) {
    case ReportMode::Missing: head = CombineText::tr("Missing parts of %1:"); break;
    case ReportMode::Extra: head = CombineText::tr("Extra parts of %1:"); break;
    case ReportMode::Corrupt: head = CombineText::tr("Corrupt parts of %1:"); break;
    }
    return head.arg(base) + CrLf2 + reportList(message);
}

QString listFilePath(const PartsReport& report)
{
    return withTrailingSlash(report.outDir) + StripExt(report.base) + QStringLiteral(" - ")
        + modeWord(report.mode).toLower() + QStringLiteral(".txt");
}

RunError saveList(const PartsReport& report)
{
    // A text file of this platform: lines end in a line feed alone.
    QString text = listText(report) + CrLf;
    text.replace(CrLf, QStringLiteral("\n"));
    return writeWholeFile(listFilePath(report), text.toUtf8());
}

QString replaceListText(const QString& path)
{
    return withCrLf(CombineText::tr("%1\nexists already. Do you want to replace it?")).arg(path);
}

QString listSavedText(const QString& path)
{
    return CombineText::tr("Saved the list to %1").arg(path);
}

QString saveFailedText(const QString& path, const RunError& error)
{
    return withCrLf(CombineText::tr("The list could not be saved to\n%1")).arg(path) + CrLf2
        + CombineText::tr("%1 (error %2)").arg(error.description, QString::number(error.number));
}

}  // namespace tsl
