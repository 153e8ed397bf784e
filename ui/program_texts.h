#pragma once

#include <QRgb>

namespace ui {

// Caption of the program's message boxes.
inline constexpr char kProgramTitle[] = "Velmora Astrology Rashi Chart East";

// Captions of the input form and the chart window, and of the chart display inside it.
inline constexpr char kMainWindowCaption[] =
    "Velmora Astrology Rashi Chart (East Indian Style) v1.70";
inline constexpr char kChartDisplayCaption[] =
    "Velmora Astrology Rashi Chart (East Indian Style) v1.60";

inline constexpr char kAlreadyRunningMessage[] = "Application is already running";

// The chart's background, also the colour of the chart window's top and bottom panels.
inline constexpr QRgb kChartColour = qRgb(255, 199, 6);

// The vendor's advertising texts shown by the form and the chart window.
inline constexpr char kFullBrandText[] =
    "Home Business Opportunity. Start your own Internet business and make money online. Get "
    "this software fully branded for your website. Click here for more details.";
// Shown through a label, where "&&" stands for one "&".
inline constexpr char kCobrandCaption[] =
    "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your "
    "site's name &&  link here. See \"Help\" for details.    Click Here for more info on "
    "co-branding.";
inline constexpr char kAnalysisPrefix[] = "For Analysis of this Rashi chart log onto ";

// The vendor's address as people read it; the links open pages of the same site.
inline constexpr char kVendorSiteText[] = "www.velmora-astrology.com";

inline constexpr char kForumInvitation[] =
    "Ask about your chart in the Velmora Vedic astrology forum. Click here to join.";
inline constexpr char kFormCobrandInvitation[] =
    "Co-brand this software for your site. Click here for more info on co-branding.";

}  // namespace ui
