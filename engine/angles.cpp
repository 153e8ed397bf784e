#include "engine/angles.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>

#include "engine/constants.h"
#include "engine/trim.h"
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

// Cuts a magnitude into whole degrees, minutes and seconds. Every angle the engine cuts is
// non-negative and far below 2^31, where truncation is the floor and cheaper than std::floor.
DegreesMinutesSeconds CutIntoSexagesimal(double magnitude) {
    const int degrees = static_cast<int>(magnitude);
    const double minutesWithFraction = 60.0 * (magnitude - degrees);
    const int minutes = static_cast<int>(minutesWithFraction);
    const int seconds = static_cast<int>(60.0 * (minutesWithFraction - minutes));
    return {degrees, minutes, seconds};
}

void AppendNumber(SmallText& text, int value) {
    // Angles' fields are almost always below 100, and std::to_chars costs more than they need.
    if (value >= 0 && value < 100) {
        if (value >= 10) {
            text.Append(static_cast<char>('0' + value / 10));
        }
        text.Append(static_cast<char>('0' + value % 10));
        return;
    }
    char digits[12];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    text.Append(std::string_view(digits, static_cast<std::size_t>(result.ptr - digits)));
}

// "D° M' S\"", the common body of the long and the signed texts.
void AppendSexagesimal(SmallText& text, const DegreesMinutesSeconds& cut) {
    AppendNumber(text, cut.degrees);
    text.Append(kDegreeMark);
    text.Append(' ');
    AppendNumber(text, cut.minutes);
    text.Append("' ");
    AppendNumber(text, cut.seconds);
    text.Append('"');
}

void AppendPaddedToTwo(SmallText& text, std::string_view field) {
    if (field.size() <= 1) {
        text.Append('0');
    }
    text.Append(field.substr(0, 8));
}

// Degrees, minutes and seconds within the sign, and the sign, of a longitude.
struct SignPosition {
    DegreesMinutesSeconds cut;
    int sign;
};

DegreesMinutesSeconds CutLongitude(double longitudeDegrees) {
    double magnitude = std::fabs(longitudeDegrees);
    if (magnitude >= kFullCircle) {
        magnitude = std::fmod(magnitude, kFullCircle);
    }
    return CutIntoSexagesimal(magnitude);
}

SignPosition SignPositionOf(double longitudeDegrees) {
    DegreesMinutesSeconds cut = CutLongitude(longitudeDegrees);
    const int sign = cut.degrees / 30;
    cut.degrees -= 30 * sign;
    return {cut, sign};
}

SignPosition SignPositionOfArcSeconds(int arcSeconds) {
    // Unsigned, since the count is never negative: the divisions by constants are shorter.
    const auto total = static_cast<unsigned>(arcSeconds);
    const unsigned sign = total / kArcSecondsPerSign;
    const unsigned withinSign = total - sign * kArcSecondsPerSign;
    return {{static_cast<int>(withinSign / 3600), static_cast<int>(withinSign / 60 % 60),
             static_cast<int>(withinSign % 60)},
            static_cast<int>(sign)};
}

// The position texts' fields written straight into the text's buffer. A chart writes 22 of these
// texts, and their numbers all lie below 100, so neither std::to_chars nor a check of the room
// left is needed. Each writer takes the place to write at and returns the place after it, which
// keeps that place out of memory.
using TextBytes = char[SmallText::kCapacity];

// One digit below 10, two from 10 on, as std::to_chars writes them, without a branch on the
// digits (they vary from chart to chart): a lone digit overwrites the zero put before it.
std::size_t PutUpToTwoDigits(TextBytes& bytes, std::size_t at, int number) {
    const auto value = static_cast<unsigned>(number);
    const std::size_t two = value >= 10 ? 1 : 0;
    bytes[at] = static_cast<char>('0' + value / 10);
    bytes[at + two] = static_cast<char>('0' + value % 10);
    return at + 1 + two;
}

std::size_t PutTwoDigits(TextBytes& bytes, std::size_t at, int number) {
    const auto value = static_cast<unsigned>(number);
    bytes[at] = static_cast<char>('0' + value / 10 % 10);
    bytes[at + 1] = static_cast<char>('0' + value % 10);
    return at + 2;
}

