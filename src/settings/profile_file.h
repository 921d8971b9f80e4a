// tsl.ini: a profile file read and written with the rules of the Windows
// profile functions, so a file edited by hand or carried over from another
// machine keeps working and keeps its look.
//
// Lines "[Section]" open a section and lines "Key=Value" hold values; names
// match without regard to letter case and blanks around names and values do
// not count; a value enclosed in a pair of matching quotes is read without
// them. Lines starting with ";" are comments. Writing a key replaces its line
// where it stands, adds the line at the end of its section or adds the section
// at the end of the file, and keeps every other line byte for byte. The file is
// written to a new file beside it that is then renamed over the old one, so a
// failure half-way leaves the old file as it was.
#pragma once

#include <QString>
#include <optional>

namespace tsl {

// The longest value the reader returns; longer ones are cut.
constexpr qsizetype ProfileValueMax = 1999;

// The value of key in section, cut to ProfileValueMax characters; nullopt when
// the file, the section or the key is missing.
std::optional<QString> readProfileValue(const QString& file, const QString& section,
                                        const QString& key);

// Writes key=value into section, creating the file when missing. Returns
// false when nothing was written (unwritable folder, a line break in the
// value or name, a failed rename).
bool writeProfileValue(const QString& file, const QString& section, const QString& key,
                       const QString& value);

}  // namespace tsl
