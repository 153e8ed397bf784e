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
struct TrimsamsaPart {
    int belowDegrees;
    int sign;
};
constexpr std::array<TrimsamsaPart, 5> kOddTrimsamsa{{{5, 0}, {10, 10}, {18, 8}, {25, 2}, {30, 6}}};
constexpr std::array<TrimsamsaPart, 5> kEvenTrimsamsa{
    {{5, 1}, {12, 5}, {20, 11}, {25, 9}, {30, 7}}};

constexpr int TrimsamsaSign(int sign, int secondsInSign) {
    const auto& parts = sign % 2 == 0 ? kOddTrimsamsa : kEvenTrimsamsa;
    int i = 0;
    while (secondsInSign >= parts[i].belowDegrees * kSecondsPerDegree) {
        ++i;
    }
    return parts[i].sign;
}

constexpr int SignByRules(int varga, int sign, int secondsInSign) {
    const int divisions = kVargaCharts[varga].divisions;
    if (divisions == 30) {
        return TrimsamsaSign(sign, secondsInSign);
    }
    const int part = secondsInSign * divisions / engine::kArcSecondsPerSign;
    return EqualPartSign(divisions, sign, part) % engine::kSignCount;
}

// Within a sign, the charts' signs change only where one of their parts begins. The sign is cut
// into segments at every such start, and every chart's sign is worked out for each segment of
// each sign when the program is compiled: a body's sixteen signs are then one row of a table,
// found from its arc-seconds by a short look-up instead of sixteen divisions.

// The first arc-second of a part of a sign cut into equal parts.
constexpr int PartStart(int divisions, int part) {
    return (part * engine::kArcSecondsPerSign + divisions - 1) / divisions;
}

// Every part's start, in a sign's arc-seconds, ascending and each once; 0 first.
constexpr int kMostStarts = 512;
struct PartStarts {
    std::array<int, kMostStarts> seconds{};
    int count = 0;
};

constexpr PartStarts AllPartStarts() {
    PartStarts starts;
    const auto add = [&starts](int second) {
        for (int i = 0; i < starts.count; ++i) {
            if (starts.seconds[i] == second) {
                return;
            }
        }
        int i = starts.count++;
        for (; i > 0 && starts.seconds[i - 1] > second; --i) {
            starts.seconds[i] = starts.seconds[i - 1];
        }
        starts.seconds[i] = second;
    };
    add(0);
    for (const VargaChart& chart : kVargaCharts) {
        if (chart.divisions == 30) {
            for (const auto* parts : {&kOddTrimsamsa, &kEvenTrimsamsa}) {
                for (const TrimsamsaPart& part : *parts) {
                    if (part.belowDegrees < 30) {
                        add(part.belowDegrees * kSecondsPerDegree);
                    }
                }
            }
            continue;
        }
        for (int part = 1; part < chart.divisions; ++part) {
            add(PartStart(chart.divisions, part));
        }
    }
    return starts;
}

constexpr PartStarts kPartStarts = AllPartStarts();
constexpr int kSegmentCount = kPartStarts.count;

// A segment is found from the cell of kCellSeconds arc-seconds its second falls in: the cell's
// first segment, and at most two steps on, since no cell holds more than two starts.
constexpr int kCellSeconds = 50;
constexpr int kCellCount = engine::kArcSecondsPerSign / kCellSeconds;
static_assert(engine::kArcSecondsPerSign % kCellSeconds == 0);

struct SegmentTable {
    // The segments' first seconds, and twice the sign's end behind them.
    std::array<int, kSegmentCount + 2> starts{};
    std::array<std::uint8_t, kCellCount> cellSegment{};  // the segment of each cell's first second
    // Every chart's sign, in the order of kVargaCharts, for each sign and segment.
    std::array<std::array<std::array<std::uint8_t, kVargaCount>, kSegmentCount>, engine::kSignCount>
        signs{};
    int mostStartsInCell = 0;
};

constexpr SegmentTable MakeSegmentTable() {
    SegmentTable table;
    for (int i = 0; i < kSegmentCount; ++i) {
        table.starts[i] = kPartStarts.seconds[i];
    }
    table.starts[kSegmentCount] = engine::kArcSecondsPerSign;
    table.starts[kSegmentCount + 1] = engine::kArcSecondsPerSign;
    int segment = 0;
    for (int cell = 0; cell < kCellCount; ++cell) {
        const int first = cell * kCellSeconds;
        while (table.starts[segment + 1] <= first) {
            ++segment;
        }
        table.cellSegment[cell] = static_cast<std::uint8_t>(segment);
        int inCell = 0;
        while (table.starts[segment + 1 + inCell] < first + kCellSeconds) {
            ++inCell;
        }
        table.mostStartsInCell = std::max(table.mostStartsInCell, inCell);
    }
    for (int sign = 0; sign < engine::kSignCount; ++sign) {
        for (int i = 0; i < kSegmentCount; ++i) {
            for (int varga = 0; varga < kVargaCount; ++varga) {
                table.signs[sign][i][varga] =
                    static_cast<std::uint8_t>(SignByRules(varga, sign, table.starts[i]));
            }
        }
    }
    return table;
}

constexpr SegmentTable kSegments = MakeSegmentTable();
static_assert(kPartStarts.count < kMostStarts && kSegmentCount <= 256,
              "the segments no longer fit their table");
static_assert(kSegments.mostStartsInCell <= 2, "a cell holds more starts than the look-up steps");

// The segment of a second of a sign.
int SegmentOf(int secondsInSign) {
    int segment = kSegments.cellSegment[secondsInSign / kCellSeconds];
    segment += secondsInSign >= kSegments.starts[segment + 1] ? 1 : 0;
    segment += secondsInSign >= kSegments.starts[segment + 1] ? 1 : 0;
    return segment;
}

}  // namespace

int VargaSignOfArcSeconds(int varga, int arcSeconds) {
    return SignByRules(varga, arcSeconds / engine::kArcSecondsPerSign,
                       arcSeconds % engine::kArcSecondsPerSign);
}

VargaSigns VargasOf(const BodyArcSeconds& arcSeconds) {
    VargaSigns signs{};
    for (int body = 0; body < kNavamsaBodyCount; ++body) {
        const int sign = arcSeconds[body] / engine::kArcSecondsPerSign;
        const int secondsInSign = arcSeconds[body] % engine::kArcSecondsPerSign;
        const auto& row = kSegments.signs[sign][SegmentOf(secondsInSign)];
        for (int varga = 0; varga < kVargaCount; ++varga) {
            signs[varga][body] = row[varga];
        }
    }
    return signs;
}

}  // namespace reading
