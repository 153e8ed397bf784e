#include "links/place_lookup.h"

#include <gtest/gtest.h>

#include <QUrlQuery>

#include "url_catcher.h"

namespace links {
namespace {

using reading::FormField;

TEST(PlaceLookup, AsksForCityStateAndCountryInThatOrder) {
    const QString given = QStringLiteral("Delhi");
    const QString none;
    const std::vector<std::tuple<QString, QString, QString, PlaceLookupRefusal>> cases{
        {none, none, none, {QStringLiteral("Please Enter City"), FormField::kCity}},
        {given, none, none, {QStringLiteral("Please Enter State"), FormField::kState}},
        {given, given, none, {QStringLiteral("Please Enter Country"), FormField::kCountry}},
    };
    for (const auto& [city, state, country, refusal] : cases) {
        const UrlCatcher catcher;
        EXPECT_EQ(FindLatitudeLongitude(city, state, country), refusal);
        EXPECT_TRUE(catcher.opened.isEmpty());
    }
    EXPECT_FALSE(CheckPlaceForLookup(QStringLiteral(" "), QStringLiteral(" "), QStringLiteral(" ")))
        << "blanks count as given";
}

TEST(PlaceLookup, OpensAWebSearchForThePlaceAsTyped) {
    const UrlCatcher catcher;
    EXPECT_FALSE(FindLatitudeLongitude(QStringLiteral("New Delhi "), QStringLiteral("Delhi"),
                                       QStringLiteral("India")));
    ASSERT_EQ(catcher.opened.size(), 1);
    const QUrl url = catcher.opened.front();
    EXPECT_EQ(url.scheme(), QStringLiteral("https"));
    EXPECT_EQ(url.host(), QStringLiteral("duckduckgo.com"));
    EXPECT_EQ(QUrlQuery(url).queryItemValue(QStringLiteral("q"), QUrl::FullyDecoded),
              QStringLiteral("New Delhi  Delhi India Latitude Longitude"));
}

TEST(PlaceLookup, EveryCharacterOfTheSearchArrivesIntact) {
    const QString tricky = QStringLiteral("A&B+C#D=E%F K\u00F6ln");
    const QUrl url = PlaceSearchUrl(tricky);
    EXPECT_EQ(QUrlQuery(url).queryItemValue(QStringLiteral("q"), QUrl::FullyDecoded), tricky);
    EXPECT_TRUE(url.toString(QUrl::FullyEncoded).contains(QStringLiteral("A%26B%2BC%23D%3DE%25F")));
}

}  // namespace
}  // namespace links
