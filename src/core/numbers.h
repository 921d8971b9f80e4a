// Reading numbers the way the input fields and stored texts are read: the
// number the leading characters spell, with a point as decimal separator.
#pragma once

#include <QString>

namespace tsl {

// The number at the start of text (leading blanks skipped, optional sign,
// digits with an optional "." fraction and exponent); 0 when none.
double leadingNumber(const QString& text);

// Rounds to the nearest whole number, halves to the even neighbour.
qint64 roundHalfEven(double value);

}  // namespace tsl
