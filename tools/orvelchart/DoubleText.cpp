#include "tools/orvelchart/DoubleText.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace orvel {

namespace {

// GCC's and Clang's 128-bit integer.
__extension__ using Wide = unsigned __int128;

constexpr int Digits = 17;
constexpr std::uint64_t LeastDigits = 10'000'000'000'000'000ull; // 10^16, the smallest of 17 digits
constexpr std::uint64_t TooManyDigits = LeastDigits * 10;

constexpr std::array<Wide, 23> PowersOfTen = [] {
    std::array<Wide, 23> powers{};
    powers[0] = 1;
    for (std::size_t i = 1; i < powers.size(); ++i)
        powers[i] = powers[i - 1] * 10;
    return powers;
}();

// mantissa × 10^power / 2^shift, rounded half to even.
std::uint64_t scaled(std::uint64_t mantissa, int power, int shift)
{
    const Wide product = Wide(mantissa) * PowersOfTen[power];
    std::uint64_t quotient = std::uint64_t(product >> shift);
    const Wide rest = product & ((Wide(1) << shift) - 1);
    const Wide half = Wide(1) << (shift - 1);
    if (rest > half || (rest == half && (quotient & 1)))
        ++quotient;
    return quotient;
}

char *trimmedDigits(const char *digits, int count, char *out)
{
    while (count > 0 && digits[count - 1] == '0')
        --count;
    for (int i = 0; i < count; ++i)
        *out++ = digits[i];
    return out;
}

} // namespace

char *DoubleText::write(double value, char *out)
{
    const auto bits = std::bit_cast<std::uint64_t>(value);
    if (bits >> 63)
        *out++ = '-';
    // Most numbers of a chart are the zeros of its unused slots.
    if (value == 0) {
        *out++ = '0';
        return out;
    }
    const int biased = int(bits >> 52 & 0x7FF);
    const int binaryExponent = biased - 1023;
    // |value| = mantissa / 2^shift. From 2^-19 (above 1e-6) up to 2^52 the mantissa times
    // the power of ten that gives 17 digits stays below 2^128.
    if (binaryExponent < -19 || binaryExponent > 51)
        return std::to_chars(out, out + MaxLength, std::abs(value), std::chars_format::general, Digits).ptr;
    const std::uint64_t mantissa = (bits & ((std::uint64_t(1) << 52) - 1)) | (std::uint64_t(1) << 52);
    const int shift = 52 - binaryExponent;

    // The decimal exponent is floor(binaryExponent × log10 2) or one more.
    int exponent = (binaryExponent * 78913) >> 18;
    std::uint64_t significand = scaled(mantissa, Digits - 1 - exponent, shift);
    if (significand >= TooManyDigits) {
        ++exponent;
        significand = scaled(mantissa, Digits - 1 - exponent, shift);
    }
    // Rounded up to the next power of ten.
    if (significand == TooManyDigits) {
        ++exponent;
        significand = LeastDigits;
    }

    char digits[Digits];
    for (int i = Digits - 1; i >= 0; --i) {
        digits[i] = char('0' + significand % 10);
        significand /= 10;
    }
    if (exponent >= 0) {
        for (int i = 0; i <= exponent; ++i)
            *out++ = digits[i];
        char *point = out++;
        *point = '.';
        out = trimmedDigits(digits + exponent + 1, Digits - 1 - exponent, out);
        return out == point + 1 ? point : out;
    }
    if (exponent >= -4) {
        *out++ = '0';
        *out++ = '.';
        for (int i = -1; i > exponent; --i)
            *out++ = '0';
        return trimmedDigits(digits, Digits, out);
    }
    // Below 1e-4 "%g" turns to an exponent: from here on e-05 or e-06.
    *out++ = digits[0];
    char *point = out++;
    *point = '.';
    out = trimmedDigits(digits + 1, Digits - 1, out);
    if (out == point + 1)
        out = point;
    *out++ = 'e';
    *out++ = '-';
    *out++ = '0';
    *out++ = char('0' - exponent);
    return out;
}

} // namespace orvel
