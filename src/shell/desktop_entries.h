// The files TSL places on a freedesktop desktop, as text: the MIME package of
// the info file type, the desktop entries (open .000 files, Split on MPEG
// video, send-to for Thunar and KDE) and the Nautilus script. Every file
// carries OwnerMark, so TSL rewrites or removes only what it wrote itself.
#pragma once

#include <QString>
#include <optional>

namespace tsl {

// The MIME type of an info file (*.000), and the desktop entry that opens it.
inline const QString InfoMimeType = QStringLiteral("application/x-tsl-info");
inline const QString InfoTypeComment = QStringLiteral("TSL Info File");
inline const QString DesktopId = QStringLiteral("tsl.desktop");
// The type whose files get the Split entry.
inline const QString SplitMimeType = QStringLiteral("video/mpeg");
// A line in every file TSL writes.
inline const QString OwnerMark = QStringLiteral("X-TSL-Managed=true");

// The program as the Exec key of a desktop entry wants it, quoted and escaped
// when it holds blanks or other reserved characters; nullopt for a path that
// no desktop entry can hold (a line break or another control character).
std::optional<QString> execProgram(const QString& program);

// The path as one word of a POSIX shell command line.
QString shellQuoted(const QString& text);

// The contents, for a program path already passed through execProgram (exec)
// or shellQuoted (script).
QString mimePackage();
QString openEntry(const QString& exec);         // applications/tsl.desktop
QString splitEntry(const QString& exec);        // applications/tsl-split.desktop
QString kdeSplitMenu(const QString& exec);      // kio/servicemenus/tsl-split.desktop
QString thunarSendTo(const QString& exec);      // Thunar/sendto/tsl.desktop
QString kdeSendToMenu(const QString& exec);     // kio/servicemenus/tsl-sendto.desktop
QString nautilusScript(const QString& script);  // nautilus/scripts/TSL

// Whether text is a file TSL wrote (it holds OwnerMark).
bool isOwnFile(const QString& text);

// Whether text is the send-to entry of TSL's earlier release: a desktop entry
// or script whose command runs a program named tsl or vantor.
bool isEarlierReleaseEntry(const QString& text);

}  // namespace tsl
