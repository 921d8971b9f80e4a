// Progress bars hold int values; a job's byte counts may not fit. These are
// the bar's value and maximum for any value and maximum a job reports.
#pragma once

namespace tsl {

struct BarValues {
    int value = 0;
    int maximum = 1;
};

// value and maximum scaled into int range together (the bar shows the same
// share), value kept within 0..maximum; a maximum of 0 or less gives 0 of 1.
BarValues barValues(double value, double maximum);

}  // namespace tsl
