#pragma once

#include <QUrl>
#include <array>
#include <functional>
#include <string_view>

namespace links {

// The pages, by the key the site knows them by.
inline constexpr std::string_view kHelpPage = "help-web-page";
inline constexpr std::string_view kHomePage = "home-page";
inline constexpr std::string_view kDownloadPage = "download-web-page";
inline constexpr std::string_view kFullyBrandedPage = "fully-branded";
inline constexpr std::string_view kCoBrandPage = "co-brand";
inline constexpr std::string_view kDonatePage = "donate";

inline constexpr std::array<std::string_view, 6> kVendorPageKeys = {
    kHelpPage, kHomePage, kDownloadPage, kFullyBrandedPage, kCoBrandPage, kDonatePage};

// The address of a page: "<site>/ssd.php?page=<key>".
QUrl VendorPageUrl(std::string_view key);

// The site's address as people read it, such as "www.velmora-astrology.example".
QString VendorSiteForDisplay();

// Opens an address in the desktop's web browser and returns at once; when nothing opens,
// nothing is said, as with any link.
void OpenInBrowser(const QUrl& address);

// How a window opens web addresses: OpenInBrowser, or the program's dialogs, or a test's catcher.
using UrlOpener = std::function<void(const QUrl& address)>;

}  // namespace links
