#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "engine/precise_sky.h"

namespace reading {

// Where a chart's positions come from: the program's own mean elements, or the precise
// ephemeris tables.
enum class PositionsKind { kMeanElements, kPreciseEphemeris };

// How a chart is calculated. The ayanamsa and the node are choices of the precise ephemeris;
// mean elements have their own ayanamsa and always the mean node, whatever these say.
struct ChartSettings {
    PositionsKind positions = PositionsKind::kMeanElements;
    engine::AyanamsaMode ayanamsa = engine::AyanamsaMode::kLahiri;
    engine::NodeKind node = engine::NodeKind::kMean;

    bool precise() const { return positions == PositionsKind::kPreciseEphemeris; }

    friend bool operator==(const ChartSettings&, const ChartSettings&) = default;
};

// The words that name each choice on the command line, in JSON and in the stored settings,
// in the order of their enumerations.
inline constexpr std::array<std::string_view, 2> kPositionsWords{"mean", "precise"};
inline constexpr std::array<std::string_view, 4> kAyanamsaWords{"lahiri", "raman", "krishnamurti",
                                                                "true-chitra"};
inline constexpr std::array<std::string_view, 2> kNodeWords{"mean", "true"};

std::string_view WordOf(PositionsKind positions);
std::string_view WordOf(engine::AyanamsaMode ayanamsa);
std::string_view WordOf(engine::NodeKind node);

// The choice a word names, or none for a word that names none (exact, lower case).
std::optional<PositionsKind> PositionsNamed(std::string_view word);
std::optional<engine::AyanamsaMode> AyanamsaNamed(std::string_view word);
std::optional<engine::NodeKind> NodeNamed(std::string_view word);

}  // namespace reading
