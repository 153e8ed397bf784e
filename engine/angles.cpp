#include "engine/angles.h"

#include <cmath>

#include "engine/constants.h"
#include "engine/zodiac.h"

namespace engine {

namespace {

int Sgn(double value) {
    return value > 0 ? 1 : (value < 0 ? -1 : 0);
}

struct DegreesMinutesSeconds {
    int degrees;
    int minutes;
    int seconds;
};

// Cuts a magnitude into whole degrees, minutes and seconds.
DegreesMinutesSeconds CutIntoSexagesimal(double magnitude) {
    const double degrees = std::floor(magnitude);
    const double minutesWithFraction = 60.0 * (magnitude - degrees);
    const double minutes = std::floor(minutesWithFraction);
    const double seconds = std::floor(60.0 * (minutesWithFraction - minutes));
    return {static_cast<int>(degrees), static_cast<int>(minutes), static_cast<int>(seconds)};
}

// "D° M' S\"", the common body of the long and the signed texts.
std::string SexagesimalText(const DegreesMinutesSeconds& cut) {
    std::string text = std::to_string(cut.degrees);
    text += kDegreeMark;
    text += ' ';
    text += std::to_string(cut.minutes);
    text += "' ";
    text += std::to_string(cut.seconds);
    text += '"';
    return text;
}

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string PadToTwo(std::string_view field) {
    return field.size() <= 1 ? "0" + std::string(field) : std::string(field);
}

}  // namespace

double ArcTan2(double y, double x) {
    if (x > 0) {
        return std::atan(y / x);
    }
    if (x == 0) {
        return y == 0 ? 0.0 : Sgn(y) * kPi / 2;
    }
    return Sgn(y) * (kPi - std::atan(std::fabs(y / x)));
}

double Normalize360Once(double degrees) {
    if (degrees < 0) {
        degrees += kFullCircle;
    }
    if (degrees > kFullCircle) {
        degrees -= kFullCircle;
    }
    return degrees;
}

double ReduceToTwoPi(double radians) {
    const double turns = radians / kTwoPi;
    double reduced = (turns - std::trunc(turns)) * kTwoPi;
    if (reduced < 0) {
        reduced += kTwoPi;
    }
    return reduced;
}

std::string LongPositionText(double longitudeDegrees) {
    double magnitude = std::fabs(longitudeDegrees);
    if (magnitude >= kFullCircle) {
        magnitude = std::fmod(magnitude, kFullCircle);
    }
    DegreesMinutesSeconds cut = CutIntoSexagesimal(magnitude);
    const int sign = cut.degrees / 30;
    cut.degrees -= 30 * sign;
    return SexagesimalText(cut) + " " + std::string(kSignAbbreviations[sign]);
}

std::string SignedAngleText(double degrees) {
    // A negative angle under one degree still shows its minus sign.
    return (degrees < 0 ? "-" : "") + SexagesimalText(CutIntoSexagesimal(std::fabs(degrees)));
}

std::string ShortPositionText(std::string_view longText) {
    const std::string_view trimmed = TrimBlanks(longText);
    const auto degreeMark = trimmed.find(kDegreeMark);
    const std::string_view beforeDegree =
        degreeMark == std::string_view::npos ? trimmed : trimmed.substr(0, degreeMark);
    std::string_view minutes;
    if (degreeMark != std::string_view::npos) {
        const auto afterDegree = degreeMark + kDegreeMark.size();
        const auto minuteMark = trimmed.find('\'', afterDegree);
        minutes = trimmed.substr(afterDegree, minuteMark == std::string_view::npos
                                                  ? std::string_view::npos
                                                  : minuteMark - afterDegree);
    }
    const std::string_view sign =
        TrimBlanks(longText.size() >= 3 ? longText.substr(longText.size() - 3) : longText);
    return PadToTwo(TrimBlanks(beforeDegree)) + " " + std::string(sign) + " " +
           PadToTwo(TrimBlanks(minutes));
}

}  // namespace engine
