#pragma once

#include <string>
#include <string_view>

#include "reading/birth_data.h"

namespace reading {

// The birth-detail texts shared by the chart display and the text report. The month's name comes
// from the caller, who knows the user's language.
std::string NameLine(const BirthData& birth);
std::string CityLine(const BirthData& birth);
std::string StateLine(const BirthData& birth);
std::string CountryLine(const BirthData& birth);
std::string DateOfBirthLine(const BirthData& birth, std::string_view monthName);
std::string TimeOfBirthLine(const BirthData& birth);
std::string LatitudeLine(const BirthData& birth);   // "Latitude: 28 Degree 36 Minute"
std::string LongitudeLine(const BirthData& birth);  // "Longitude: 77 Degree 13 Minute"

}  // namespace reading
