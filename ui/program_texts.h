#pragma once

#include <QRgb>

#include "links/vendor_texts.h"

namespace ui {

// Caption of the program's message boxes.
inline constexpr char kProgramTitle[] = "Velmora Astrology Rashi Chart East";

// Captions of the input form and the chart window, and of the chart display inside it.
inline constexpr const char* kMainWindowCaption = links::kProgramCaption;
inline constexpr char kChartDisplayCaption[] =
    "Velmora Astrology Rashi Chart (East Indian Style) v1.60";

inline constexpr char kAlreadyRunningMessage[] = "Application is already running";

// Asked by "Print" when the system has no printer at all.
inline constexpr char kNoPrinterQuestion[] =
    "No printer is set up on this computer, so the chart cannot be printed.\n\n"
    "Would you like to save the chart as a PDF file instead? You can print that file later.";

// The chart's background, also the colour of the chart window's top and bottom panels.
inline constexpr QRgb kChartColour = qRgb(255, 199, 6);

// The vendor's advertising texts shown by the form and the chart window. The branding offer,
// which the About box shows too, is links::FullBrandAdvert().

// Shown through a label, where "&&" stands for one "&".
inline constexpr char kCobrandCaption[] =
    "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your "
    "site's name &&  link here. See \"Help\" for details.    Click Here for more info on "
    "co-branding.";
inline constexpr char kAnalysisPrefix[] = "For Analysis of this Rashi chart log onto ";

inline constexpr char kForumInvitation[] =
    "Ask about your chart in the Velmora Vedic astrology forum. Click here to join.";
inline constexpr char kFormCobrandInvitation[] =
    "Co-brand this software for your site. Click here for more info on co-branding.";

}  // namespace ui
