#include "settings/profile_file.h"

#include <QFile>
#include <QList>
#include <QSaveFile>

namespace tsl {

namespace {

// One line of the file without its line ending, and the ending it had.
struct ProfileLine {
    QByteArray text;
    QByteArray ending;
};

// A section: its header line and the lines up to the next header.
struct SectionRange {
    QString name;
    qsizetype header = 0;
    qsizetype end = 0;  // one past its last line
};

QList<ProfileLine> splitLines(const QByteArray& bytes)
{
    QList<ProfileLine> lines;
    qsizetype at = 0;
    while (at < bytes.size()) {
        const qsizetype nl = bytes.indexOf('\n', at);
        if (nl < 0) {
            lines.append({bytes.mid(at), {}});
            break;
        }
        const bool cr = nl > at && bytes[nl - 1] == '\r';
        lines.append({bytes.mid(at, nl - at - (cr ? 1 : 0)), cr ? "\r\n" : "\n"});
        at = nl + 1;
    }
    return lines;
}

// The section name of a "[Section]" line, or nullopt for any other line.
std::optional<QString> sectionOf(const QByteArray& line)
{
    const QByteArray t = line.trimmed();
    if (!t.startsWith('['))
        return std::nullopt;
    const qsizetype close = t.indexOf(']');
    const QByteArray name = close < 0 ? t.mid(1) : t.mid(1, close - 1);
    return QString::fromUtf8(name).trimmed();
}

// The key of a "Key=Value" line (a line without "=" is a key without value);
// nullopt for blank lines and comments.
std::optional<QString> keyOf(const QByteArray& line)
{
    const QByteArray t = line.trimmed();
    if (t.isEmpty() || t.startsWith(';'))
        return std::nullopt;
    const qsizetype eq = line.indexOf('=');
    return QString::fromUtf8(eq < 0 ? line : line.left(eq)).trimmed();
}

QString valueOf(const QByteArray& line)
{
    const qsizetype eq = line.indexOf('=');
    if (eq < 0)
        return {};
    QString v = QString::fromUtf8(line.mid(eq + 1)).trimmed();
    if (v.size() >= 2 && (v.front() == QLatin1Char('"') || v.front() == QLatin1Char('\''))
        && v.back() == v.front())
        v = v.mid(1, v.size() - 2);
    return v;
}

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Every section of the file in order. Lines before the first header belong
// to no section.
QList<SectionRange> sectionsOf(const QList<ProfileLine>& lines)
{
    QList<SectionRange> sections;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (const auto name = sectionOf(lines[i].text)) {
            if (!sections.isEmpty())
                sections.back().end = i;
            sections.append({*name, i, lines.size()});
        }
    }
    return sections;
}

// The line holding key in the first section named section that has it.
std::optional<qsizetype> findKey(const QList<ProfileLine>& lines,
                                 const QList<SectionRange>& sections, const QString& section,
                                 const QString& key)
{
    for (const SectionRange& s : sections) {
        if (!sameName(s.name, section))
            continue;
        for (qsizetype i = s.header + 1; i < s.end; ++i) {
            const auto k = keyOf(lines[i].text);
            if (k && sameName(*k, key))
                return i;
        }
    }
    return std::nullopt;
}

bool readLines(const QString& file, QList<ProfileLine>* lines)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    *lines = splitLines(f.readAll());
    return true;
}

// The line ending new lines get: the one the file already uses.
QByteArray endingFor(const QList<ProfileLine>& lines)
{
    for (const ProfileLine& l : lines) {
        if (!l.ending.isEmpty())
            return l.ending;
    }
    return "\n";
}

// Puts key=value into lines: in place, at the end of its section, or in a new
// section at the end.
void placeValue(QList<ProfileLine>& lines, const QString& section, const QString& key,
                const QString& value)
{
    const QList<SectionRange> sections = sectionsOf(lines);
    const QByteArray ending = endingFor(lines);
    if (const auto at = findKey(lines, sections, section, key)) {
        // Keep the key as the file spells it.
        QByteArray& text = lines[*at].text;
        const qsizetype eq = text.indexOf('=');
        const QByteArray name = (eq < 0 ? text : text.left(eq)).trimmed();
        text = name + '=' + value.toUtf8();
        return;
    }
    const QByteArray line = key.toUtf8() + '=' + value.toUtf8();
    for (const SectionRange& s : sections) {
        if (!sameName(s.name, section))
            continue;
        // After the section's last key: blank lines and comments that follow
        // it lead into the next section.
        qsizetype after = s.header;
        for (qsizetype i = s.header + 1; i < s.end; ++i) {
            if (keyOf(lines[i].text))
                after = i;
        }
        if (lines[after].ending.isEmpty())
            lines[after].ending = ending;
        lines.insert(after + 1, {line, ending});
        return;
    }
    if (!lines.isEmpty()) {
        if (lines.back().ending.isEmpty())
            lines.back().ending = ending;
        if (!lines.back().text.trimmed().isEmpty())
            lines.append({{}, ending});
    }
    lines.append({'[' + section.toUtf8() + ']', ending});
    lines.append({line, ending});
}

bool hasLineBreak(const QString& text)
{
    return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

}  // namespace

std::optional<QString> readProfileValue(const QString& file, const QString& section,
                                        const QString& key)
{
    QList<ProfileLine> lines;
    if (!readLines(file, &lines))
        return std::nullopt;
    const auto at = findKey(lines, sectionsOf(lines), section, key);
    if (!at)
        return std::nullopt;
    return valueOf(lines[*at].text).left(ProfileValueMax);
}

bool writeProfileValue(const QString& file, const QString& section, const QString& key,
                       const QString& value)
{
    // A line break would split the line and plant a line of its own.
    if (hasLineBreak(section) || hasLineBreak(key) || hasLineBreak(value) || key.isEmpty())
        return false;
    QList<ProfileLine> lines;
    if (QFile::exists(file) && !readLines(file, &lines))
        return false;
    placeValue(lines, section, key, value);
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    for (const ProfileLine& l : lines) {
        out.write(l.text);
        out.write(l.ending);
    }
    return out.commit();
}

}  // namespace tsl
