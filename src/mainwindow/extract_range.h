// The Split panel's extract range: how a typed number and its scroll bar
// follow each other, and the check of the range before a split starts.
//
// The bar runs from 0 to the piece count upside down: the number shown is
// the bar's maximum minus its value, so moving the bar up counts up.
#pragma once

#include <QString>

namespace tsl {

// A field after an edit: its text, corrected when the number was above the
// maximum or below 0, and the bar value that shows it.
struct RangeField {
    QString text;
    int barValue = 0;
};
RangeField clampRangeField(const QString& text, int maximum);

// The field's text for a bar value.
QString rangeFieldText(int barValue, int maximum);

// The range a split is to write: 0 and 0 for the whole file.
struct ExtractRange {
    bool ok = false;
    qint64 start = 0;
    qint64 end = 0;
    QString message;  // why the range was refused, when not ok
};

// Accepts both fields at 0 (or empty), or two whole numbers from 1 to
// pieces; refuses anything else with a message that names the file.
ExtractRange checkExtractRange(const QString& start, const QString& end, qint64 pieces,
                               const QString& file);

}  // namespace tsl
