#pragma once

#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>

// Every Integer of the game is a signed 16-bit value. Arithmetic that may leave that range (counts,
// the round, rounded percentages) goes through here, so it fails before anything is stored.
inline std::int16_t naar_int16(long long waarde) {
    if (waarde < std::numeric_limits<std::int16_t>::min() ||
        waarde > std::numeric_limits<std::int16_t>::max()) {
        throw std::overflow_error("Integer overflow: " + std::to_string(waarde) +
                                  " does not fit in 16 bits");
    }
    return static_cast<std::int16_t>(waarde);
}
