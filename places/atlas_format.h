#pragma once

#include <string_view>

// The atlas file, UTF-8 text with one record a line and fields separated by tabs:
//   the header line, then five sections, each a line "name<TAB>count" and count records:
//   countries  code, name
//   states     country number, name                      (a first-level division)
//   zones      IANA time-zone id
//   places     name, state number or nothing, country number, latitude, longitude,
//              zone number, population                   (most populous first)
//   keys       search key, place number, the other name the key was made from as
//              written, or nothing for the place's own name (sorted bytewise)
// Numbers count from 0 within their section; latitude and longitude are whole
// hundred-thousandths of a degree, north and east positive.
namespace places::atlas_format {

inline constexpr std::string_view kHeader = "rashi-atlas\t2";
inline constexpr std::string_view kCountries = "countries";
inline constexpr std::string_view kStates = "states";
inline constexpr std::string_view kZones = "zones";
inline constexpr std::string_view kPlaces = "places";
inline constexpr std::string_view kKeys = "keys";

}  // namespace places::atlas_format
