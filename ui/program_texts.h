#pragma once

#include <QCoreApplication>
#include <QRgb>
#include <QString>

#include "links/vendor_texts.h"

namespace ui {

// Caption of the program's message boxes.
inline constexpr char kProgramTitle[] = "Velmora Astrology Rashi Chart East";

// Captions of the input form and the chart window, and of the chart display inside it.
inline constexpr const char* kMainWindowCaption = links::kProgramCaption;
inline constexpr char kChartDisplayCaption[] =
    "Velmora Astrology Rashi Chart (East Indian Style) v1.60";

// The texts below are shown in the language spoken: ProgramText translates them.
inline constexpr char kProgramTextsContext[] = "ProgramTexts";

inline constexpr char kAlreadyRunningMessage[] =
    QT_TRANSLATE_NOOP("ProgramTexts", "Application is already running");

// Asked by "Print" when the system has no printer at all.
inline constexpr char kNoPrinterQuestion[] = QT_TRANSLATE_NOOP(
    "ProgramTexts",
    "No printer is set up on this computer, so the chart cannot be printed.\n\n"
    "Would you like to save the chart as a PDF file instead? You can print that file later.");

// The chart's background, also the colour of the chart window's top and bottom panels.
inline constexpr QRgb kChartColour = qRgb(255, 199, 6);

// The vendor's advertising texts shown by the form and the chart window. The branding offer,
// which the About box shows too, is links::FullBrandAdvert().

// Shown through a label, where "&&" stands for one "&".
inline constexpr char kCobrandCaption[] = QT_TRANSLATE_NOOP(
    "ProgramTexts",
    "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your "
    "site's name &&  link here. See \"Help\" for details.    Click Here for more info on "
    "co-branding.");
inline constexpr char kAnalysisPrefix[] =
    QT_TRANSLATE_NOOP("ProgramTexts", "For Analysis of this Rashi chart log onto ");

inline constexpr char kForumInvitation[] = QT_TRANSLATE_NOOP(
    "ProgramTexts",
    "Ask about your chart in the Velmora Vedic astrology forum. Click here to join.");
inline constexpr char kFormCobrandInvitation[] = QT_TRANSLATE_NOOP(
    "ProgramTexts",
    "Co-brand this software for your site. Click here for more info on co-branding.");

// One of the texts above in the language spoken.
inline QString ProgramText(const char* source) {
    return QCoreApplication::translate(kProgramTextsContext, source);
}

}  // namespace ui
