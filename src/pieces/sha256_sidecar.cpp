#include "pieces/sha256_sidecar.h"

#include "core/file_handle.h"
#include "core/file_system.h"
#include "core/sha256.h"

#include <QFile>
#include <algorithm>

namespace tsl {

namespace {

constexpr qint64 MaxSidecarBytes = qint64(64) << 20;
constexpr int HexLength = 2 * Sha256Length;

bool isHex(QByteArrayView text)
{
    for (char c : text) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')))
            return false;
    }
    return true;
}

// The name of an escaped line: "\\" is a backslash, "\n" a line feed and "\r"
// a carriage return; any other escape makes the line no digest line.
bool unescape(QByteArrayView escaped, QByteArray* name)
{
    name->clear();
    for (qsizetype i = 0; i < escaped.size(); ++i) {
        if (escaped[i] != '\\') {
            name->append(escaped[i]);
            continue;
        }
        if (++i == escaped.size())
            return false;
        switch (escaped[i]) {
        case '\\': name->append('\\'); break;
        case 'n': name->append('\n'); break;
        case 'r': name->append('\r'); break;
        default: return false;
        }
    }
    return true;
}

// "SHA256 (name) = digest"
bool parseTagged(QByteArrayView line, QByteArrayView* name, QByteArrayView* hex)
{
    static const QByteArray head("SHA256 (");
    static const QByteArray tail(") = ");
    if (!line.startsWith(head) || line.size() < head.size() + tail.size() + HexLength)
        return false;
    *hex = line.last(HexLength);
    const QByteArrayView rest = line.chopped(HexLength);
    if (!rest.endsWith(tail))
        return false;
    *name = rest.sliced(head.size(), rest.size() - head.size() - tail.size());
    return true;
}

// "digest  name", "digest *name" or "digest name"
bool parsePlain(QByteArrayView line, QByteArrayView* name, QByteArrayView* hex)
{
    if (line.size() < HexLength + 2 || (line[HexLength] != ' ' && line[HexLength] != '\t'))
        return false;
    *hex = line.first(HexLength);
    qsizetype at = HexLength + 1;
    if (line[at] == ' ' || line[at] == '*')
        ++at;
    *name = line.sliced(at);
    return true;
}

// One line without its line end; false when it holds no digest.
bool parseLine(QByteArrayView line, DigestLine* out)
{
    while (!line.isEmpty() && (line.front() == ' ' || line.front() == '\t'))
        line = line.sliced(1);
    const bool escaped = line.startsWith('\\');
    if (escaped)
        line = line.sliced(1);
    QByteArrayView name, hex;
    if (!parseTagged(line, &name, &hex) && !parsePlain(line, &name, &hex))
        return false;
    if (name.isEmpty() || !isHex(hex))
        return false;
    QByteArray bytes = name.toByteArray();
    if (escaped && !unescape(name, &bytes))
        return false;
    out->digest = QByteArray::fromHex(hex.toByteArray());
    out->name = pathFromNative(bytes);
    return true;
}

}  // namespace

QString sidecarName(const QString& base)
{
    return base + QStringLiteral(".sha256");
}

QByteArray sidecarLine(const DigestLine& line)
{
    const QByteArray name = nativePath(line.name);
    QByteArray out;
    // As sha256sum escapes: a line end inside a name would end the line.
    const bool escape = name.contains('\\') || name.contains('\n') || name.contains('\r');
    if (escape)
        out += '\\';
    out += line.digest.toHex();
    out += "  ";
    if (escape) {
        QByteArray escapedName = name;
        escapedName.replace("\\", "\\\\").replace("\n", "\\n").replace("\r", "\\r");
        out += escapedName;
    } else {
        out += name;
    }
    out += '\n';
    return out;
}

QByteArray sidecarText(const QList<DigestLine>& lines)
{
    QByteArray text;
    for (const DigestLine& line : lines)
        text += sidecarLine(line);
    return text;
}

SidecarContents parseSidecar(const QByteArray& text)
{
    SidecarContents contents;
    for (QByteArray line : text.split('\n')) {
        // a CR LF file's lines, and the last line without a line end
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith('#'))
            continue;
        DigestLine digestLine;
        if (parseLine(line, &digestLine))
            contents.lines.append(digestLine);
        else
            ++contents.malformed;
    }
    return contents;
}

RunError readSidecar(const QString& path, SidecarContents* contents)
{
    FileHandle file;
    qint64 size = 0;
    RunError e = file.open(path, FileHandle::Mode::Read);
    if (!e.failed())
        e = file.size(&size);
    if (e.failed())
        return e;
    QByteArray text(std::min(size, MaxSidecarBytes), Qt::Uninitialized);
    qint64 got = 0;
    e = file.readAt(0, text.data(), text.size(), &got);
    if (e.failed())
        return e;
    text.truncate(got);
    *contents = parseSidecar(text);
    return RunError::none();
}

}  // namespace tsl
