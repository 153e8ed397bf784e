#include "places/place_text.h"

#include <cstdio>
#include <cstdlib>

namespace places {

namespace {

std::string OffsetText(int offsetSeconds, const char* hourFormat) {
    const int magnitude = std::abs(offsetSeconds);
    char text[24];
    const int length = std::snprintf(text, sizeof text, hourFormat, offsetSeconds < 0 ? '-' : '+',
                                     magnitude / 3600, magnitude / 60 % 60);
    std::string result(text, static_cast<std::size_t>(length));
    if (magnitude % 60 != 0) {
        std::snprintf(text, sizeof text, ":%02d", magnitude % 60);
        result += text;
    }
    return result;
}

}  // namespace

std::string PlaceLabel(const Place& place, std::string_view otherName) {
    std::string label = place.name;
    if (!otherName.empty()) {
        label.append(" (").append(otherName).append(")");
    }
    for (const std::string* part : {&place.state, &place.country}) {
        if (!part->empty()) {
            label += ", " + *part;
        }
    }
    return label;
}

DegreesMinutes ToDegreesMinutes(int hundredThousandths) {
    const int magnitude = std::abs(hundredThousandths);
    return {magnitude / kCoordinateUnitsPerDegree,
            magnitude % kCoordinateUnitsPerDegree * 60 / kCoordinateUnitsPerDegree,
            hundredThousandths < 0};
}

std::string DecimalDegreesText(int hundredThousandths) {
    const int magnitude = std::abs(hundredThousandths);
    char text[24];
    std::snprintf(text, sizeof text, "%s%d.%05d", hundredThousandths < 0 ? "-" : "",
                  magnitude / kCoordinateUnitsPerDegree, magnitude % kCoordinateUnitsPerDegree);
    return text;
}

std::string OffsetText(int offsetSeconds) {
    return OffsetText(offsetSeconds, "%c%d:%02d");
}

std::string IsoOffsetText(int offsetSeconds) {
    return OffsetText(offsetSeconds, "%c%02d:%02d");
}

}  // namespace places
