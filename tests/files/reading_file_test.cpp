#include "files/reading_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>
#include <utility>

#include "engine/trim.h"
#include "files/latin1_text.h"
#include "files/text_losses.h"

#include "reading/driver.h"
#include "reading/sample_birth.h"
#include "reading/time_zones.h"
#include "reading/validation.h"

namespace files {
namespace {

using reading::FormValues;

constexpr int kIndia = 34;

reading::BirthData BirthOf(const FormValues& form) {
    const reading::CopyResult copy = reading::CopyFormToBirthData(form);
    EXPECT_TRUE(copy.birth);
    return copy.birth.value_or(reading::BirthData{});
}

FormValues SaveAndOpen(const reading::BirthData& birth, int zoneIndex,
                       const FormValues& before = {}) {
    return ApplyToForm(DecodeReadingFile(EncodeReadingFile(FieldsForSave(birth, zoneIndex))),
                       before);
}

std::string Shifted(std::string_view text) {
    std::string shifted;
    for (const char c : text) {
        shifted += static_cast<char>(static_cast<unsigned char>(c) + kReadingFileShift);
    }
    return shifted;
}

// The file a reading of lines (already unscrambled texts) would be.
std::string FileOf(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += Shifted(line) + "\r\n";
    }
    return bytes;
}

TEST(ReadingFile, HoldsSeventeenScrambledLinesInTheirOrder) {
    reading::BirthData birth = BirthOf(reading::SampleBirthForm());
    birth.name = "  Asha Rao ";
    birth.isDaylightSaving = true;
    const std::string bytes = EncodeReadingFile(FieldsForSave(birth, kIndia));
    // Line 7 is the zone's list position, not its offset.
    EXPECT_EQ(bytes, FileOf({"Asha Rao", "6", "15", "1980", "10", "30", "34", "77", "13", "28",
                             "37", "True", "False", "True", "Delhi", "Delhi", "India"}));
    EXPECT_EQ(bytes.substr(0, 3), "R\x84y");  // "Ash" moved up by the shift
}

TEST(ReadingFile, CharactersOutsideTheShiftsRangeAreDropped) {
    const char32_t highestKept = 255 - kReadingFileShift;
    ASSERT_EQ(highestKept, 0xEEu);  // "î" is kept, "ï" and above are lost
    reading::BirthData birth;
    birth.name = "Zo\u00EB \u00EE\u00EF\u00FFX";
    birth.city = "K\u00F6ln";
    birth.state = "Orl\u00E9ans";
    birth.country = "\u0100sia";  // beyond Latin-1: saved as "?"
    const ReadingFileFields read = DecodeReadingFile(EncodeReadingFile(FieldsForSave(birth, 0)));
    EXPECT_EQ(read[0], "Zo\u00EB \u00EEX");
    EXPECT_EQ(read[14], "Kln");  // "ö" is past the range
    EXPECT_EQ(read[15], "Orl\u00E9ans");
    EXPECT_EQ(read[16], "?sia");
}

TEST(ReadingFile, ReaderDropsBytesBelowTheShiftAndIgnoresLinesPastTheLast) {
    std::string bytes = FileOf({"Ravi", "2"});
    bytes.insert(1, "\x01\x10");  // bytes that unscramble below 0
    for (int extra = 0; extra < 20; ++extra) {
        bytes += FileOf({"extra"});
    }
    const ReadingFileFields fields = DecodeReadingFile(bytes);
    EXPECT_EQ(fields[0], "Ravi");
    EXPECT_EQ(fields[1], "2");
    EXPECT_EQ(fields[16], "extra");
}

TEST(ReadingFile, LinesEndedByLineFeedAloneReadTheSame) {
    const std::string bytes =
        EncodeReadingFile(FieldsForSave(BirthOf(reading::SampleBirthForm()), kIndia));
    std::string lineFeedsOnly;
    for (const char c : bytes) {
        if (c != '\r') {
            lineFeedsOnly += c;
        }
    }
    EXPECT_EQ(DecodeReadingFile(lineFeedsOnly), DecodeReadingFile(bytes));
}

TEST(ReadingFile, MissingLinesAreEmptySoTheCalculationReportsThem) {
    std::string sixteenLines =
        EncodeReadingFile(FieldsForSave(BirthOf(reading::SampleBirthForm()), kIndia));
    sixteenLines.resize(sixteenLines.rfind("\r\n", sixteenLines.size() - 3) + 2);
    FormValues before = reading::SampleBirthForm();
    before.country = "Nepal";
    const FormValues loaded = ApplyToForm(DecodeReadingFile(sixteenLines), before);
    EXPECT_EQ(loaded.state, "Delhi");
    EXPECT_EQ(loaded.country, "");
    const auto refusal = reading::ValidateInput(loaded);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->message, "Please Enter Your Country name");
    EXPECT_EQ(refusal->focus, reading::FormField::kCountry);
    // The message that follows says where the file ended.
    EXPECT_EQ(ReadingFileLinesHeld(sixteenLines), 16);
    EXPECT_EQ(EndedEarlyText(16),
              "The file ended after line 16 (State); the lines after it are empty.");
    EXPECT_EQ(ReadingFileLinesHeld(sixteenLines.substr(0, 5)), 1);  // a line cut short counts
    EXPECT_EQ(EndedEarlyText(1),
              "The file ended after line 1 (Name); the lines after it are empty.");
    EXPECT_EQ(ReadingFileLinesHeld(sixteenLines + "x\r\n\r\n"), kReadingFileLineCount);

