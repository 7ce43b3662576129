#pragma once

#include <cstddef>

namespace orvel {

// A double as printf's "%.17g" writes it in the C locale: 17 significant digits, rounded
// half to even, trailing zeros dropped, so that it reads back as the same double. Zeros
// and the magnitudes of chart values (2^-19 up to 2^52) are worked out exactly in 128-bit
// integers, several times as fast as the general conversion, which takes the others.
class DoubleText {
public:
    // Room for the longest text: sign, 17 digits, point and a three-digit exponent.
    static constexpr std::size_t MaxLength = 32;

    // Writes the text of the finite `value` from `out` on; gives the end.
    static char *write(double value, char *out);
};

} // namespace orvel
