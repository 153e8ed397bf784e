#pragma once

#include <optional>
#include <string>

#include "reading/birth_data.h"
#include "reading/form_values.h"

namespace reading {

enum class FormField {
    kNone,
    kName,
    kLatitudeDegrees,
    kLatitudeMinutes,
    kLongitudeDegrees,
    kLongitudeMinutes,
    kCity,
    kState,
    kCountry,
};

enum class MessageIcon { kError, kInformation };

// What the form must change after a refusal besides showing the message.
enum class DirectionFix { kNone, kSelectNorth, kSelectEast };

// Why the form cannot be calculated: the message to show, its icon, where the focus goes.
struct FormRefusal {
    std::string message;
    MessageIcon icon = MessageIcon::kError;
    FormField focus = FormField::kNone;
    DirectionFix fix = DirectionFix::kNone;

    friend bool operator==(const FormRefusal&, const FormRefusal&) = default;
};

// The twelve checks in their order, then the ranges of the place's degrees and minutes; the first
// that fails is returned. Any list position may be given: one outside its list is left to
// CopyFormToBirthData to refuse.
std::optional<FormRefusal> ValidateInput(const FormValues& form);

// True when text is one to three ASCII digits, the only thing a degree or minute field holds.
bool IsDegreeOrMinuteText(const std::string& text);

struct CopyResult {
    std::optional<BirthData> birth;
    std::optional<FormRefusal> refusal;
};

// Copies a validated form into BirthData; refuses a degree or minute text that is not one to
// three digits (text that reached the field by pasting) or a list position out of range.
CopyResult CopyFormToBirthData(const FormValues& form);

}  // namespace reading
