#include "places/place_clock.h"

#include <QDateTime>
#include <QTimeZone>
#include <algorithm>

namespace places {

LocalClock ReadClock(std::string_view ianaZone, const LocalMoment& moment) {
    LocalClock clock;
    const QTimeZone zone(QByteArray(ianaZone.data(), static_cast<qsizetype>(ianaZone.size())));
    const QDate date(moment.year, moment.month, moment.day);
    if (!zone.isValid() || !date.isValid()) {
        return clock;
    }
    // The local time written as if it were Greenwich time; an instant shows it when the zone's
    // offset at that instant added to the instant gives it.
    const qint64 local = QDateTime(date, QTime(0, 0), Qt::UTC).toSecsSinceEpoch() +
                         moment.hour * 3600LL + moment.minute * 60LL;
    constexpr qint64 kSearchSeconds = 2 * 86400;  // wider than any zone's offset or change
    const auto at = [](qint64 seconds) { return QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC); };

    std::vector<int> candidates{zone.offsetFromUtc(at(local - kSearchSeconds))};
    for (const QTimeZone::OffsetData& change :
         zone.transitions(at(local - kSearchSeconds), at(local + kSearchSeconds))) {
        candidates.push_back(change.offsetFromUtc);
    }
    std::sort(candidates.begin(), candidates.end());
    candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());

    std::vector<std::pair<qint64, ClockOffset>> occurrences;
    for (const int offset : candidates) {
        const QDateTime instant = at(local - offset);
        if (zone.offsetFromUtc(instant) == offset) {
            occurrences.push_back({local - offset, {offset, zone.standardTimeOffset(instant)}});
        }
    }
    std::sort(occurrences.begin(), occurrences.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& occurrence : occurrences) {
        clock.offsets.push_back(occurrence.second);
    }
    clock.kind = occurrences.empty()       ? LocalClock::Kind::kNever
                 : occurrences.size() == 1 ? LocalClock::Kind::kOnce
                                           : LocalClock::Kind::kTwice;
    return clock;
}

}  // namespace places
