#include "shell/desktop_files.h"
#include "core/texts.h"

#include "shell/desktop_entries.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace tsl {

namespace {

const QString DefaultSection = QStringLiteral("[Default Applications]");
// Larger files are no desktop entries of ours.
constexpr qint64 ReadLimit = 1 << 20;

QString failure(const QString& path, const QString& reason)
{
    return QDir::toNativeSeparators(path) + QStringLiteral(": ") + reason;
}

std::optional<QString> readText(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    return QString::fromUtf8(f.read(ReadLimit));
}

QString saveText(const QString& path, const QString& text)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return failure(path, DesktopText::tr("its folder could not be made"));
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(text.toUtf8()) < 0 || !f.commit())
        return failure(path, f.errorString());
    return {};
}

bool isSectionHeader(const QString& line)
{
    return line.trimmed().startsWith(QLatin1Char('['));
}

}  // namespace

FileState fileState(const QString& path)
{
    const QFileInfo fi(path);
    if (!fi.exists() && !fi.isSymLink())
        return FileState::Absent;
    if (fi.isSymLink() || !fi.isFile())
        return FileState::Foreign;
    const auto text = readText(path);
    return text && isOwnFile(*text) ? FileState::Own : FileState::Foreign;
}

FileStep writeOwnFile(const QString& path, const QString& contents, bool executable)
{
    const FileState state = fileState(path);
    if (state == FileState::Foreign)
        return {
            false,
            failure(path,
                    DesktopText::tr("a file that TSL did not write is there; it was left alone"))};
    const QFileDevice::Permissions exe =
        QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;
    const bool permsRight = !executable || (QFile::permissions(path) & exe) == exe;
    if (state == FileState::Own && readText(path) == contents && permsRight)
        return {};
    if (const QString error = saveText(path, contents); !error.isEmpty())
        return {false, error};
    if (executable && !QFile::setPermissions(path, QFile::permissions(path) | exe))
        return {true, failure(path, DesktopText::tr("it could not be made executable"))};
    return {true, {}};
}

FileStep removeOwnFile(const QString& path)
{
    if (fileState(path) != FileState::Own)
        return {};
    QFile f(path);
    if (!f.remove())
        return {false, failure(path, f.errorString())};
    return {true, {}};
}

FileStep removeEarlierEntry(const QString& path)
{
    const QFileInfo fi(path);
    if (fi.isSymLink() || !fi.isFile())
        return {};
    const auto text = readText(path);
    if (!text || !isEarlierReleaseEntry(*text))
        return {};
    QFile f(path);
    if (!f.remove())
        return {false, failure(path, f.errorString())};
    return {true, {}};
}

namespace {

struct DefaultLine {
    qsizetype section = -1;  // the header's line, -1 when there is none
    qsizetype end = 0;       // the line after the section
    qsizetype line = -1;     // the mime type's line in it, -1 when none
    QStringList ids;
};

DefaultLine findDefault(const QStringList& lines, const QString& mimeType)
{
    DefaultLine d;
    d.end = lines.size();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (d.section < 0 && lines[i].trimmed() == DefaultSection) {
            d.section = i;
        } else if (d.section >= 0 && isSectionHeader(lines[i])) {
            d.end = i;
            break;
        } else if (d.section >= 0 && d.line < 0) {
            const qsizetype eq = lines[i].indexOf(QLatin1Char('='));
            if (eq > 0 && lines[i].left(eq).trimmed() == mimeType) {
                d.line = i;
                for (const QString& id :
                     lines[i].mid(eq + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts))
                    d.ids << id.trimmed();
            }
        }
    }
    return d;
}

}  // namespace

QString editDefaultApplication(const QString& text, const QString& mimeType,
                               const QString& desktopId, bool makeDefault)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    const bool endsInBreak = text.isEmpty() || text.endsWith(QLatin1Char('\n'));
    if (endsInBreak)
        lines.removeLast();
    DefaultLine d = findDefault(lines, mimeType);
    if (!makeDefault && d.line < 0)
        return text;
    d.ids.removeAll(desktopId);
    if (makeDefault)
        d.ids.prepend(desktopId);
    const QString line =
        mimeType + QLatin1Char('=') + d.ids.join(QLatin1Char(';')) + QLatin1Char(';');
    if (d.line >= 0 && !d.ids.isEmpty()) {
        lines[d.line] = line;
    } else if (d.line >= 0) {
        lines.removeAt(d.line);
        // A section that only TSL's line made goes with it.
        if (d.section + 1 == --d.end)
            lines.removeAt(d.section);
    } else if (d.section >= 0) {
        qsizetype at = d.end;
        while (at > d.section + 1 && lines[at - 1].trimmed().isEmpty())
            --at;
        lines.insert(at, line);
    } else {
        lines << DefaultSection << line;
    }
    bool blank = true;
    for (const QString& l : lines)
        blank = blank && l.trimmed().isEmpty();
    if (blank)
        return {};
    return lines.join(QLatin1Char('\n'))
        + (endsInBreak || makeDefault ? QStringLiteral("\n") : QString());
}

QStringList defaultApplications(const QString& file, const QString& mimeType)
{
    const auto text = readText(file);
    if (!text)
        return {};
    QStringList lines = text->split(QLatin1Char('\n'));
    return findDefault(lines, mimeType).ids;
}

FileStep setDefaultApplication(const QString& file, const QString& mimeType,
                               const QString& desktopId, bool makeDefault)
{
    const bool exists = QFileInfo::exists(file);
    std::optional<QString> old = exists ? readText(file) : std::optional<QString>(QString());
    if (!old)
        return {false, failure(file, DesktopText::tr("it could not be read"))};
    const QString text = editDefaultApplication(*old, mimeType, desktopId, makeDefault);
    if (text == *old)
        return {};
    if (text.isEmpty()) {
        QFile f(file);
        if (!f.remove())
            return {false, failure(file, f.errorString())};
        return {true, {}};
    }
    const QString error = saveText(file, text);
    return {error.isEmpty(), error};
}

}  // namespace tsl
