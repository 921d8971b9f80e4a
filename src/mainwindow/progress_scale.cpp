#include "mainwindow/progress_scale.h"

#include <QtGlobal>
#include <cmath>

namespace tsl {

namespace {
// Well inside int, so rounding can never step over.
constexpr double BarLimit = 1000000000.0;
}  // namespace

BarValues barValues(double value, double maximum)
{
    if (!(maximum > 0))
        return {};
    const double scale = maximum > BarLimit ? BarLimit / maximum : 1.0;
    const int top = qMax(1, int(std::llround(maximum * scale)));
    const double v = std::isnan(value) ? 0.0 : value * scale;
    return {int(qBound(0.0, std::round(v), double(top))), top};
}

}  // namespace tsl
