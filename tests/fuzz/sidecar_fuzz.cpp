// Fuzz target: checksum files. Any text must read without a crash; every line
// read has a whole digest and a name; what was read, written again, reads
// back the same; and picking the lines of a set (named by the text's first
// line) gives piece numbers that have names.
#include "pieces/set_digests.h"
#include "pieces/sha256_sidecar.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace tsl;
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    const SidecarContents contents = parseSidecar(text);
    for (const DigestLine& line : contents.lines) {
        if (line.digest.size() != 32 || line.name.isEmpty())
            std::abort();
    }
    const SidecarContents again = parseSidecar(sidecarText(contents.lines));
    if (again.malformed != 0 || again.lines.size() != contents.lines.size())
        std::abort();
    for (qsizetype i = 0; i < again.lines.size(); ++i) {
        if (again.lines[i].name != contents.lines[i].name
            || again.lines[i].digest != contents.lines[i].digest)
            std::abort();
    }
    const QString base = QString::fromUtf8(text.left(text.indexOf('\n')));
    const SetDigests set = pickSetDigests(contents.lines, QStringLiteral("/d/"), base);
    for (auto it = set.pieces.begin(); it != set.pieces.end(); ++it) {
        if (it.key() < 1 || it.key() > 19682 || it.value().isEmpty())
            std::abort();
    }
    return 0;
}
