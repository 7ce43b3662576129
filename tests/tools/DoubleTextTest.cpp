#include "tools/orvelchart/DoubleText.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

using namespace orvel;

namespace {

// The reference: the standard library's "%.17g".
std::string general17(double value)
{
    char text[64];
    return {text, std::to_chars(text, text + sizeof text, value, std::chars_format::general, 17).ptr};
}

std::string written(double value)
{
    char text[DoubleText::MaxLength];
    return {text, DoubleText::write(value, text)};
}

struct NamedValue {
    const char *name;
    double value;
};

std::ostream &operator<<(std::ostream &os, const NamedValue &v) { return os << v.name; }

const NamedValue Values[] = {
    {"Zero", 0.0},
    {"NegativeZero", -0.0},
    {"OneTenth", 0.1},
    {"OneThird", 1.0 / 3},
    {"Integer", 100.0},
    {"NegativeHalf", -0.5},
    {"Longitude", 280.663287864133},
    {"JustBelow360", std::nextafter(360.0, 0.0)},
    {"OneTenThousandth", 1e-4},
    {"JustBelowOneTenThousandth", std::nextafter(1e-4, 0.0)},
    {"ExponentNotation", 1e-5},
    {"NegativeExponentNotation", -7.25e-6},
    {"SmallestOfTheFastRange", std::ldexp(1.0, -19)},
    {"JustBelowTheFastRange", std::nextafter(std::ldexp(1.0, -19), 0.0)},
    {"OneMillionth", 1e-6},
    {"LargestOfTheFastRange", std::nextafter(std::ldexp(1.0, 52), 0.0)},
    {"TwoToThe52", std::ldexp(1.0, 52)},
    {"TwoToThe53PlusTwo", std::ldexp(1.0, 53) + 2},
    {"RoundsUpToAPowerOfTen", 9.9999999999999999e14},
    {"JustBelowAPowerOfTen", std::nextafter(1000.0, 0.0)},
    {"JustAboveAPowerOfTen", std::nextafter(1000.0, 2000.0)},
    {"Large", 1e300},
    {"Denormal", std::numeric_limits<double>::denorm_min()},
    {"Largest", std::numeric_limits<double>::max()},
};

class DoubleTextTest : public testing::TestWithParam<NamedValue> {};

} // namespace

TEST_P(DoubleTextTest, WritesWhatPercent17gWrites)
{
    EXPECT_EQ(written(GetParam().value), general17(GetParam().value));
}

INSTANTIATE_TEST_SUITE_P(Values, DoubleTextTest, testing::ValuesIn(Values),
                         [](const testing::TestParamInfo<NamedValue> &info) { return std::string(info.param.name); });

// Chart values, and doubles of every bit pattern with binary exponents from below to
// above the exactly computed range, the texts rounded half to even at the 17th digit among them.
TEST(DoubleTextSweep, WritesWhatPercent17gWritesForMillionsOfDoubles)
{
    std::mt19937_64 random(26);
    std::uniform_real_distribution<double> degrees(-360.0, 360.0);
    int mismatches = 0;
    for (int i = 0; i < 1'000'000 && mismatches < 10; ++i) {
        const std::uint64_t exponent = 1023 - 24 + random() % 80;
        const double patterned = std::bit_cast<double>((random() & 0x800FFFFFFFFFFFFFull) | exponent << 52);
        // Few fraction bits: exact halves at the 17th digit.
        const double coarse = std::ldexp(double(random() % (std::uint64_t(1) << 60)), -int(random() % 70));
        for (const double value : {degrees(random), patterned, coarse}) {
            const std::string expected = general17(value);
            if (written(value) != expected) {
                ++mismatches;
                ADD_FAILURE() << expected << " written as " << written(value);
            }
        }
    }
}
