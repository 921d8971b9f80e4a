// The size limits people split to fit (a floppy, a mail attachment, a disc,
// the largest file FAT32 holds), by name: what tsl-cli's --size and
// `config set SplitSize` take besides a number, and what the options
// dialog's part-size field offers.
#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace tsl {

struct NamedSize {
    const char* name;  // what is typed: "cd700"
    qint64 bytes;
    const char* what;  // what it fits, for a list of choices: "CD, 700 MB" (untranslated:
                       // SettingsText::tr(what) gives the user's language)
};

// Every named size, smallest first.
const std::vector<NamedSize>& namedSizes();

// The bytes of the size named by text (blanks around it and letter case
// ignored); nullopt when text names none.
std::optional<qint64> namedSize(const QString& text);

// The names, "floppy, email, ..., bd", for help texts.
QString namedSizeList();

}  // namespace tsl
