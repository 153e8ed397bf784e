#include "reading/birth_lines.h"

namespace reading {

namespace {

std::string DegreeMinuteLine(const char* caption, int degrees, int minutes) {
    return std::string(caption) + std::to_string(degrees) + " Degree " + std::to_string(minutes) +
           " Minute";
}

}  // namespace

std::string NameLine(const BirthData& birth) {
    return "Name: " + birth.name;
}
std::string CityLine(const BirthData& birth) {
    return "City: " + birth.city;
}
std::string StateLine(const BirthData& birth) {
    return "State: " + birth.state;
}
std::string CountryLine(const BirthData& birth) {
    return "Country: " + birth.country;
}

std::string DateOfBirthLine(const BirthData& birth, std::string_view monthName) {
    return "Date of Birth: " + std::string(monthName) + " " + std::to_string(birth.day) + ", " +
           std::to_string(birth.year);
}

std::string TimeOfBirthLine(const BirthData& birth) {
    return "Time of Birth: " + std::to_string(birth.hour) + " Hour " +
           std::to_string(birth.minute) + " Minute";
}

std::string LatitudeLine(const BirthData& birth) {
    return DegreeMinuteLine("Latitude: ", birth.latitudeDegrees, birth.latitudeMinutes);
}

std::string LongitudeLine(const BirthData& birth) {
    return DegreeMinuteLine("Longitude: ", birth.longitudeDegrees, birth.longitudeMinutes);
}

}  // namespace reading
