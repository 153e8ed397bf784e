#include "reading/vargas.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "engine/zodiac.h"

namespace reading {

namespace {

constexpr int kSecondsPerDegree = 3600;

// The Parashari rules. sign is 0 (Aries) to 11, part the equal part of the sign the position
// falls in, counted from 0. Aries, Gemini, … are the odd signs (sign even); the signs run
// movable, fixed, dual from Aries; and fiery, earthy, airy, watery.
constexpr int EqualPartSign(int divisions, int sign, int part) {
    const bool odd = sign % 2 == 0;
    const int quality = sign % 3;  // 0 movable, 1 fixed, 2 dual
    switch (divisions) {
        case 1:
            return sign;
        case 2:  // Hora: the Sun's Leo and the Moon's Cancer
            return (odd == (part == 0)) ? 4 : 3;
        case 3:
            return sign + 4 * part;
        case 4:
            return sign + 3 * part;
        case 7:
            return odd ? sign + part : sign + 6 + part;
        case 9:
            return 9 * sign + part;
        case 10:
            return odd ? sign + part : sign + 8 + part;
        case 12:
        case 60:
            return sign + part;
        case 16:
        case 45: {
            constexpr int kStarts[] = {0, 4, 8};
            return kStarts[quality] + part;
        }
        case 20: {
            constexpr int kStarts[] = {0, 8, 4};
            return kStarts[quality] + part;
        }
        case 24:
            return odd ? 4 + part : 3 + part;
        case 27:
            return 3 * (sign % 4) + part;
        case 40:
            return odd ? part : 6 + part;
        default:
            return sign;
    }
}

// The Trimsamsa: five unequal parts, ruled by Mars, Saturn, Jupiter, Mercury and Venus in odd
// signs and in the reverse order in even ones.
int TrimsamsaSign(int sign, int secondsInSign) {
    struct Part {
        int belowDegrees;
        int sign;
    };
    constexpr Part kOdd[] = {{5, 0}, {10, 10}, {18, 8}, {25, 2}, {30, 6}};
    constexpr Part kEven[] = {{5, 1}, {12, 5}, {20, 11}, {25, 9}, {30, 7}};
    const Part* parts = sign % 2 == 0 ? kOdd : kEven;
    int i = 0;
    while (secondsInSign >= parts[i].belowDegrees * kSecondsPerDegree) {
        ++i;
    }
    return parts[i].sign;
}

// Every chart's sign for each sign and each of its equal parts, worked out when the program is
// compiled: a chart looks up 176 signs instead of going through the rules for each.
constexpr int kMostParts = 60;
using PartSignTable =
    std::array<std::array<std::array<std::uint8_t, kMostParts>, engine::kSignCount>, kVargaCount>;

constexpr PartSignTable MakePartSigns() {
    PartSignTable table{};
    for (int varga = 0; varga < kVargaCount; ++varga) {
        const int divisions = kVargaCharts[varga].divisions;
        for (int sign = 0; sign < engine::kSignCount; ++sign) {
            for (int part = 0; part < divisions && part < kMostParts; ++part) {
                table[varga][sign][part] = static_cast<std::uint8_t>(
                    EqualPartSign(divisions, sign, part) % engine::kSignCount);
            }
        }
    }
    return table;
}

constexpr PartSignTable kPartSigns = MakePartSigns();
static_assert(std::all_of(kVargaCharts.begin(), kVargaCharts.end(),
                          [](const VargaChart& chart) { return chart.divisions <= kMostParts; }),
              "a chart has more parts than the table holds");

}  // namespace

int VargaSignOfArcSeconds(int varga, int arcSeconds) {
    const int sign = arcSeconds / engine::kArcSecondsPerSign;
    const int secondsInSign = arcSeconds % engine::kArcSecondsPerSign;
    const int divisions = kVargaCharts[varga].divisions;
    if (divisions == 30) {
        return TrimsamsaSign(sign, secondsInSign);
    }
    const int part = secondsInSign * divisions / engine::kArcSecondsPerSign;
    return EqualPartSign(divisions, sign, part) % engine::kSignCount;
}

VargaSigns VargasOf(const BodyArcSeconds& arcSeconds) {
    VargaSigns signs{};
    for (int body = 0; body < kNavamsaBodyCount; ++body) {
        const int sign = arcSeconds[body] / engine::kArcSecondsPerSign;
        const int secondsInSign = arcSeconds[body] % engine::kArcSecondsPerSign;
        for (int varga = 0; varga < kVargaCount; ++varga) {
            const int divisions = kVargaCharts[varga].divisions;
            signs[varga][body] = static_cast<std::uint8_t>(
                divisions == 30 ? TrimsamsaSign(sign, secondsInSign)
                                : kPartSigns[varga][sign][secondsInSign * divisions /
                                                          engine::kArcSecondsPerSign]);
        }
    }
    return signs;
}

}  // namespace reading
