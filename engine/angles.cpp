#include "engine/angles.h"

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

// Cuts a magnitude into whole degrees, minutes and seconds.
DegreesMinutesSeconds CutIntoSexagesimal(double magnitude) {
    const double degrees = std::floor(magnitude);
    const double minutesWithFraction = 60.0 * (magnitude - degrees);
    const double minutes = std::floor(minutesWithFraction);
    const double seconds = std::floor(60.0 * (minutesWithFraction - minutes));
    return {static_cast<int>(degrees), static_cast<int>(minutes), static_cast<int>(seconds)};
}

// A small text built in place: position texts are short, and charts are computed in bulk.
class TextBuffer {
  public:
    void Append(std::string_view piece) {
        for (const char c : piece) {
            characters_[size_++] = c;
        }
    }
    void Append(char c) { characters_[size_++] = c; }
    void AppendNumber(int value) {
        const auto result = std::to_chars(characters_ + size_, characters_ + kCapacity, value);
        size_ = static_cast<std::size_t>(result.ptr - characters_);
    }
    void AppendTwoDigits(int value) {
        Append(static_cast<char>('0' + value / 10 % 10));
        Append(static_cast<char>('0' + value % 10));
    }
    std::string Text() const { return std::string(characters_, size_); }

  private:
    static constexpr std::size_t kCapacity = 64;
    char characters_[kCapacity] = {};
    std::size_t size_ = 0;
};

// "D° M' S\"", the common body of the long and the signed texts.
void AppendSexagesimal(TextBuffer& text, const DegreesMinutesSeconds& cut) {
    text.AppendNumber(cut.degrees);
    text.Append(kDegreeMark);
    text.Append(' ');
    text.AppendNumber(cut.minutes);
    text.Append("' ");
    text.AppendNumber(cut.seconds);
    text.Append('"');
}

void AppendPaddedToTwo(TextBuffer& text, std::string_view field) {
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
    const int sign = arcSeconds / kArcSecondsPerSign;
    const int withinSign = arcSeconds - sign * kArcSecondsPerSign;
    return {{withinSign / 3600, withinSign / 60 % 60, withinSign % 60}, sign};
}

std::string LongText(const SignPosition& position) {
    TextBuffer text;
    AppendSexagesimal(text, position.cut);
    text.Append(' ');
    text.Append(kSignAbbreviations[position.sign]);
    return text.Text();
}

std::string ShortText(const SignPosition& position) {
    TextBuffer text;
    text.AppendTwoDigits(position.cut.degrees);
    text.Append(' ');
    text.Append(kSignAbbreviations[position.sign]);
    text.Append(' ');
    text.AppendTwoDigits(position.cut.minutes);
    return text.Text();
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
    return LongText(SignPositionOf(longitudeDegrees));
}

std::string SignedAngleText(double degrees) {
    TextBuffer text;
    // A negative angle under one degree still shows its minus sign.
    if (degrees < 0) {
        text.Append('-');
    }
    AppendSexagesimal(text, CutIntoSexagesimal(std::fabs(degrees)));
    return text.Text();
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
    TextBuffer text;
    AppendPaddedToTwo(text, TrimBlanks(beforeDegree));
    text.Append(' ');
    text.Append(sign);
    text.Append(' ');
    AppendPaddedToTwo(text, TrimBlanks(minutes));
    return text.Text();
}

std::string ShortPositionTextOf(double longitudeDegrees) {
    return ShortText(SignPositionOf(longitudeDegrees));
}

int ArcSecondsShown(double longitudeDegrees) {
    const DegreesMinutesSeconds cut = CutLongitude(longitudeDegrees);
    return cut.degrees * 3600 + cut.minutes * 60 + cut.seconds;
}

std::string LongPositionTextOfArcSeconds(int arcSeconds) {
    return LongText(SignPositionOfArcSeconds(arcSeconds));
}

std::string ShortPositionTextOfArcSeconds(int arcSeconds) {
    return ShortText(SignPositionOfArcSeconds(arcSeconds));
}

}  // namespace engine
