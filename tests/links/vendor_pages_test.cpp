#include "links/vendor_pages.h"

#include <gtest/gtest.h>

#include <set>

#include "url_catcher.h"

namespace links {
namespace {

TEST(VendorPages, EachKeyOpensItsAddressInTheBrowser) {
    const UrlCatcher catcher;
    for (const std::string_view key : kVendorPageKeys) {
        OpenInBrowser(VendorPageUrl(key));
    }
    const QStringList expected{
        QStringLiteral("https://www.velmora-astrology.example/ssd.php?page=help-web-page"),
        QStringLiteral("https://www.velmora-astrology.example/ssd.php?page=home-page"),
        QStringLiteral("https://www.velmora-astrology.example/ssd.php?page=download-web-page"),
        QStringLiteral("https://www.velmora-astrology.example/ssd.php?page=fully-branded"),
        QStringLiteral("https://www.velmora-astrology.example/ssd.php?page=co-brand"),
        QStringLiteral("https://www.velmora-astrology.example/ssd.php?page=donate"),
    };
    QStringList opened;
    for (const QUrl& url : catcher.opened) {
        opened << url.toString(QUrl::FullyEncoded);
    }
    EXPECT_EQ(opened, expected);
}

TEST(VendorPages, KeysAreDistinctAndTheSiteReadsWithoutItsScheme) {
    const std::set<std::string_view> distinct(kVendorPageKeys.begin(), kVendorPageKeys.end());
    EXPECT_EQ(distinct.size(), kVendorPageKeys.size());
    EXPECT_EQ(VendorSiteForDisplay(), QStringLiteral("www.velmora-astrology.example"));
}

}  // namespace
}  // namespace links
