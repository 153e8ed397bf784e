#pragma once

#include <optional>
#include <string_view>

#include "reading/chart_reading.h"

namespace reading {

// The navamsa sign (0 for Aries to 11 for Pisces) of a position given in the whole arc-seconds
// its long position text shows.
int NavamsaSignOfArcSeconds(int arcSeconds);

// The same read from a long position text; nothing for a text that is not one.
std::optional<int> NavamsaSignOf(std::string_view longPositionText);

// The navamsa signs' abbreviations of the Sun to Ketu and the ascendant, from the long position
// texts in body order; a body whose text cannot be read gets an empty text.
NavamsaSigns NavamsaOf(const BodyTexts& longPositions);

// The same from the arc-seconds of the bodies in body order.
NavamsaSigns NavamsaOf(const BodyArcSeconds& arcSeconds);

}  // namespace reading
