#pragma once

#include <optional>

#include "engine/calendar.h"
#include "reading/birth_data.h"
#include "reading/chart_reading.h"
#include "reading/chart_settings.h"
#include "reading/form_values.h"
#include "reading/validation.h"

namespace reading {

// Computes the whole reading of a birth: ascendant and ayanamsa, the Moon, the position list,
// the retrograde marks, the display values, and the nakshatra's lord and pada; from the mean
// elements unless the settings choose the precise ephemeris.
ChartReading CalculateReading(const BirthData& birth, const ChartSettings& settings = {});

// The calculation as the form and the command line run it: validate, copy, compute. On success
// both records are replaced and nothing is returned; a refusal leaves both exactly as they were.
std::optional<FormRefusal> RunCalculation(const FormValues& form, BirthData& birth,
                                          ChartReading& reading,
                                          const ChartSettings& settings = {});

// The universal date and time for which a birth's chart is cast.
engine::CivilDateTime UniversalInstant(const BirthData& birth);

}  // namespace reading
