#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "cli/json_writer.h"
#include "reading/birth_data.h"
#include "reading/chart_reading.h"

namespace cli {

// Appends one compact JSON object with the birth details ("birth", every field by its name),
// the computed reading ("reading", navamsa included) and the universal instant the chart was
// cast for ("universalTime"). With withDasha the reading holds its Vimshottari dasha as well
// ("dasha": the balance at birth and nine periods of nine antardashas, dated on the birth's
// local clock); placeJson, when given, is the object of the member "place".
void AppendReadingJson(JsonWriter& out, const reading::BirthData& birth,
                       const reading::ChartReading& reading, bool withDasha = false,
                       std::string_view placeJson = {});
void AppendReadingJson(std::string& out, const reading::BirthData& birth,
                       const reading::ChartReading& reading, bool withDasha = false,
                       std::string_view placeJson = {});

// Appends {"line": N, "error": "…"}: the batch's answer for a row it could not calculate.
void AppendRowErrorJson(JsonWriter& out, std::int64_t lineNumber, std::string_view message);
void AppendRowErrorJson(std::string& out, std::int64_t lineNumber, std::string_view message);

}  // namespace cli