std::size_t Put(TextBytes& bytes, std::size_t at, std::string_view piece) {
    for (const char c : piece) {
        bytes[at++] = c;
    }
    return at;
}

std::size_t PutSignAbbreviation(TextBytes& bytes, std::size_t at, int sign) {
    const std::string_view letters = kSignAbbreviations[sign];
    bytes[at] = letters[0];
    bytes[at + 1] = letters[1];
    bytes[at + 2] = letters[2];
    return at + 3;
}

static_assert([] {
    for (const std::string_view letters : kSignAbbreviations) {
        if (letters.size() != 3) {
            return false;
        }
    }
    return true;
}());

SmallText LongText(const SignPosition& position) {
    return SmallText::Filled([&position](TextBytes& bytes) {
        std::size_t at = PutUpToTwoDigits(bytes, 0, position.cut.degrees);
        at = Put(bytes, at, kDegreeMark);
        at = Put(bytes, at, " ");
        at = PutUpToTwoDigits(bytes, at, position.cut.minutes);
        at = Put(bytes, at, "' ");
        at = PutUpToTwoDigits(bytes, at, position.cut.seconds);
        at = Put(bytes, at, "\" ");
        return PutSignAbbreviation(bytes, at, position.sign);
    });
}

SmallText ShortText(const SignPosition& position) {
    return SmallText::Filled([&position](TextBytes& bytes) {
        std::size_t at = PutTwoDigits(bytes, 0, position.cut.degrees);
        at = Put(bytes, at, " ");
        at = PutSignAbbreviation(bytes, at, position.sign);
        at = Put(bytes, at, " ");
        return PutTwoDigits(bytes, at, position.cut.minutes);
    });
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

double SubtractWholeTurns(double degrees) {
    if (!(degrees >= kFullCircle)) {
        return degrees;
    }
    // The quotient may round up to the next whole number just below a whole turn; the
    // remainder then comes out below zero by less than a turn, and one turn puts it back.
    double rest = degrees - kFullCircle * std::floor(degrees / kFullCircle);
    if (rest < 0) {
        rest += kFullCircle;
    }
    return rest;
}

double ReduceToTwoPi(double radians) {
    const double turns = radians / kTwoPi;
    double reduced = (turns - std::trunc(turns)) * kTwoPi;
    if (reduced < 0) {
        reduced += kTwoPi;
    }
    return reduced;
}

SmallText LongPositionSmallText(double longitudeDegrees) {
    return LongText(SignPositionOf(longitudeDegrees));
}

std::string LongPositionText(double longitudeDegrees) {
    return LongPositionSmallText(longitudeDegrees).str();
}

SmallText SignedAngleSmallText(double degrees) {
    SmallText text;
    // A negative angle under one degree still shows its minus sign.
    if (degrees < 0) {
        text.Append('-');
    }
    AppendSexagesimal(text, CutIntoSexagesimal(std::fabs(degrees)));
    return text;
}

std::string SignedAngleText(double degrees) {
    return SignedAngleSmallText(degrees).str();
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
    SmallText text;
    AppendPaddedToTwo(text, TrimBlanks(beforeDegree));
    text.Append(' ');
    text.Append(sign);
    text.Append(' ');
    AppendPaddedToTwo(text, TrimBlanks(minutes));
    return text.str();
}

std::string ShortPositionTextOf(double longitudeDegrees) {
    return ShortText(SignPositionOf(longitudeDegrees)).str();
}

int ArcSecondsShown(double longitudeDegrees) {
    const DegreesMinutesSeconds cut = CutLongitude(longitudeDegrees);
    return cut.degrees * 3600 + cut.minutes * 60 + cut.seconds;
}

SmallText LongPositionTextOfArcSeconds(int arcSeconds) {
    return LongText(SignPositionOfArcSeconds(arcSeconds));
}

SmallText ShortPositionTextOfArcSeconds(int arcSeconds) {
    return ShortText(SignPositionOfArcSeconds(arcSeconds));
}

}  // namespace engine
