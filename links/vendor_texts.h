#pragma once

#include <QString>

namespace links {

// The program's name and version as its windows and the About box show it.
inline constexpr char kProgramCaption[] = "Velmora Astrology Rashi Chart (East Indian Style) v1.70";

// The vendor's branding offer. The About box shows the sentences and the link apart; the form
// and the chart window show them as one label.
inline constexpr char kFullBrandOffer[] =
    "Home Business Opportunity. Start your own Internet business and make money online. Get "
    "this software fully branded for your website.";
inline constexpr char kMoreDetailsLink[] = "Click here for more details";

// The offer and its link as one text: "Home Business Opportunity. … Click here for more details."
QString FullBrandAdvert();

}  // namespace links