    EXPECT_EQ(DecodeReadingFile(""), ReadingFileFields{});
}

TEST(ReadingFile, ValuesAListDoesNotOfferLeaveItAsItWas) {
    FormValues before = reading::SampleBirthForm();
    before.daylightSaving = true;
    const std::vector<std::pair<std::vector<std::string>, const char*>> cases{
        {{"13", "32", "2051", "25", "60", "71"}, "just past the lists"},
        {{"0", "0", "1900", "-1", "-1", "-1"}, "just before them"},
        {{"x", "", "19 80", "1.5", "99999999999", "+"}, "not numbers"},
    };
    for (const auto& [values, what] : cases) {
        ReadingFileFields fields = FieldsForSave(BirthOf(reading::SampleBirthForm()), kIndia);
        for (int line = 1; line <= 6; ++line) {
            fields[line] = values[line - 1];
        }
        fields[11] = fields[12] = fields[13] = "maybe";
        const FormValues loaded = ApplyToForm(fields, before);
        EXPECT_EQ(loaded, before) << what;
    }
}

TEST(ReadingFile, NumbersAtTheEdgesOfTheListsAreTaken) {
    ReadingFileFields fields = FieldsForSave(BirthOf(reading::SampleBirthForm()), kIndia);
    fields[1] = "12";
    fields[2] = " 31 ";
    fields[3] = "2050";
    fields[4] = "24";
    fields[5] = "059";
    fields[6] = "70";
    const FormValues last = ApplyToForm(fields, {});
    EXPECT_EQ(last.monthIndex, 11);
    EXPECT_EQ(last.dayIndex, 30);
    EXPECT_EQ(last.yearIndex, reading::kYearCount - 1);
    EXPECT_EQ(last.hourIndex, 24);
    EXPECT_EQ(last.minuteIndex, 59);
    EXPECT_EQ(last.zoneIndex, reading::kTimeZoneCount - 1);
    fields[1] = "1";
    fields[2] = "1";
    fields[3] = "1901";
    fields[4] = fields[5] = fields[6] = "0";
    EXPECT_EQ(ApplyToForm(fields, reading::SampleBirthForm()).zoneIndex, 0);
    EXPECT_EQ(ApplyToForm(fields, reading::SampleBirthForm()).yearIndex, 0);
}

