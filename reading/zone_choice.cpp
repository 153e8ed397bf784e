#include "reading/zone_choice.h"

#include <array>

#include "reading/time_zones.h"

namespace reading {

namespace {

constexpr int kSecondsPerHour = 3600;

// The rows whose names fit the zones of a region, best first, by the name before the row's
// first comma. The longest matching beginning of the zone id counts.
using RowNames = std::array<std::string_view, 9>;  // unused places stay empty

struct RegionRows {
    std::string_view zonePrefix;
    RowNames rowNames;
};

constexpr RowNames kBritishRows{"Greenwich Mean Time", "British Summer Time",
                                "British Double Summer Time"};

constexpr std::array kRegionRows{
    RegionRows{"Asia/Kolkata", {"Indian Time"}},
    RegionRows{"Asia/Calcutta", {"Indian Time"}},
    RegionRows{"Europe/London", kBritishRows},
    RegionRows{"Europe/Belfast", kBritishRows},
    RegionRows{"Europe/Guernsey", kBritishRows},
    RegionRows{"Europe/Isle_of_Man", kBritishRows},
    RegionRows{"Europe/Jersey", kBritishRows},
    RegionRows{"Europe/Dublin", kBritishRows},
    RegionRows{"Europe/",
               {"Central European Time", "Eastern European Time", "Central European Daylight",
                "Eastern European Daylight Time", "Greenwich Mean Time"}},
    RegionRows{"Africa/",
               {"Central European Time", "Eastern European Time", "Greenwich Mean Time"}},
    RegionRows{"America/",
               {"Eastern Standard Time", "Central Standard Time", "Mountain Standard Time",
                "Pacific Standard Time", "Atlantic Standard Time", "Newfoundland Standard Time",
                "Yukon Standard Time", "Alaska/Hawaii Standard Time", "Brazil Zone 2"}},
    RegionRows{"Atlantic/Azores", {"Azores Time"}},
    RegionRows{
        "Asia/",
        {"Japan Standard Time", "China Coast Time", "Indian Time", "Iran Time", "Baghdad Time"}},
    RegionRows{"Australia/",
               {"Australian Eastern Standard Time", "Australian Central Standard Time",
                "Australian Western Standard Time"}},
    RegionRows{"Pacific/Auckland", {"New Zealand Std Time"}},
    RegionRows{"Pacific/Guam", {"Guam Standard Time"}},
    RegionRows{"Pacific/Honolulu", {"Alaska/Hawaii Standard Time", "Hawaiian Standard Time"}},
};

bool RowIsNamed(int row, std::string_view name) {
    const std::string_view text = TimeZoneTable[row].listText;
    return text.starts_with(name) && text.size() > name.size() && text[name.size()] == ',';
}

const RegionRows* RegionOf(std::string_view ianaZone) {
    const RegionRows* best = nullptr;
    for (const RegionRows& region : kRegionRows) {
        if (ianaZone.starts_with(region.zonePrefix) &&
            (best == nullptr || region.zonePrefix.size() > best->zonePrefix.size())) {
            best = &region;
        }
    }
    return best;
}

// The row with the offset that fits the zone best, or -1.
int RowWithOffset(int offsetSeconds, std::string_view ianaZone) {
    if (const RegionRows* region = RegionOf(ianaZone)) {
        for (const std::string_view name : region->rowNames) {
            for (int row = 0; row < kTimeZoneCount && !name.empty(); ++row) {
                if (RowIsNamed(row, name) && RowOffsetSeconds(row) == offsetSeconds) {
                    return row;
                }
            }
        }
    }
    for (int row = 0; row < kTimeZoneCount; ++row) {
        if (RowOffsetSeconds(row) == offsetSeconds) {
            return row;
        }
    }
    return -1;
}

}  // namespace

int RowOffsetSeconds(int row) {
    const TimeZoneRow& entry = TimeZoneTable.at(static_cast<std::size_t>(row));
    return -(entry.hourEntry * kSecondsPerHour + entry.minuteEntry * 60);
}

std::optional<ZoneChoice> ChooseZoneRow(int offsetSeconds, int standardOffsetSeconds,
                                        std::string_view ianaZone) {
    const int daylight = offsetSeconds - standardOffsetSeconds;
    if (daylight == 0 || daylight == kSecondsPerHour) {
        if (const int row = RowWithOffset(standardOffsetSeconds, ianaZone); row >= 0) {
            return ZoneChoice{row, daylight != 0};
        }
    }
    if (const int row = RowWithOffset(offsetSeconds, ianaZone); row >= 0) {
        return ZoneChoice{row, false};
    }
    return std::nullopt;
}

}  // namespace reading
