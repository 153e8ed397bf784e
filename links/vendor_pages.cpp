#include "links/vendor_pages.h"

#include <QDesktopServices>

namespace links {

namespace {

// The vendor's web site, the project's home page; every page the program opens lives there.
constexpr std::string_view kVendorSite = RASHI_HOMEPAGE_URL;

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QUrl VendorPageUrl(std::string_view key) {
    QUrl url(FromView(kVendorSite) + QStringLiteral("/ssd.php"));
    url.setQuery(QStringLiteral("page=") + FromView(key));
    return url;
}

QString VendorSiteForDisplay() {
    return QUrl(FromView(kVendorSite)).host();
}

void OpenInBrowser(const QUrl& address) {
    QDesktopServices::openUrl(address);
}

}  // namespace links