TEST(ReadingFile, TruthLinesTakeWordsInAnyCaseAndNumbers) {
    const std::vector<std::pair<std::string, bool>> cases{
        {"True", true},   {"TRUE", true}, {"tRuE", true},   {"False", false},
        {"false", false}, {"0", false},   {"-0", false},    {"1", true},
        {"-1", true},     {"7", true},    {" true ", true}, {"123456789012345678901", true},
    };
    for (const auto& [text, value] : cases) {
        ReadingFileFields fields;
        fields[11] = fields[12] = fields[13] = text;
        const FormValues loaded = ApplyToForm(fields, {});
        EXPECT_EQ(loaded.east, value) << text;
        EXPECT_EQ(loaded.west, !value) << text;
        EXPECT_EQ(loaded.south, value) << text;
        EXPECT_EQ(loaded.north, !value) << text;
        EXPECT_EQ(loaded.daylightSaving, value) << text;
    }
}

TEST(ReadingFile, TextFieldsTakeTheTextUnchanged) {
    ReadingFileFields fields;
    fields[7] = "1x";
    fields[14] = "  Pune ";
    const FormValues loaded = ApplyToForm(fields, reading::SampleBirthForm());
    EXPECT_EQ(loaded.name, "");
    EXPECT_EQ(loaded.longitudeDegrees, "1x");
    EXPECT_EQ(loaded.city, "  Pune ");
}

TEST(ReadingFile, BytesThatAreNoReadingAreNamedWithTheReason) {
    const std::string good =
        EncodeReadingFile(FieldsForSave(BirthOf(reading::SampleBirthForm()), kIndia));
    // The saved lines with one of them replaced by a text, scrambled.
    const auto withLine = [](int line, const std::string& text) {
        std::vector<std::string> lines{"Asha Rao", "6",    "15",    "1980",  "10",   "30",
                                       "34",       "77",   "13",    "28",    "37",   "True",
                                       "False",    "True", "Delhi", "Delhi", "India"};
        lines[line] = text;
        return FileOf(lines);
    };
    std::string crOnly = good;
    std::replace(crOnly.begin(), crOnly.end(), '\n', '\r');
    std::string randomBytes;
    std::mt19937 random(7);
    for (int i = 0; i < 600; ++i) {
        randomBytes += static_cast<char>(1 + random() % 255);
    }
    const std::vector<std::tuple<const char*, std::string, std::string>> refused{
        {"too large", std::string(kReadingFileMaxBytes + 1, 'a'), "The file is too large"},
        {"binary", std::string("ab\0cd", 5), "The file holds binary data"},
        {"empty", "", "The file is empty."},
        {"plain text", "Name: Asha Rao\nCity: Delhi\n", "Line 1 (Name) holds control"},
        {"line ends of CR alone", crOnly, "Line 1 (Name) holds control"},
        {"random bytes", randomBytes, "Line "},
        {"a control character", withLine(14, "Del\thi"), "Line 15 (City) holds control"},
        {"a month in words", withLine(1, "June"), "Line 2 (Month) is not a number."},
        {"a present but empty zone", withLine(6, ""), "Line 7 (Time zone) is not a number."},
        {"a flag of another word", withLine(11, "Yes"), "Line 12 (East or West) is neither"},
        {"four digits of degree", withLine(9, "2876"),
         "Line 10 (Latitude degrees) has more digits"},
        {"a signed minute", withLine(8, "-13"), "Line 9 (Longitude minutes) is not a number"},
        // No copy of the program writes a value outside its list; none is taken for another.
        {"a month past the list", withLine(1, "13"),
         "Line 2 (Month) holds 13, outside its list of 1 to 12."},
        {"day 0", withLine(2, "0"), "Line 3 (Day) holds 0, outside its list of 1 to 31."},
        {"a year past the list", withLine(3, " 2051 "),
         "Line 4 (Year) holds 2051, outside its list of 1901 to 2050."},
        {"a year before it", withLine(3, "1900"), "Line 4 (Year) holds 1900, outside"},
        {"hour 25", withLine(4, "25"), "Line 5 (Hour) holds 25, outside its list of 0 to 24."},
        {"minute 60", withLine(5, "60"), "Line 6 (Minute) holds 60, outside its list of 0 to 59."},
        {"zone past the list", withLine(6, "71"),
         "Line 7 (Time zone) holds 71, outside its list of 0 to 70."},
        {"a negative zone", withLine(6, "-1"), "Line 7 (Time zone) holds -1, outside"},
        {"a number too large for any list", withLine(3, "99999999999"),
         "Line 4 (Year) holds 99999999999, outside"},
    };
    for (const auto& [what, bytes, reason] : refused) {
        const auto problem = ReadingFileProblem(bytes);
        ASSERT_TRUE(problem) << what;
        EXPECT_TRUE(problem->starts_with(reason)) << what << ": " << *problem;
    }
    // The window words the same reason from its values.
    const auto outside = RefuseReadingFile(withLine(3, " 2051 "));
    ASSERT_TRUE(outside);
    EXPECT_EQ(*outside,
              (ReadingFileRefusal{ReadingFileRefusal::Kind::kOutsideList, 3, "2051", 1901, 2050}));

    // A reading that is merely short still loads (the window lets the user complete it).
    const std::vector<std::pair<const char*, std::string>> readings{
        {"saved", good},
        {"at the size limit", std::string(kReadingFileMaxBytes, 'a')},
        {"one line", FileOf({"Asha"})},
        {"sixteen lines", good.substr(0, good.rfind("\r\n", good.size() - 3) + 2)},
        {"the year at its list's end", withLine(3, "2050")},
        {"the last zone", withLine(6, "70")},
        {"numbers with blanks and signs", withLine(3, " +1980 ")},
        {"three digits with zeros", withLine(9, "007")},
        {"truth as a number", withLine(13, "-1")},
        {"lines past the 17th", good + "anything\t\r\n"},
    };
    for (const auto& [what, bytes] : readings) {
        EXPECT_EQ(ReadingFileProblem(bytes), std::nullopt) << what;
    }
}

