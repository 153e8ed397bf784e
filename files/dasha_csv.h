#pragma once

#include <string>

#include "reading/vimshottari_dasha.h"

namespace files {

// The dasha as CSV for spreadsheets: the header "mahadasha,antardasha,start,end", then each
// mahadasha on a line of its own (its antardasha field empty) followed by its nine
// antardashas. Dates are YYYY-MM-DD on the birth's local clock; lines end in CR LF.
std::string DashaCsv(const reading::VimshottariDasha& dasha);

}  // namespace files
