#pragma once

#include <string>
#include <string_view>

namespace places {

// The form in which names are compared: lower case, accents dropped ("São Paulo" → "sao paulo",
// "Łódź" → "lodz"), hyphens as blanks, apostrophes and full stops dropped, blanks single.
// The atlas generator writes its search keys with it and every query goes through it, so both
// sides always agree.
std::string SearchKey(std::string_view utf8);

}  // namespace places
