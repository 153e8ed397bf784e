#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "cli/json_writer.h"
#include "reading/birth_data.h"
#include "reading/chart_reading.h"

namespace cli {

// What ties a batch's output line to its input row: the line the row starts on, and the
// caller's own key when the input has an id column.
struct RowKey {
    std::int64_t line = 0;
    bool withId = false;                 // the input has an id column
    std::optional<std::string_view> id;  // the row's id; null when it could not be read
};

// Appends one compact JSON object with the birth details ("birth", every field by its name),
// the computed reading ("reading", navamsa included) and the universal instant the chart was
// cast for ("universalTime"). With withDasha the reading holds its Vimshottari dasha as well
// ("dasha": the balance at birth and nine periods of nine antardashas, dated on the birth's
// local clock); placeJson, when given, is the object of the member "place". A batch row's
// key, when given, comes first ("line", then "id"). With withSettings the object says how the
// reading was calculated ("settings": positions, ayanamsa and node). A reading from the precise
// ephemeris holds its bodies' daily motions ("speeds").
void AppendReadingJson(JsonWriter& out, const reading::BirthData& birth,
                       const reading::ChartReading& reading, bool withDasha = false,
                       std::string_view placeJson = {}, const std::optional<RowKey>& row = {},
                       bool withSettings = false);
void AppendReadingJson(std::string& out, const reading::BirthData& birth,
                       const reading::ChartReading& reading, bool withDasha = false,
                       std::string_view placeJson = {}, const std::optional<RowKey>& row = {},
                       bool withSettings = false);

// Appends {"line": N, "id": "…", "error": "…"} ("id" only when the row has one): the batch's
// answer for a row it could not calculate.
void AppendRowErrorJson(JsonWriter& out, const RowKey& row, std::string_view message);
void AppendRowErrorJson(std::string& out, const RowKey& row, std::string_view message);

}  // namespace cli
