#include "ui/board/percentage_text.h"

#include "state/checked_int16.h"

#include <cmath>
#include <limits>
#include <stdexcept>

QString percentage_text(double share) {
    if (!std::isfinite(share)) {
        throw std::domain_error("a market share that is not a finite number cannot be shown");
    }
    // nearbyint under the default rounding mode sends halves to the even neighbour.
    const double rounded = std::nearbyint(share * 100.0);
    // Anything beyond the range of long long is far beyond 16 bits too; clamp it so that the
    // conversion is defined and checked_int16 reports the overflow.
    constexpr double limit = 9.0e18;
    const long long whole = std::fabs(rounded) < limit ? static_cast<long long>(rounded)
                            : rounded > 0              ? std::numeric_limits<long long>::max()
                                                       : std::numeric_limits<long long>::min();
    return QString::number(checked_int16(whole));
}
