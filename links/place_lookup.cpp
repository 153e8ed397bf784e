#include "links/place_lookup.h"

#include <QCoreApplication>

namespace links {

namespace {

// A general web search: it answers "Latitude Longitude" questions about a place directly, where a
// map search finds nothing for a text with those two words in it.
const QString kWebSearchAddress = QStringLiteral("https://duckduckgo.com/");

}  // namespace

std::optional<PlaceLookupRefusal> CheckPlaceForLookup(const QString& city, const QString& state,
                                                      const QString& country) {
    if (city.isEmpty()) {
        return PlaceLookupRefusal{QCoreApplication::translate("PlaceLookup", "Please Enter City"),
                                  reading::FormField::kCity};
    }
    if (state.isEmpty()) {
        return PlaceLookupRefusal{QCoreApplication::translate("PlaceLookup", "Please Enter State"),
                                  reading::FormField::kState};
    }
    if (country.isEmpty()) {
        return PlaceLookupRefusal{
            QCoreApplication::translate("PlaceLookup", "Please Enter Country"),
            reading::FormField::kCountry};
    }
    return std::nullopt;
}

QString PlaceSearchText(const QString& city, const QString& state, const QString& country) {
    return city + QLatin1Char(' ') + state + QLatin1Char(' ') + country +
           QStringLiteral(" Latitude Longitude");
}

QUrl PlaceSearchUrl(const QString& searchText) {
    // Encode every character that is not plainly safe, '+' and '&' included, so a typed place
    // name reaches the search exactly.
    QUrl url(kWebSearchAddress);
    url.setQuery(QStringLiteral("q=") + QString::fromLatin1(QUrl::toPercentEncoding(searchText)),
                 QUrl::StrictMode);
    return url;
}

std::optional<PlaceLookupRefusal> FindLatitudeLongitude(const QString& city, const QString& state,
                                                        const QString& country,
                                                        const UrlOpener& openUrl) {
    if (auto refusal = CheckPlaceForLookup(city, state, country)) {
        return refusal;
    }
    openUrl(PlaceSearchUrl(PlaceSearchText(city, state, country)));
    return std::nullopt;
}

}  // namespace links
