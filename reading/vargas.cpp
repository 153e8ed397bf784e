#include "reading/vargas.h"

#include "engine/zodiac.h"

namespace reading {

namespace {

constexpr int kSecondsPerDegree = 3600;

// The Parashari rules. sign is 0 (Aries) to 11, part the equal part of the sign the position
// falls in, counted from 0. Aries, Gemini, … are the odd signs (sign even); the signs run
// movable, fixed, dual from Aries; and fiery, earthy, airy, watery.
int EqualPartSign(int divisions, int sign, int part) {
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
    for (int varga = 0; varga < kVargaCount; ++varga) {
        for (int body = 0; body < kNavamsaBodyCount; ++body) {
            signs[varga][body] =
                static_cast<std::uint8_t>(VargaSignOfArcSeconds(varga, arcSeconds[body]));
        }
    }
    return signs;
}

}  // namespace reading
