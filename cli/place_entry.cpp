#include "cli/place_entry.h"

#include <algorithm>
#include <chrono>
#include <optional>

#include "cli/json_text.h"
#include "places/builtin_atlas.h"
#include "places/place_text.h"
#include "places/zone_setting.h"
#include "reading/zone_choice.h"

namespace cli {

namespace {

constexpr std::size_t kOthersShown = 5;
constexpr int kHourSeconds = 3600;

// An offset in seconds, to the nearest minute (a local mean time has seconds).
int NearestMinute(int seconds) {
    return (seconds + (seconds < 0 ? -30 : 30)) / 60;
}
constexpr std::size_t kFoundListed = 50;

// castOffsetMinutes: the offset the chart is cast with when no zone row holds the clock's;
// zoneDiffers: with a zone given, whether its offset differs from the clock's.
std::string PlaceJson(const places::Place& place, const places::ZoneSetting& setting,
                      std::optional<int> castOffsetMinutes = std::nullopt,
                      std::optional<bool> zoneDiffers = std::nullopt) {
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
    if (castOffsetMinutes) {
        json += ",\"exactOffset\":";
        AppendJsonString(json, places::IsoOffsetText(*castOffsetMinutes * 60));
    }
    if (zoneDiffers) {
        json += *zoneDiffers ? ",\"zoneDiffers\":true" : ",\"zoneDiffers\":false";
    }
    json += '}';
    return json;
}

// Why text names no place: no name matches it whole. Up to five places whose names begin so are
// offered instead.
std::string NoPlaceProblem(const places::Atlas& atlas, places::PlaceQuery query,
                           std::string_view text) {
    std::string problem = "no place in the atlas is called \"" + std::string(text) + "\"";
    query.wholeName = false;
    const std::vector<places::PlaceMatch> begun = atlas.match(query, kOthersShown);
    if (begun.empty()) {
        return problem + " (rashi-report --find NAME lists the places a name finds)";
    }
    problem += "; places whose names begin so: ";
    for (const places::PlaceMatch& match : begun) {
        problem += (&match == &begun.front() ? "" : "; ") +
                   places::PlaceLabel(atlas.at(match.place), match.otherName);
    }
    return problem;
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
    // A whole name only: a beginning would take the most populous place that starts so.
    places::PlaceQuery query = places::ParsePlaceText(text);
    query.wholeName = true;
    const std::vector<std::size_t> found = atlas->search(query, kOthersShown + 1);
    if (found.empty()) {
        entry.problem = NoPlaceProblem(*atlas, std::move(query), text);
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
        if (setting.offset) {
            // A zone that contradicts the place's clock is kept, but not in silence.
            const int given = form.clockOffsetMinutes
                                  ? *form.clockOffsetMinutes * 60
                                  : reading::RowOffsetSeconds(form.zoneIndex) +
                                        (form.daylightSaving ? kHourSeconds : 0);
            // A time the clocks showed twice may have either offset.
            const int clockSeconds = setting.offset->offsetSeconds;
            const bool differs = std::ranges::none_of(clock.offsets, [&](const auto& offset) {
                return given == NearestMinute(offset.offsetSeconds) * 60;
            });
            entry.json = PlaceJson(place, setting, std::nullopt, differs);
            if (differs) {
                entry.note = "the zone given is " + places::OffsetText(given) +
                             ", but the clocks of " + places::PlaceLabel(place) + " were " +
                             places::OffsetText(clockSeconds) + " on " + places::DateText(moment) +
                             "; the chart uses the zone given.";
            }
        }
        return entry;
    }
    if (clock.kind == places::LocalClock::Kind::kTwice) {
        entry.note = places::RepeatedTimeQuestion(place, moment) + " The earlier, " +
                     places::OccurrenceAnswer(moment, clock.offsets[0]) +
                     ", is used; give --zone and --dst for the later.";
    }
    if (!setting.choice && setting.offset) {
        // No row holds the clock (Nepal's +5:45, a local mean time): the chart is cast at the
        // clock's own offset, to the nearest minute, which a birth time is given to.
        const int seconds = setting.offset->offsetSeconds;
        const int minutes = NearestMinute(seconds);
        form.clockOffsetMinutes = minutes;
        entry.json = PlaceJson(place, setting, minutes);
        entry.note +=
            (entry.note.empty() ? "" : " ") +
            std::string("no zone of the list has the clock's offset ") +
            places::IsoOffsetText(seconds) + "; the chart is cast at " +
            (seconds % 60 == 0 ? std::string("that offset.")
                               : places::IsoOffsetText(minutes * 60) + ", its nearest minute.");
        return entry;
    }
    if (!setting.choice) {
        entry.problem = setting.problem;
        entry.clockProblem = true;
        return entry;
    }
    form.zoneIndex = setting.choice->row;
    form.daylightSaving = setting.choice->daylightSaving;
    return entry;
}

bool ListPlaces(std::string_view text, std::ostream& out, std::string& note, std::string& problem) {
    const places::Atlas* atlas = places::BuiltInAtlas();
    if (atlas == nullptr) {
        problem = places::BuiltInAtlasProblem();
        return false;
    }
    std::vector<places::PlaceMatch> found =
        atlas->match(places::ParsePlaceText(text), kFoundListed + 1);
    if (found.empty()) {
        problem = "no place in the atlas starts with \"" + std::string(text) + "\"";
        return false;
    }
    if (found.size() > kFoundListed) {
        found.pop_back();
        note = "the " + std::to_string(kFoundListed) +
               " most populous places are listed, and more begin so; a state or country after a "
               "comma (\"" +
               std::string(text) + ", India\") narrows the list";
    }
    for (const places::PlaceMatch& match : found) {
        const places::Place place = atlas->at(match.place);
        out << places::PlaceLabel(place) << '\t' << places::DecimalDegreesText(place.latitude)
            << '\t' << places::DecimalDegreesText(place.longitude) << '\t' << place.timeZone << '\t'
            << place.population << '\t' << match.otherName << '\n';
    }
    return true;
}

}  // namespace cli
