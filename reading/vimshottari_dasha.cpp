#include "reading/vimshottari_dasha.h"

#include <cmath>

#include "reading/long_position_text.h"
#include "reading/stages.h"

namespace reading {

namespace {

constexpr int kArcSecondsPerNakshatra = 800 * 60;  // 13° 20′
constexpr double kMinutesPerDay = 24 * 60;

// Every boundary of the dasha, of mahadashas and antardashas alike, lies a whole number of
// 120ths of a year after the start of the first mahadasha. Counting in these steps makes the end
// of one period and the start of the next the same number, and the last antardasha end exactly
// with its mahadasha.
class Boundaries {
  public:
    explicit Boundaries(double cycleStart) : cycleStart_(cycleStart) {}
    double At(int steps) const {
        return cycleStart_ + steps * kDaysPerDashaYear / kDashaCycleYears;
    }

  private:
    double cycleStart_;
};

bool RunsOn(const DashaPeriod& period, int day) {
    return std::floor(period.start) <= day && day < std::floor(period.end);
}

}  // namespace

std::optional<VimshottariDasha> ComputeVimshottariDasha(std::string_view moonPositionText,
                                                        const engine::CivilDateTime& local) {
    const auto arcSeconds = ArcSecondsOfLongText(moonPositionText);
    if (!arcSeconds) {
        return std::nullopt;
    }
    const int nakshatra = *arcSeconds / kArcSecondsPerNakshatra;
    const double passed =
        static_cast<double>(*arcSeconds % kArcSecondsPerNakshatra) / kArcSecondsPerNakshatra;
    const int firstLord = DashaLordOfNakshatra(nakshatra);
    const int firstYears = kDashaLords[firstLord].years;

    VimshottariDasha dasha;
    dasha.birth = MomentOfDate({local.year, local.month, local.day}) +
                  (local.hour * 60 + local.minute) / kMinutesPerDay;
    dasha.balanceYears = (1 - passed) * firstYears;
    const Boundaries at(dasha.birth - passed * firstYears * kDaysPerDashaYear);

    int steps = 0;  // 120ths of a year from the start of the first mahadasha
    for (int m = 0; m < kDashaLordCount; ++m) {
        const int lord = (firstLord + m) % kDashaLordCount;
        const int years = kDashaLords[lord].years;
        Mahadasha& mahadasha = dasha.mahadashas[m];
        mahadasha.period = {kDashaLords[lord].name, at.At(steps),
                            at.At(steps + years * kDashaCycleYears)};
        // An antardasha takes the sub-lord's share of the mahadasha: years × sub-years / 120,
        // which is years × sub-years steps.
        for (int a = 0; a < kDashaLordCount; ++a) {
            const DashaLord& subLord = kDashaLords[(lord + a) % kDashaLordCount];
            const int length = years * subLord.years;
            mahadasha.antardashas[a] = {subLord.name, at.At(steps), at.At(steps + length)};
            steps += length;
        }
    }
    return dasha;
}

std::optional<VimshottariDasha> ComputeVimshottariDasha(const BirthData& birth,
                                                        const ChartReading& reading) {
    return ComputeVimshottariDasha(reading.moonPositionText, LocalClock(birth));
}

engine::CivilDate DateOfMoment(double days) {
    return engine::CivilFromDays(static_cast<int>(std::floor(days)));
}

double MomentOfDate(const engine::CivilDate& date) {
    return engine::DaysFromCivil(date.year, date.month, date.day);
}

YearsMonthsDays SplitYears(double years) {
    constexpr int kMonthsPerYear = 12;
    YearsMonthsDays parts;
    const double whole = std::floor(years);
    const double months = (years - whole) * kMonthsPerYear;
    const double wholeMonths = std::floor(months);
    parts.years = static_cast<int>(whole);
    parts.months = static_cast<int>(wholeMonths);
    parts.days =
        static_cast<int>(std::floor((months - wholeMonths) * kDaysPerDashaYear / kMonthsPerYear));
    return parts;
}

std::string BalanceLine(const VimshottariDasha& dasha) {
    const auto count = [](int n, const char* unit) {
        return std::to_string(n) + " " + unit + (n == 1 ? "" : "s");
    };
    const YearsMonthsDays left = SplitYears(dasha.balanceYears);
    return "Balance of " + std::string(dasha.balanceLord()) +
           " dasha at birth: " + count(left.years, "year") + " " + count(left.months, "month") +
           " " + count(left.days, "day");
}

std::optional<RunningPeriod> RunningOn(const VimshottariDasha& dasha,
                                       const engine::CivilDate& date) {
    const int day = engine::DaysFromCivil(date.year, date.month, date.day);
    if (day < std::floor(dasha.birth)) {
        return std::nullopt;  // the first periods reach back before the birth
    }
    for (int m = 0; m < kDashaLordCount; ++m) {
        const Mahadasha& mahadasha = dasha.mahadashas[m];
        if (!RunsOn(mahadasha.period, day)) {
            continue;
        }
        for (int a = 0; a < kDashaLordCount; ++a) {
            if (RunsOn(mahadasha.antardashas[a], day)) {
                return RunningPeriod{m, a};
            }
        }
    }
    return std::nullopt;
}

}  // namespace reading
