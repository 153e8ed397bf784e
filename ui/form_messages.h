#pragma once

#include <QString>
#include <string>

namespace ui {

// A refusal message of the form's checks, which the reading writes in English, in the language
// spoken. Every message the checks can give is listed for the translators.
QString FormMessage(const std::string& english);

}  // namespace ui
