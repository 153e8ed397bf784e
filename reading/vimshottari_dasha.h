#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "engine/calendar.h"
#include "reading/birth_data.h"
#include "reading/chart_reading.h"
#include "reading/dasha_lords.h"

namespace reading {

// The Vimshottari dasha of a birth: the nine mahadashas from the lord of the Moon's nakshatra,
// each divided into nine antardashas. Moments are days from 1970-01-01 0 h on the birth's local
// clock, so the dates of the periods read on the same clock as the birth.

inline constexpr double kDaysPerDashaYear = 365.25;

struct DashaPeriod {
    std::string_view lord;
    double start = 0;  // days on the birth's local clock
    double end = 0;
};

struct Mahadasha {
    DashaPeriod period;
    std::array<DashaPeriod, kDashaLordCount> antardashas;
};

struct VimshottariDasha {
    double birth = 0;         // the moment of birth
    double balanceYears = 0;  // what remains of the first mahadasha at birth
    std::array<Mahadasha, kDashaLordCount> mahadashas;

    std::string_view balanceLord() const { return mahadashas[0].period.lord; }
};

// The dasha of a Moon at the longitude its long position text shows, for a birth at local;
// nothing when the text is not a long position text.
std::optional<VimshottariDasha> ComputeVimshottariDasha(std::string_view moonPositionText,
                                                        const engine::CivilDateTime& local);

// The dasha of a calculated reading.
std::optional<VimshottariDasha> ComputeVimshottariDasha(const BirthData& birth,
                                                        const ChartReading& reading);

// The date in which a moment falls, and the moment a date begins.
engine::CivilDate DateOfMoment(double days);
double MomentOfDate(const engine::CivilDate& date);

// A length in years as whole years, months of a twelfth of a year and days, each cut.
struct YearsMonthsDays {
    int years = 0;
    int months = 0;
    int days = 0;
    friend bool operator==(const YearsMonthsDays&, const YearsMonthsDays&) = default;
};
YearsMonthsDays SplitYears(double years);

// "Balance of Jupiter dasha at birth: 12 years 4 months 3 days".
std::string BalanceLine(const VimshottariDasha& dasha);

// The mahadasha and antardasha running on a date: by the dates shown, a period runs from the
// day it starts up to the day before it ends. Nothing before the day of birth or after the
// last period.
struct RunningPeriod {
    int mahadasha = 0;
    int antardasha = 0;
    friend bool operator==(const RunningPeriod&, const RunningPeriod&) = default;
};
std::optional<RunningPeriod> RunningOn(const VimshottariDasha& dasha,
                                       const engine::CivilDate& date);

}  // namespace reading
