// The batch file that rebuilds a split file with the command interpreter's
// own binary copy, for machines that have no copy of TSL.
//
// Names are written so that the file rebuilds the right file and runs nothing
// else: "%" is doubled in every line (it starts a variable even inside quotes),
// and the interpreter's special characters are escaped with "^" wherever a
// name stands outside quotes (the Echo lines, and the unquoted 8.3 form).
#pragma once

#include "core/run_error.h"

#include <QString>
#include <QStringList>

namespace tsl {

struct BatchFileInput {
    QString longName;  // the source's own name (echoed)
    QString base;      // the pieces' base name (long name, or 8.3 name)
    qint64 pieceCount = 0;
    bool shortNames = false;  // 8.3 mode: no quotes, target = base + last four of longName
};

// The lines of the batch file, without line ends.
QStringList batchFileLines(const BatchFileInput& input);

// The lines, each ended by CR LF, as the file's bytes.
QByteArray batchFileBytes(const BatchFileInput& input);

// Writes the lines, each ended by CR LF, to path (replacing an existing file).
RunError writeBatchFile(const QString& path, const BatchFileInput& input);

}  // namespace tsl
