#pragma once

#include <QString>
#include <string_view>

namespace ui {

// The chart's own words in the language spoken. The reading keeps its English names (the reading
// file, the report and the command line use them); the display translates them as it shows them.
// The Bengali and Hindi names are those of the glossary beside the translations.

// A name from the reading's tables, translated: a body's label ("Surya"), a sign's name ("Mesha")
// or abbreviation ("Sag"), a nakshatra ("Aswini"), a lord ("Venus") or the chart's "Asc". Any
// other text comes back as it is.
QString ChartWord(std::string_view english);

// An entry of a chart box: a label, with the retrograde mark " (R) " translated too.
QString BoxEntryWord(std::string_view entry);

// A short position text ("05 Sag 15") or any text of numbers and sign abbreviations, with the
// sign named and the digits written as the language writes them.
QString PositionWords(std::string_view text);

}  // namespace ui
