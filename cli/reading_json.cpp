#include "cli/reading_json.h"

#include <cstdio>

#include "reading/driver.h"

namespace cli {

namespace {

void WriteBirth(JsonWriter& json, const reading::BirthData& birth) {
    json.BeginObject();
    json.Key("name");
    json.String(birth.name);
    const auto number = [&](std::string_view key, int value) {
        json.Key(key);
        json.Number(value);
    };
    const auto truth = [&](std::string_view key, bool value) {
        json.Key(key);
        json.Bool(value);
    };
    number("day", birth.day);
    number("month", birth.month);
    number("year", birth.year);
    number("hour", birth.hour);
    number("minute", birth.minute);
    number("zoneHours", birth.zoneHours);
    number("zoneMinutes", birth.zoneMinutes);
    number("longitudeDegrees", birth.longitudeDegrees);
    number("longitudeMinutes", birth.longitudeMinutes);
    number("latitudeDegrees", birth.latitudeDegrees);
    number("latitudeMinutes", birth.latitudeMinutes);
    truth("isEast", birth.isEast);
    truth("isSouth", birth.isSouth);
    truth("isDaylightSaving", birth.isDaylightSaving);
    json.Key("city");
    json.String(birth.city);
    json.Key("state");
    json.String(birth.state);
    json.Key("country");
    json.String(birth.country);
    number("zoneHourOffset", birth.zoneHourOffset);
    number("zoneMinuteOffset", birth.zoneMinuteOffset);
    json.EndObject();
}

void WriteReading(JsonWriter& json, const reading::ChartReading& chart) {
    json.BeginObject();
    const auto texts = [&](std::string_view key, const reading::BodyTexts& values) {
        json.Key(key);
        json.BeginArray();
        for (const std::string& value : values) {
            json.String(value);
        }
        json.EndArray();
    };
    const auto text = [&](std::string_view key, const std::string& value) {
        json.Key(key);
        json.String(value);
    };
    texts("planetNames", chart.planetNames);
    texts("planetLabels", chart.planetLabels);
    texts("planetPositions", chart.planetPositions);
    text("ascendantText", chart.ascendantText);
    text("midheavenText", chart.midheavenText);
    text("signedAyanamsaText", chart.signedAyanamsaText);
    text("ayanamsaText", chart.ayanamsaText);
    text("lagnaSign", chart.lagnaSign);
    text("lagnaName", chart.lagnaName);
    text("nakshatra", chart.nakshatra);
    text("rashi", chart.rashi);
    text("nakshatraLord", chart.nakshatraLord);
    text("pada", chart.pada);
    json.Key("retrograde");
    json.BeginArray();
    for (const bool flag : chart.retrograde) {
        json.Bool(flag);
    }
    json.EndArray();
    text("moonPositionText", chart.moonPositionText);
    json.EndObject();
}

}  // namespace

std::string IsoUniversalTime(const engine::CivilDateTime& universal) {
    char text[80];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:00Z", universal.year,
                  universal.month, universal.day, universal.hour, universal.minute);
    return text;
}

void AppendReadingJson(std::string& out, const reading::BirthData& birth,
                       const reading::ChartReading& reading, JsonWriter::Layout layout) {
    JsonWriter json(out, layout);
    json.BeginObject();
    json.Key("birth");
    WriteBirth(json, birth);
    json.Key("reading");
    WriteReading(json, reading);
    json.Key("universalTime");
    json.String(IsoUniversalTime(reading::UniversalInstant(birth)));
    json.EndObject();
}

void AppendRowErrorJson(std::string& out, int lineNumber, std::string_view message) {
    out += "{\"line\": ";
    out += std::to_string(lineNumber);
    out += ", \"error\": ";
    AppendJsonString(out, message);
    out += '}';
}

}  // namespace cli
