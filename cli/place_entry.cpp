#include "cli/place_entry.h"

#include <chrono>

#include "cli/json_text.h"
#include "places/builtin_atlas.h"
#include "places/place_text.h"
#include "places/zone_setting.h"

namespace cli {

namespace {

constexpr std::size_t kOthersShown = 5;
constexpr std::size_t kFoundListed = 50;

std::string PlaceJson(const places::Place& place, const places::ZoneSetting& setting) {
    std::string json = "{\"name\":";
    AppendJsonString(json, place.name);
    json += ",\"state\":";
    AppendJsonString(json, place.state);
    json += ",\"country\":";
    AppendJsonString(json, place.country);
    json += ",\"latitude\":" + places::DecimalDegreesText(place.latitude);
    json += ",\"longitude\":" + places::DecimalDegreesText(place.longitude);
    json += ",\"timeZone\":";
    AppendJsonString(json, place.timeZone);
    if (setting.offset) {
        json += ",\"utcOffset\":";
        AppendJsonString(json, places::IsoOffsetText(setting.offset->offsetSeconds));
        json += ",\"daylightSaving\":";
        json += setting.offset->daylightSeconds() > 0 ? "true" : "false";
    } else {  // the time never came
        json += ",\"utcOffset\":null,\"daylightSaving\":null";
    }
    json += '}';
    return json;
}

void SetDegreesMinutes(std::string& degrees, std::string& minutes, int hundredThousandths) {
    const places::DegreesMinutes angle = places::ToDegreesMinutes(hundredThousandths);
    degrees = std::to_string(angle.degrees);
    minutes = std::to_string(angle.minutes);
}

}  // namespace

bool PlaceReplacesColumn(std::string_view column) {
    for (const std::string_view replaced :
         {"latDeg", "latMin", "south", "lonDeg", "lonMin", "east", "city", "state", "country"}) {
        if (column == replaced) {
            return true;
        }
    }
    return false;
}

bool PlaceAllowsColumn(std::string_view column) {
    return column == "zone" || column == "dst";
}

PlaceEntry EnterPlace(std::string_view text, bool keepZone, reading::FormValues& form) {
    PlaceEntry entry;
    const places::Atlas* atlas = places::BuiltInAtlas();
    if (atlas == nullptr) {
        entry.problem = places::BuiltInAtlasProblem();
        return entry;
    }
    const std::vector<std::size_t> found =
        atlas->find(places::ParsePlaceText(text), kOthersShown + 1);
    if (found.empty()) {
        entry.problem = "no place in the atlas is called \"" + std::string(text) +
                        "\" (rashi-report --find NAME lists the places a name finds)";
        return entry;
    }
    const places::Place place = atlas->at(found.front());
    entry.label = places::PlaceLabel(place);
    for (std::size_t i = 1; i < found.size(); ++i) {
        entry.others.push_back(places::PlaceLabel(atlas->at(found[i])));
    }

    form.city = place.name;
    form.state = place.state;
    form.country = place.country;
    SetDegreesMinutes(form.latitudeDegrees, form.latitudeMinutes, place.latitude);
    form.south = place.latitude < 0;
    form.north = !form.south;
    SetDegreesMinutes(form.longitudeDegrees, form.longitudeMinutes, place.longitude);
    form.west = place.longitude < 0;
    form.east = !form.west;

    const places::LocalMoment moment{reading::kFirstYear + form.yearIndex, form.monthIndex + 1,
                                     form.dayIndex + 1, form.hourIndex, form.minuteIndex};
    const std::chrono::year_month_day date{std::chrono::year(moment.year),
                                           std::chrono::month(moment.month),
                                           std::chrono::day(moment.day)};
    if (!date.ok()) {
        return entry;  // the form's validation names the impossible date
    }
    const places::LocalClock clock = places::ReadClock(place.timeZone, moment);
    const places::ZoneSetting setting = places::SettleZone(place, moment, clock);
    entry.json = PlaceJson(place, setting);
    if (keepZone) {
        return entry;
    }
    if (clock.kind == places::LocalClock::Kind::kTwice) {
        entry.note = places::RepeatedTimeQuestion(place, moment) + " The earlier, " +
                     places::OccurrenceAnswer(moment, clock.offsets[0]) +
                     ", is used; give --zone and --dst for the later.";
    }
    if (!setting.choice) {
        entry.problem = setting.problem;
        return entry;
    }
    form.zoneIndex = setting.choice->row;
    form.daylightSaving = setting.choice->daylightSaving;
    return entry;
}

bool ListPlaces(std::string_view text, std::ostream& out, std::string& problem) {
    const places::Atlas* atlas = places::BuiltInAtlas();
    if (atlas == nullptr) {
        problem = places::BuiltInAtlasProblem();
        return false;
    }
    places::PlaceQuery query = places::ParsePlaceText(text);
    const std::vector<std::size_t> found = atlas->search(query, kFoundListed);
    if (found.empty()) {
        problem = "no place in the atlas starts with \"" + std::string(text) + "\"";
        return false;
    }
    for (const std::size_t number : found) {
        const places::Place place = atlas->at(number);
        out << places::PlaceLabel(place) << '\t' << places::DecimalDegreesText(place.latitude)
            << '\t' << places::DecimalDegreesText(place.longitude) << '\t' << place.timeZone << '\t'
            << place.population << '\n';
    }
    return true;
}

}  // namespace cli
