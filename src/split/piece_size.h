// The piece size of one file as the settings ask for it: the part size
// (SplitSize), or, with SplitMode 1, the size that cuts that file into
// SplitPieces pieces, so each file of a selection gets its own.
#pragma once

#include "settings/settings.h"

#include <QString>

namespace tsl {

// Whether the settings ask for a number of pieces rather than a part size.
inline bool splitsByCount(const Settings& settings)
{
    return settings.SplitMode == 1;
}

// The whole number of bytes per piece for a file of `length` bytes.
qint64 splitPieceSize(const Settings& settings, qint64 length);

// How many pieces the settings cut a file of `length` bytes into: the one
// count the engine writes, the window's summary shows and tsl-cli checks a
// range against.
qint64 splitPieceCount(const Settings& settings, qint64 length);

// Why the file `name` of `length` bytes is not split into SplitPieces pieces:
// the size each piece would hold lies outside the part sizes the options
// accept (the range rule of SplitSize), and the message names it. Empty when
// it can be split, and always when the settings ask for a part size.
QString countSizeRefusal(const Settings& settings, const QString& name, qint64 length);

}  // namespace tsl
