#include "cli/options.h"

#include <gtest/gtest.h>

#include "cli/batch.h"
#include "cli/form_entry.h"

namespace cli {
namespace {

ParsedOptions Parse(QStringList arguments) {
    arguments.prepend("rashi-report");
    return ParseOptions(arguments);
}

const QStringList kDelhi{"--name", "Asha Rao", "--date",  "1980-06-15", "--time",    "10:30",
                         "--zone", "34",       "--lat",   "28:37N",     "--lon",     "77:13E",
                         "--city", "Delhi",    "--state", "Delhi",      "--country", "India"};

TEST(OptionsTest, BirthOptionsFillTheFormLikeTheWindow) {
    const ParsedOptions parsed = Parse(kDelhi);
    ASSERT_TRUE(parsed.options) << parsed.usageProblem;
    EXPECT_EQ(parsed.options->mode, Mode::kOneBirth);
    EXPECT_FALSE(parsed.options->json);
    reading::FormValues expected;
    expected.name = "Asha Rao";
    expected.dayIndex = 14;
    expected.monthIndex = 5;
    expected.yearIndex = 79;
    expected.hourIndex = 10;
    expected.minuteIndex = 30;
    expected.zoneIndex = 34;
    expected.latitudeDegrees = "28";
    expected.latitudeMinutes = "37";
    expected.longitudeDegrees = "77";
    expected.longitudeMinutes = "13";
    expected.north = true;
    expected.east = true;
    expected.city = "Delhi";
    expected.state = "Delhi";
    expected.country = "India";
    EXPECT_EQ(parsed.options->form, expected);
}

TEST(OptionsTest, OtherHemispheresDaylightSavingAndListEnds) {
    const ParsedOptions parsed =
        Parse({"--json", "--dst", "--date=2050-12-31", "--time=24:00", "--zone=70",
               "--lat=033:052s", "--lon", "151:12w", "--name", "  Ann  "});
    ASSERT_TRUE(parsed.options) << parsed.usageProblem;
    const reading::FormValues& form = parsed.options->form;
    EXPECT_TRUE(parsed.options->json);
    EXPECT_TRUE(form.daylightSaving);
    EXPECT_EQ(form.yearIndex, reading::kYearCount - 1);
    EXPECT_EQ(form.dayIndex, 30);
    EXPECT_EQ(form.hourIndex, 24);
    EXPECT_EQ(form.minuteIndex, 0);
    EXPECT_EQ(form.zoneIndex, 70);
    EXPECT_EQ(form.latitudeDegrees, "033");
    EXPECT_EQ(form.latitudeMinutes, "052");
    EXPECT_TRUE(form.south && !form.north);
    EXPECT_TRUE(form.west && !form.east);
    EXPECT_EQ(form.name, "  Ann  ");  // the name is kept as typed
}

TEST(OptionsTest, MissingTextsAreLeftToTheFormsValidation) {
    // No name, place or direction: the form's own checks report those, as in the window.
    const ParsedOptions parsed = Parse({"--date", "1901-01-01", "--time", "0:00", "--zone", "0"});
    ASSERT_TRUE(parsed.options) << parsed.usageProblem;
    const reading::FormValues& form = parsed.options->form;
    EXPECT_TRUE(form.name.empty() && form.latitudeDegrees.empty() && form.city.empty());
    EXPECT_FALSE(form.north || form.south || form.east || form.west);
    // An impossible calendar date is the form's business too.
    ASSERT_TRUE(Parse({"--date", "1980-04-31", "--time", "0:00", "--zone", "0"}).options);
}

TEST(OptionsTest, BadOptionsAreUsageProblems) {
    // Past the top, counting on would overflow and JSON readers would round the numbers.
    const std::string kFirstLineRange =
        "--first-line must be a whole number from 1 to 1000000000000000";
    const struct {
        QStringList arguments;
        std::string problem;
    } cases[] = {
        {{}, "no birth given"},
        {{"--colour"}, "Unknown option 'colour'."},
        {{"--date"}, "Missing value after '--date'."},
        {{"--date", "1980-06-15", "--zone", "34"}, "--time is required"},
        {{"--date", "1980-06-15", "--time", "10:30"}, "--zone (or --offset) is required"},
        {{"--date", "1980-06-15", "--time", "24:01", "--zone", "34"},
         "--time: hour 24 is midnight at the end of the day; its minute must be 0"},
        {{"--date", "1980-06-15", "--time", "10:30", "--offset", "+5:45", "--zone", "34"},
         "--offset gives the clock's whole offset; leave out --zone and --dst"},
        {{"--date", "1980-06-15", "--time", "10:30", "--offset", "+5:45", "--dst"},
         "--offset gives the clock's whole offset; leave out --zone and --dst"},
        {{"--date", "1980-06-15", "--time", "10:30", "--offset", "5:45"},
         "--offset: offset must be a sign, hours and minutes from -14:00 to +14:00, e.g. +05:45"},
        {{"--date", "1980-06-15", "--time", "10:30", "--offset", "+14:01"},
         "--offset: offset must be a sign, hours and minutes from -14:00 to +14:00, e.g. +05:45"},
        {{"--date", "1980-06-15", "--time", "10:30", "--offset", "-3:60"},
         "--offset: offset must be a sign, hours and minutes from -14:00 to +14:00, e.g. +05:45"},
        {{"--date", "1980-06-15", "--time", "10:30", "--offset", "+005:45"},
         "--offset: offset must be a sign, hours and minutes from -14:00 to +14:00, e.g. +05:45"},
        // Control characters would break the report's 26 lines or steer the terminal.
        {{"--name", "Asha\nRao", "--date", "1980-06-15", "--time", "10:30", "--zone", "34"},
         "--name: name holds a control character (a line break, tab or escape); it must be one "
         "line of text"},
        {{"--name", "A", "--city", "\x1b[2JDelhi", "--date", "1980-06-15", "--time", "10:30",
          "--zone", "34"},
         "--city: city holds a control character (a line break, tab or escape); it must be one "
         "line of text"},
        {{"--state", "De\tlhi", "--date", "1980-06-15", "--time", "10:30", "--zone", "34"},
         "--state: state holds a control character (a line break, tab or escape); it must be "
         "one line of text"},
        {{"--country", QString("India") + QChar(0x9B), "--date", "1980-06-15", "--time", "10:30",
          "--zone", "34"},
         "--country: country holds a control character (a line break, tab or escape); it must "
         "be one line of text"},
        {{"--first-line", "5", "a.vlj"},
         "--first-line numbers the lines of a batch; give it with --batch"},
        {{"--batch", "-", "--first-line", "0"}, kFirstLineRange},
        {{"--batch", "-", "--first-line", "-3"}, kFirstLineRange},
        {{"--batch", "-", "--first-line", "1e6"}, kFirstLineRange},
        {{"--batch", "-", "--first-line", " 5"}, kFirstLineRange},
        {{"--batch", "-", "--first-line", ""}, kFirstLineRange},
        {{"--batch", "-", "--first-line", "1000000000000001"}, kFirstLineRange},
        {{"--batch", "-", "--first-line", "9223372036854775807"}, kFirstLineRange},
        {{"--batch", "-", "--first-line", "99999999999999999999"}, kFirstLineRange},
        // A second value would silently replace the first.
        {{"--batch", "a.csv", "--batch", "b.csv"}, "--batch is given twice; give it once"},
        {{"--date", "1980-06-15", "--date", "1980-06-16", "--time", "10:30", "--zone", "34"},
         "--date is given twice; give it once"},
        {{"--json", "--json", "a.vlj"}, "--json is given twice; give it once"},
        {{"-h", "--help"}, "--help is given twice; give it once"},
        {{"--find", "Delhi", "--json"}, "--find lists places; give it alone"},
        {{"--find", "Delhi", "--dasha"}, "--find lists places; give it alone"},
        {{"--list-zones", "--batch", "a.csv"}, "--list-zones lists the zone rows; give it alone"},
        {{"--list-zones", "--date", "1980-06-15"},
         "--list-zones lists the zone rows; give it alone"},
        {{"--list-zones", "a.vlj"}, "--list-zones lists the zone rows; give it alone"},
        {{"--date", "15-06-1980", "--time", "10:30", "--zone", "34"},
         "--date must be year-month-day, e.g. 1980-06-15"},
        {{"--date", "1980/06/15", "--time", "10:30", "--zone", "34"},
         "--date must be year-month-day, e.g. 1980-06-15"},
        {{"--date", "1900-12-31", "--time", "10:30", "--zone", "34"},
         "--date: year must be a whole number from 1901 to 2050"},
        {{"--date", "2051-01-01", "--time", "10:30", "--zone", "34"},
         "--date: year must be a whole number from 1901 to 2050"},
        {{"--date", "1980-13-01", "--time", "10:30", "--zone", "34"},
         "--date: month must be a whole number from 1 to 12"},
        {{"--date", "1980-06-32", "--time", "10:30", "--zone", "34"},
         "--date: day must be a whole number from 1 to 31"},
        {{"--date", "1980-06-15", "--time", "25:00", "--zone", "34"},
         "--time: hour must be a whole number from 0 to 24"},
        {{"--date", "1980-06-15", "--time", "10:60", "--zone", "34"},
         "--time: minute must be a whole number from 0 to 59"},
        {{"--date", "1980-06-15", "--time", "10.30", "--zone", "34"},
         "--time must be hour:minute on a 24-hour clock, e.g. 10:30"},
        {{"--date", "1980-06-15", "--time", "10:30", "--zone", "71"},
         "--zone: zone must be a whole number from 0 to 70 (a row of the time zone list; "
         "rashi-report --list-zones shows them)"},
        {{"--date", "1980-06-15", "--time", "10:30", "--zone", "IST"},
         "--zone: zone must be a whole number from 0 to 70 (a row of the time zone list; "
         "rashi-report --list-zones shows them)"},
        {{"--date", "1980-06-15", "--time", "10:30", "--zone", "34", "--lat", "28:37X"},
         "--lat must be degrees:minutes followed by N or S, e.g. 28:37N"},
        {{"--date", "1980-06-15", "--time", "10:30", "--zone", "34", "--lat", "28N"},
         "--lat must be degrees:minutes followed by N or S, e.g. 28:37N"},
        {{"--date", "1980-06-15", "--time", "10:30", "--zone", "34", "--lat", "1234:00N"},
         "--lat must be degrees:minutes followed by N or S, e.g. 28:37N"},
        {{"--date", "1980-06-15", "--time", "10:30", "--zone", "34", "--lon", "77:13N"},
         "--lon must be degrees:minutes followed by E or W, e.g. 77:13E"},
        {{"--date", "1980-06-15", "--time", "10:30", "--zone", "34", "--lon", "-77:13E"},
         "--lon must be degrees:minutes followed by E or W, e.g. 77:13E"},
        {{"--batch", "-", "--name", "Asha"},
         "--batch reads the births from its file; give no birth options or reading file with it"},
        {{"a.vlj", "--dst"}, "a reading file holds the whole birth; give no birth options with it"},
        {{"a.vlj", "b.vlj"}, "give at most one reading file"},
        {{"--date", "1980-06-15", "--time", "10:30", "--zone", "34", "--dasha"},
         "--dasha adds the dasha to the JSON; give it with --json or --batch"},
        {{"--dasha", "a.vlj"},
         "--dasha adds the dasha to the JSON; give it with --json or --batch"},
    };
    for (const auto& c : cases) {
        const ParsedOptions parsed = Parse(c.arguments);
        EXPECT_FALSE(parsed.options) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(parsed.usageProblem, c.problem) << c.arguments.join(' ').toStdString();
    }
}

TEST(OptionsTest, ModesOtherThanOneBirth) {
    EXPECT_EQ(Parse({"--help"}).options->mode, Mode::kHelp);
    EXPECT_EQ(Parse({"-h"}).options->mode, Mode::kHelp);
    EXPECT_EQ(Parse({"--version"}).options->mode, Mode::kVersion);
    EXPECT_EQ(Parse({"--list-zones"}).options->mode, Mode::kListZones);
    const ParsedOptions batch = Parse({"--batch", "births.csv"});
    EXPECT_EQ(batch.options->mode, Mode::kBatch);
    EXPECT_EQ(batch.options->path, "births.csv");
    EXPECT_FALSE(batch.options->dasha);
    EXPECT_TRUE(Parse({"--batch", "births.csv", "--dasha"}).options->dasha);
    EXPECT_EQ(batch.options->firstLine, 1);
    EXPECT_EQ(Parse({"--batch", "-", "--first-line", "4000000001"}).options->firstLine, 4000000001);
    EXPECT_EQ(Parse({"--batch", "-", "--first-line", "1000000000000000"}).options->firstLine,
              kMaxFirstLine);
    EXPECT_TRUE(Parse({"--json", "--dasha", "asha.vlj"}).options->dasha);
    const ParsedOptions file = Parse({"--json", "asha.vlj"});
    EXPECT_EQ(file.options->mode, Mode::kReadingFile);
    EXPECT_EQ(file.options->path, "asha.vlj");
    EXPECT_TRUE(file.options->json);
}

TEST(FormEntryTest, ListValuesAtTheirEnds) {
    reading::FormValues form;
    EXPECT_FALSE(SetYear(form, "1901"));
    EXPECT_EQ(form.yearIndex, 0);
    EXPECT_FALSE(SetYear(form, "2050"));
    EXPECT_EQ(form.yearIndex, 149);
    EXPECT_TRUE(SetYear(form, "1900"));
    EXPECT_TRUE(SetYear(form, "19 80"));
    EXPECT_TRUE(SetYear(form, "+1980"));
    EXPECT_TRUE(SetYear(form, ""));
    EXPECT_FALSE(SetHour(form, "0"));
    EXPECT_FALSE(SetHour(form, "24"));
    EXPECT_EQ(form.hourIndex, 24);
    EXPECT_TRUE(SetHour(form, "-1"));
    EXPECT_FALSE(SetZone(form, "0"));
    EXPECT_TRUE(SetZone(form, "-1"));
    EXPECT_TRUE(SetMinute(form, "60"));
    EXPECT_EQ(form.hourIndex, 24);  // a refused value changes nothing
}

TEST(FormEntryTest, ClockOffsetsEastPositive) {
    const std::pair<const char*, int> offsets[] = {
        {"+05:45", 345}, {"+5:45", 345},  {"-03:30", -210}, {"+00:00", 0},
        {"-0:00", 0},    {"+14:00", 840}, {"-14:00", -840}, {"+4:30", 270},
    };
    for (const auto& [text, minutes] : offsets) {
        reading::FormValues form;
        EXPECT_FALSE(SetOffset(form, text)) << text;
        EXPECT_EQ(form.clockOffsetMinutes, minutes) << text;
    }
    for (const char* bad : {"", "+", "5:45", "+5", "+5:4", "+5:456", "+:45", "+5:-1", "++5:45",
                            "+5.45", "+14:30", "+15:00", " +5:45", "+5:45 "}) {
        reading::FormValues form;
        EXPECT_TRUE(SetOffset(form, bad)) << bad;
        EXPECT_FALSE(form.clockOffsetMinutes) << bad;
    }
}

TEST(FormEntryTest, TruthValuesAndDirections) {
    EXPECT_EQ(ParseTruth("TRUE"), true);
    EXPECT_EQ(ParseTruth("1"), true);
    EXPECT_EQ(ParseTruth("False"), false);
    EXPECT_EQ(ParseTruth("0"), false);
    EXPECT_EQ(ParseTruth("yes"), std::nullopt);
    EXPECT_EQ(ParseTruth("01"), std::nullopt);

    reading::FormValues form;
    EXPECT_FALSE(SetSouth(form, "true"));
    EXPECT_TRUE(form.south && !form.north);
    EXPECT_FALSE(SetEast(form, "0"));
    EXPECT_TRUE(form.west && !form.east);
    EXPECT_FALSE(SetSouth(form, ""));
    EXPECT_FALSE(form.south || form.north);
    EXPECT_EQ(SetEast(form, "W"), "east must be true, false, 1 or 0");
    EXPECT_FALSE(SetDaylightSaving(form, ""));
    EXPECT_FALSE(form.daylightSaving);
    EXPECT_EQ(SetDaylightSaving(form, "maybe"), "dst must be true, false, 1 or 0");
}

}  // namespace
}  // namespace cli