TEST(ReadingFile, ADegreeFromAFileIsTakenWholeWithoutItsBlanks) {
    ReadingFileFields fields = FieldsForSave(BirthOf(reading::SampleBirthForm()), kIndia);
    fields[9] = " 28 ";
    EXPECT_EQ(ApplyToForm(fields, {}).latitudeDegrees, "28");
}

// Every Latin-1 character, and characters beyond it: a saved file always opens again, gives back
// exactly what the losses said it would, and loses nothing where no loss was named.
TEST(ReadingFile, EverySavedTextReopensAsTheLossesForetold) {
    std::vector<std::string> texts;
    for (int code = 1; code < 256; ++code) {
        // Appended in steps: "a" + a temporary trips GCC 12's -Wrestrict at -O3.
        std::string text = "a";
        text += Latin1ToUtf8(std::string(1, static_cast<char>(code)));
        text += 'b';
        texts.push_back(std::move(text));
    }
    texts.insert(texts.end(), {"\u0141ukasz", "\u0926\u093F\u0932\u094D\u0932\u0940", "\U0001F600",
                               "\xC3", "\u00FF"});
    for (const std::string& text : texts) {
        reading::BirthData birth = BirthOf(reading::SampleBirthForm());
        birth.city = text;
        const std::string bytes = EncodeReadingFile(FieldsForSave(birth, kIndia));
        ASSERT_EQ(ReadingFileProblem(bytes), std::nullopt) << text;
        const std::string reopened = DecodeReadingFile(bytes)[14];
        EXPECT_EQ(reopened, StoredReadingText(text)) << text;
        const std::vector<TextLoss> losses = ReadingFileLosses(birth);
        if (reopened == engine::TrimBlanks(text)) {
            EXPECT_TRUE(losses.empty()) << text;
        } else {
            ASSERT_EQ(losses.size(), 1u) << text;
            EXPECT_EQ(losses[0].field, "City");
            EXPECT_EQ(losses[0].stored, reopened);
        }
    }
}

