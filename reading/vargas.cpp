#include "reading/vargas.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <utility>

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

// A segment is found from the cell of kCellSeconds arc-seconds its second falls in, in one look-up:
// the cell's first segment, and where within the cell the next one or two begin (no cell holds
// more than two starts).
constexpr int kCellSeconds = 50;
constexpr int kCellCount = engine::kArcSecondsPerSign / kCellSeconds;
static_assert(engine::kArcSecondsPerSign % kCellSeconds == 0);

struct Cell {
    std::uint8_t segment;  // the segment of the cell's first second
    // Seconds into the cell where the following segments begin; kNoStart where none does.
    std::array<std::uint8_t, 2> nextStarts;
};
constexpr std::uint8_t kNoStart = 255;
static_assert(kCellSeconds < kNoStart);

constexpr int StartOf(int segment) {
    return segment < kSegmentCount ? kPartStarts.seconds[segment] : engine::kArcSecondsPerSign;
}

struct CellTable {
    std::array<Cell, kCellCount> cells{};
    bool startsFitCells = true;
};

constexpr CellTable MakeCells() {
    CellTable table;
    int segment = 0;
    for (int cellIndex = 0; cellIndex < kCellCount; ++cellIndex) {
        const int first = cellIndex * kCellSeconds;
        while (StartOf(segment + 1) <= first) {
            ++segment;
        }
        Cell& cell = table.cells[cellIndex];
        cell.segment = static_cast<std::uint8_t>(segment);
        cell.nextStarts = {kNoStart, kNoStart};
        int inCell = 0;
        while (StartOf(segment + 1 + inCell) < first + kCellSeconds) {
            if (inCell == 2) {
                table.startsFitCells = false;
                break;
            }
            cell.nextStarts[inCell] =
                static_cast<std::uint8_t>(StartOf(segment + 1 + inCell) - first);
            ++inCell;
        }
    }
    return table;
}

constexpr CellTable kCells = MakeCells();
static_assert(kPartStarts.count < kMostStarts && kSegmentCount <= 256,
              "the segments no longer fit their table");
static_assert(kCells.startsFitCells, "a cell holds more starts than its entry");

// One chart's sign for each sign and segment. Each chart is worked out in a constant of its own,
// so that no single evaluation at compile time grows past what compilers allow one.
using ChartColumn = std::array<std::array<std::uint8_t, kSegmentCount>, engine::kSignCount>;

constexpr ChartColumn MakeColumn(int varga) {
    ChartColumn column{};
    for (int sign = 0; sign < engine::kSignCount; ++sign) {
        for (int i = 0; i < kSegmentCount; ++i) {
            column[sign][i] = static_cast<std::uint8_t>(SignByRules(varga, sign, StartOf(i)));
        }
    }
    return column;
}

template <int kVarga>
constexpr ChartColumn kColumn = MakeColumn(kVarga);

// Every chart's sign, in the order of kVargaCharts, for each sign and segment: a body's row.
using SegmentRows = std::array<std::array<std::array<std::uint8_t, kVargaCount>, kSegmentCount>,
                               engine::kSignCount>;

constexpr SegmentRows kRows = []<int... kVarga>(std::integer_sequence<int, kVarga...>) {
    SegmentRows rows{};
    for (int sign = 0; sign < engine::kSignCount; ++sign) {
        for (int i = 0; i < kSegmentCount; ++i) {
            ((rows[sign][i][kVarga] = kColumn<kVarga>[sign][i]), ...);
        }
    }
    return rows;
}
(std::make_integer_sequence<int, kVargaCount>{});

// Sixteen bytes in a vector register.
using Bytes16 = std::uint8_t __attribute__((vector_size(16)));

// The bytes of the lower and of the upper halves of two vectors, interleaved.
Bytes16 LowHalves(Bytes16 a, Bytes16 b) {
    return __builtin_shufflevector(a, b, 0, 16, 1, 17, 2, 18, 3, 19, 4, 20, 5, 21, 6, 22, 7, 23);
}
Bytes16 HighHalves(Bytes16 a, Bytes16 b) {
    return __builtin_shufflevector(a, b, 8, 24, 9, 25, 10, 26, 11, 27, 12, 28, 13, 29, 14, 30, 15,
                                   31);
}

// The segment of a second of a sign.
int SegmentOf(int secondsInSign) {
    const Cell& cell = kCells.cells[secondsInSign / kCellSeconds];
    const int intoCell = secondsInSign % kCellSeconds;
    return cell.segment + (intoCell >= cell.nextStarts[0] ? 1 : 0) +
           (intoCell >= cell.nextStarts[1] ? 1 : 0);
}

}  // namespace

int VargaSignOfArcSeconds(int varga, int arcSeconds) {
    return SignByRules(varga, arcSeconds / engine::kArcSecondsPerSign,
                       arcSeconds % engine::kArcSecondsPerSign);
}

VargaSigns VargasOf(const BodyArcSeconds& arcSeconds) {
    // Each body's row holds its signs in the sixteen charts; the reading holds each chart's signs
    // of the ten bodies. The rows are turned into the charts' lists in registers: four rounds of
    // interleaving sixteen rows with the rows eight on (six of them empty) transpose them, where
    // 160 single bytes written one by one would crowd the processor's queue of stores.
    static_assert(kVargaCount == 16 && kNavamsaBodyCount <= 16);
    std::array<Bytes16, 16> rows{};
    for (int body = 0; body < kNavamsaBodyCount; ++body) {
        const int sign = arcSeconds[body] / engine::kArcSecondsPerSign;
        const int secondsInSign = arcSeconds[body] % engine::kArcSecondsPerSign;
        std::memcpy(&rows[body], kRows[sign][SegmentOf(secondsInSign)].data(), sizeof(Bytes16));
    }
    for (int round = 0; round < 4; ++round) {
        std::array<Bytes16, 16> interleaved;
        for (int i = 0; i < 8; ++i) {
            interleaved[2 * i] = LowHalves(rows[i], rows[i + 8]);
            interleaved[2 * i + 1] = HighHalves(rows[i], rows[i + 8]);
        }
        rows = interleaved;
    }
    VargaSigns signs;
    for (int varga = 0; varga < kVargaCount; ++varga) {
        std::memcpy(signs[varga].data(), &rows[varga], kNavamsaBodyCount);
    }
    return signs;
}

}  // namespace reading
