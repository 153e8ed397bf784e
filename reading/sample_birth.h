#pragma once

#include "reading/birth_data.h"
#include "reading/form_values.h"

namespace reading {

// The program's sample birth, shown when a reading is wanted without typing one: Asha Rao, born
// 15 June 1980 at 10:30 Indian time in Delhi (28° 37′ N, 77° 13′ E).
FormValues SampleBirthForm();

// The same birth as the calculation stores it.
BirthData SampleBirth();

}  // namespace reading
