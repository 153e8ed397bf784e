#include "cli/shortest_decimal.h"

#include <array>
#include <bit>
#include <charconv>
#include <cstdint>
#include <cstring>

namespace cli {

namespace {

// The shortest decimal is found as in R. Giulietti's "The Schubfach way to render doubles":
// the double's rounding interval is scaled by a power of ten to the unit of its last digits,
// and the one or two whole numbers inside it are the candidates. Doubles of everyday size only
// need the powers 10^0 to 10^23, which are exact, so no table of approximations is needed.

using Wide = unsigned __int128;

constexpr int kSignificandBits = 52;
constexpr std::uint64_t kHiddenBit = std::uint64_t{1} << kSignificandBits;
constexpr int kExponentBias = 1075;  // value = significand * 2^(biased exponent - 1075)
// The binary exponents worked out here: significands times 2^-72 (from 2^-20) up to 2^-1.
// Whole numbers up to 2^53 are written directly.
constexpr int kLowestExponent = -72;
constexpr int kHighestExponent = -1;
constexpr int kMostPower = 23;

constexpr Wide PowerOfTen(int exponent) {
    Wide power = 1;
    for (int i = 0; i < exponent; ++i) {
        power *= 10;
    }
    return power;
}

constexpr int FloorLog2(Wide value) {
    int log = -1;
    for (; value != 0; value >>= 1) {
        ++log;
    }
    return log;
}

// For every power 10^e: 10^e * 2^(125 - floor(log2 10^e)), plus one. It lies in [2^125, 2^126),
// so a significand scaled by it keeps more bits than the rounding interval needs.
struct ScaledPower {
    Wide scaled;
    int log2;  // floor(log2 10^e)
};

constexpr std::array<ScaledPower, kMostPower + 1> kScaledPowers = [] {
    std::array<ScaledPower, kMostPower + 1> powers{};
    for (int e = 0; e <= kMostPower; ++e) {
        const int log2 = FloorLog2(PowerOfTen(e));
        powers[e] = {(PowerOfTen(e) << (125 - log2)) + 1, log2};
    }
    return powers;
}();

// For every binary exponent q, the e = -k of the power 10^k that the double's last digits
// count in: the largest 10^k not above 2^q, and for a significand that is a power of two
// (whose lower neighbour lies half as far) the largest not above 3/4 * 2^q.
struct DecimalExponents {
    std::array<int, kHighestExponent - kLowestExponent + 1> regular{};
    std::array<int, kHighestExponent - kLowestExponent + 1> powerOfTwo{};
};

constexpr DecimalExponents kDecimalExponents = [] {
    DecimalExponents exponents;
    for (int q = kLowestExponent; q <= kHighestExponent; ++q) {
        // 10^-e <= 2^q  <=>  2^-q <= 10^e;  10^-e <= 3 * 2^(q-2)  <=>  2^(2-q) <= 3 * 10^e.
        int e = 0;
        while (PowerOfTen(e) < Wide{1} << -q) {
            ++e;
        }
        exponents.regular[q - kLowestExponent] = e;
        e = 0;
        while (3 * PowerOfTen(e) < Wide{1} << (2 - q)) {
            ++e;
        }
        exponents.powerOfTwo[q - kLowestExponent] = e;
    }
    return exponents;
}();

static_assert(kDecimalExponents.powerOfTwo.front() <= kMostPower);

// scaled * factor / 2^127, rounded to odd: the whole part, with its lowest bit set when a
// fraction is left. The fraction is judged on the upper bits of the product alone (scaled is a
// hair above the exact power, and the bits that this hair reaches are left out), so an exact
// quotient shows as one; with that, the comparisons with the candidates are exact.
std::uint64_t ScaledRoundedToOdd(Wide scaled, std::uint64_t factor) {
    constexpr std::uint64_t kBelow63 = (std::uint64_t{1} << 63) - 1;
    const auto upper = static_cast<std::uint64_t>(scaled >> 63);  // scaled = upper 2^63 + lower
    const auto lower = static_cast<std::uint64_t>(scaled) & kBelow63;
    const Wide upperProduct = Wide{upper} * factor;
    const auto lowerTop = static_cast<std::uint64_t>((Wide{lower} * factor) >> 64);
    // The product over 2^127 is upperProduct / 2^64 + lower * factor / 2^127.
    const std::uint64_t middle = (static_cast<std::uint64_t>(upperProduct) >> 1) + lowerTop;
    const std::uint64_t whole = static_cast<std::uint64_t>(upperProduct >> 64) + (middle >> 63);
    return whole | ((middle & kBelow63) != 0 ? 1 : 0);
}

struct Decimal {
    std::uint64_t digits;
    int exponent;  // the value is digits * 10^exponent
};

// The shortest decimal inside the rounding interval of significand * 2^q, the closest to the
// double when two are; significand is normal and q lies in [kLowestExponent, kHighestExponent].
Decimal ShortestDecimal(std::uint64_t significand, int q) {
    // The interval's ends and the double itself, in quarters of 2^q.
    const std::uint64_t inside = significand & 1;  // an odd significand's ends are outside
    const std::uint64_t middle = significand << 2;
    const std::uint64_t upper = middle + 2;
    const bool powerOfTwo = significand == kHiddenBit;
    const std::uint64_t lower = powerOfTwo ? middle - 1 : middle - 2;
    const int e = powerOfTwo ? kDecimalExponents.powerOfTwo[q - kLowestExponent]
                             : kDecimalExponents.regular[q - kLowestExponent];
    const ScaledPower& power = kScaledPowers[e];
    const int shift = q + power.log2 + 2;
    // In quarters of 10^-e.
    const std::uint64_t v = ScaledRoundedToOdd(power.scaled, middle << shift);
    const std::uint64_t low = ScaledRoundedToOdd(power.scaled, lower << shift) + inside;
    const std::uint64_t high = ScaledRoundedToOdd(power.scaled, upper << shift) - inside;

    const std::uint64_t below = v >> 2;
    // One digit fewer, when exactly one of its two candidates is inside.
    const std::uint64_t shortBelow = below / 10 * 10;
    const std::uint64_t shortAbove = shortBelow + 10;
    const bool shortBelowInside = low <= shortBelow << 2;
    const bool shortAboveInside = shortAbove << 2 <= high;
    if (shortBelowInside != shortAboveInside) {
        return {shortBelowInside ? shortBelow : shortAbove, -e};
    }
    const std::uint64_t above = below + 1;
    const bool belowInside = low <= below << 2;
    const bool aboveInside = above << 2 <= high;
    if (belowInside != aboveInside) {
        return {belowInside ? below : above, -e};
    }
    // Both are inside: the closer one, the even one when the double lies halfway.
    const std::uint64_t halfway = (below << 2) + 2;
    const bool takeBelow = v < halfway || (v == halfway && below % 2 == 0);
    return {takeBelow ? below : above, -e};
}

constexpr std::array<char, 200> kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (int i = 0; i < 100; ++i) {
        pairs[2 * i] = static_cast<char>('0' + i / 10);
        pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

// Writes the digits of value so that they end at end; returns where they start. Eight digits
// at a time in 32-bit arithmetic, which is cheaper than dividing the whole number by 100.
char* WriteDigitsBefore(char* end, std::uint64_t value) {
    constexpr std::uint32_t kEightDigits = 100'000'000;
    const auto writePair = [&end](std::uint32_t pair) {
        end -= 2;
        std::memcpy(end, &kDigitPairs[2 * pair], 2);
    };
    while (value >= kEightDigits) {
        auto chunk = static_cast<std::uint32_t>(value % kEightDigits);
        value /= kEightDigits;
        for (int i = 0; i < 4; ++i) {
            writePair(chunk % 100);
            chunk /= 100;
        }
    }
    auto rest = static_cast<std::uint32_t>(value);
    for (; rest >= 100; rest /= 100) {
        writePair(rest % 100);
    }
    if (rest >= 10) {
        writePair(rest);
    } else {
        *--end = static_cast<char>('0' + rest);
    }
    return end;
}

// Writes digits * 10^exponent in fixed notation, exponent at least -kMostPower. The pieces are
// copied in blocks of a fixed size, which the compiler does without a call; the bytes past the
// end are room the caller has and later writing covers.
char* WriteFixed(char* out, Decimal decimal) {
    while (decimal.digits % 10 == 0 && decimal.digits != 0) {
        decimal.digits /= 10;
        ++decimal.exponent;
    }
    constexpr std::size_t kBlock = 24;  // more than the twenty digits of 2^64, or 23 zeros
    std::array<char, 2 * kBlock> text{};
    char* const end = text.data() + kBlock;
    const char* const first = WriteDigitsBefore(end, decimal.digits);
    const auto count = static_cast<int>(end - first);
    const auto zeros = [&out](int bytes) {
        std::memset(out, '0', kBlock);
        out += bytes;
    };
    if (decimal.exponent >= 0) {
        std::memcpy(out, first, kBlock);
        out += count;
        zeros(decimal.exponent);
    } else if (count > -decimal.exponent) {
        const int whole = count + decimal.exponent;
        std::memcpy(out, first, kBlock);
        out += whole;
        *out++ = '.';
        std::memcpy(out, first + whole, kBlock);
        out += -decimal.exponent;
    } else {
        *out++ = '0';
        *out++ = '.';
        zeros(-decimal.exponent - count);
        std::memcpy(out, first, kBlock);
        out += count;
    }
    return out;
}

}  // namespace

char* WriteShortestFixed(char* out, double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const auto biased = static_cast<int>(bits >> kSignificandBits & 0x7FF);
    const int q = biased - kExponentBias;
    if (biased == 0 || q < kLowestExponent || q > 0) {
        // Zero, subnormals, and numbers too small or too large for the work above.
        return std::to_chars(out, out + kMostFixedDecimalBytes, value, std::chars_format::fixed)
            .ptr;
    }
    if (bits >> 63 != 0) {
        *out++ = '-';
    }
    const std::uint64_t significand = (bits & (kHiddenBit - 1)) | kHiddenBit;
    if (q >= -kSignificandBits && (significand & ((std::uint64_t{1} << -q) - 1)) == 0) {
        return WriteFixed(out, {significand >> -q, 0});  // a whole number
    }
    return WriteFixed(out, ShortestDecimal(significand, q));
}

}  // namespace cli
