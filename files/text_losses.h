#pragma once

#include <string>
#include <vector>

#include "reading/birth_data.h"

namespace files {

// A field that a file cannot hold as it is, and what the file will hold instead.
struct TextLoss {
    std::string field;                  // as the form names it: "Name", "City", ...
    std::string text;                   // the field as it would be saved, UTF-8
    std::string stored;                 // what opening the file gives back, UTF-8
    std::vector<std::string> replaced;  // characters written as "?", each once, in order
    std::vector<std::string> leftOut;   // characters left out, each once, in order

    friend bool operator==(const TextLoss&, const TextLoss&) = default;
};

// The fields a reading file would change, in the order of its lines; empty when it holds all.
std::vector<TextLoss> ReadingFileLosses(const reading::BirthData& birth);

// The birth's texts that the Latin-1 text report would change; empty when it holds all.
std::vector<TextLoss> ReportLosses(const reading::BirthData& birth);

}  // namespace files
