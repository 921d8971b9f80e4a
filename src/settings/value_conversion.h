// How stored texts become setting values and back.
//
// Both stores hold text. Loading turns it into truth values, integers and
// floating-point numbers with fixed rules: numbers are read from the start of
// the text with a point as the decimal separator, whatever the locale, and
// integers are rounded with halves going to the even neighbour. A conversion
// that fails gives std::nullopt, and the loader then keeps the variable's
// previous value.
#pragma once

#include <QString>
#include <optional>

namespace tsl {

// The number at the start of text, leading blanks skipped: an optional sign,
// digits with an optional point, an optional exponent (e or d). No number
// gives 0. `overflow` is set when the number is too large for a double.
struct LeadingNumber {
    double value = 0;
    bool overflow = false;
};
LeadingNumber leadingNumber(const QString& text);

// The whole text as a truth value: a number (non-zero is true) or the word
// True or False in any letter case, blanks around it allowed. Anything else,
// the empty text included, gives nullopt.
std::optional<bool> toTruth(const QString& text);

// The leading number as a truth value: non-zero is true. Never fails, and
// text without a number (the word True too) is false.
bool leadingTruth(const QString& text);

// x rounded to the nearest integer, halves to the even neighbour.
double roundHalfEven(double x);

// The leading number rounded half to even; nullopt when it does not fit.
std::optional<qint16> toInt16(const QString& text);
std::optional<qint32> toInt32(const QString& text);

// The leading number; nullopt when it does not fit the type.
std::optional<double> toDouble(const QString& text);
std::optional<float> toSingle(const QString& text);

// Texts as the store holds them: "-1" / "0" for truth values, plain decimal
// with a point for numbers (no exponent for the values settings take).
QString truthText(bool value);
QString numberText(double value);
QString singleText(float value);

// A number as the options dialog shows it: up to 15 significant digits,
// plain decimal with a point, no leading zero before the point (.48828125).
QString dialogNumberText(double value);

}  // namespace tsl
