#pragma once

#include <optional>
#include <string_view>

#include "reading/chart_reading.h"

namespace reading {

// The navamsa sign (0 for Aries to 11 for Pisces) of a long position text, read from the
// degrees, minutes and seconds the text shows; nothing for a text that is not one.
std::optional<int> NavamsaSignOf(std::string_view longPositionText);

// The navamsa signs' abbreviations of the Sun to Ketu and the ascendant, from the long position
// texts in body order; a body whose text cannot be read gets an empty text.
NavamsaSigns NavamsaOf(const BodyTexts& longPositions);

}  // namespace reading