// What the form shows after a save and an open: blanks trimmed, leading zeros dropped.
FormValues AsReadBack(FormValues form) {
    const auto trim = [](const std::string& text) {
        const auto first = text.find_first_not_of(' ');
        return first == std::string::npos
                   ? std::string()
                   : text.substr(first, text.find_last_not_of(' ') - first + 1);
    };
    const auto number = [](const std::string& digits) { return std::to_string(std::stoi(digits)); };
    form.name = trim(form.name);
    form.latitudeDegrees = number(form.latitudeDegrees);
    form.latitudeMinutes = number(form.latitudeMinutes);
    form.longitudeDegrees = number(form.longitudeDegrees);
    form.longitudeMinutes = number(form.longitudeMinutes);
    form.city = trim(form.city);
    form.state = trim(form.state);
    form.country = trim(form.country);
    return form;
}

class RandomBirths {
  public:
    FormValues Next(int zone) {
        FormValues form;
        form.name = Padded(Word(1 + Pick(12)) + (Pick(2) ? " " + Word(1 + Pick(10)) : ""));
        form.yearIndex = Pick(reading::kYearCount);
        form.monthIndex = Pick(reading::kMonthCount);
        form.dayIndex = Pick(28);  // every month has these
        form.hourIndex = Pick(reading::kHourCount);
        form.minuteIndex = Pick(reading::kMinuteCount);
        form.zoneIndex = zone;
        form.latitudeDegrees = Digits(Pick(90));
        form.latitudeMinutes = Digits(Pick(60));
        form.longitudeDegrees = Digits(Pick(180));
        form.longitudeMinutes = Digits(Pick(60));
        form.south = Pick(2) == 1;
        form.north = !form.south;
        form.east = Pick(2) == 1;
        form.west = !form.east;
        form.daylightSaving = Pick(2) == 1;
        form.city = Padded(Word(1 + Pick(15)));
        form.state = Padded(Word(1 + Pick(15)));
        form.country = Padded(Word(1 + Pick(15)));
        return form;
    }

  private:
    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }
    std::string Word(int length) {
        std::string word;
        for (int i = 0; i < length; ++i) {
            word += static_cast<char>((Pick(2) ? 'a' : 'A') + Pick(26));
        }
        return word;
    }
    std::string Padded(const std::string& text) {
        return std::string(Pick(3), ' ') + text + std::string(Pick(3), ' ');
    }
    // Up to three digits, sometimes with leading zeros, as a degree field may hold them.
    // The zeros are counted first: inserting them one by one at the front trips a false
    // -Wrestrict from GCC 12 at -O3.
    std::string Digits(int value) {
        const std::string digits = std::to_string(value);
        std::size_t zeros = 0;
        while (digits.size() + zeros < 3 && Pick(4) == 0) {
            ++zeros;
        }
        return std::string(zeros, '0') + digits;
    }
    std::mt19937 random_{19800615};
};

TEST(ReadingFile, SaveThenOpenGivesTheSameFormAndTheSameChart) {
    RandomBirths births;
    const int rounds = 6 * reading::kTimeZoneCount;  // every zone, with both hemispheres and DST
    for (int round = 0; round < rounds; ++round) {
        const FormValues typed = births.Next(round % reading::kTimeZoneCount);
        reading::BirthData birth;
        reading::ChartReading chart;
        ASSERT_FALSE(reading::RunCalculation(typed, birth, chart)) << typed.name;

        const FormValues reopened = SaveAndOpen(birth, typed.zoneIndex);
        ASSERT_EQ(reopened, AsReadBack(typed)) << "round " << round;

        reading::BirthData birthAgain;
        reading::ChartReading chartAgain;
        ASSERT_FALSE(reading::RunCalculation(reopened, birthAgain, chartAgain));
        EXPECT_EQ(chartAgain, chart) << "round " << round;
        birth.name = reopened.name;  // the name is stored as typed, and saved trimmed
        EXPECT_EQ(birthAgain, birth) << "round " << round;
    }
}

}  // namespace
}  // namespace files
