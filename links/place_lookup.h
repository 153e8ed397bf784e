#pragma once

#include <QString>
#include <QUrl>
#include <functional>
#include <optional>

#include "links/vendor_pages.h"
#include "reading/validation.h"

namespace links {

// Why the latitude-and-longitude finder cannot search yet: the message to show with the error
// icon and the field to put the focus on.
struct PlaceLookupRefusal {
    QString message;
    reading::FormField focus = reading::FormField::kNone;

    friend bool operator==(const PlaceLookupRefusal&, const PlaceLookupRefusal&) = default;
};

// City, state and country must each be given (a text of blanks counts as given).
std::optional<PlaceLookupRefusal> CheckPlaceForLookup(const QString& city, const QString& state,
                                                      const QString& country);

// "city state country Latitude Longitude", from the fields as typed.
QString PlaceSearchText(const QString& city, const QString& state, const QString& country);

// The web search for the search text.
QUrl PlaceSearchUrl(const QString& searchText);

// The finder's button: checks the place, then opens the web search in the browser. The form's
// fields are never changed; the user types the coordinates found.
std::optional<PlaceLookupRefusal> FindLatitudeLongitude(const QString& city, const QString& state,
                                                        const QString& country,
                                                        const UrlOpener& openUrl = OpenInBrowser);

}  // namespace links
