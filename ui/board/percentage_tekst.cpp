#include "ui/board/percentage_tekst.h"

#include "state/naar_int16.h"

#include <cmath>
#include <limits>
#include <stdexcept>

QString percentage_tekst(double aandeel) {
    if (!std::isfinite(aandeel)) {
        throw std::domain_error("a market share that is not a finite number cannot be shown");
    }
    return procent_tekst(aandeel * 100.0);
}

QString procent_tekst(double procent) {
    if (std::isnan(procent)) {
        throw std::domain_error("a market share that is not a number cannot be shown");
    }
    // nearbyint under the default rounding mode sends halves to the even neighbour.
    const double afgerond = std::nearbyint(procent);
    // Anything beyond the range of long long, infinity too, is far beyond 16 bits; clamp it so
    // that the conversion is defined and naar_int16 reports the overflow.
    constexpr double grens = 9.0e18;
    const long long geheel = std::fabs(afgerond) < grens ? static_cast<long long>(afgerond)
                             : afgerond > 0              ? std::numeric_limits<long long>::max()
                                                         : std::numeric_limits<long long>::min();
    return QString::number(naar_int16(geheel));
}
