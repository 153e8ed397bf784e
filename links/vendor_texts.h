#pragma once

#include <QString>

namespace links {

// The program's name and version as its windows and the About box show it.
inline constexpr char kProgramCaption[] = "Velmora Astrology Rashi Chart (East Indian Style) v1.70";

// Who holds the program's copyright, and the licence it is shared under: the About box, the
// package's copyright file and the metainfo say the same.
inline constexpr char kCopyrightLine[] = "Copyright (C) 2026 Velmora Astrology";
inline constexpr char kLicenceSentence[] =
    "This program is free software: you can share and change it under the GNU General Public "
    "License, version 3 or (at your option) any later version. It comes with no warranty.";

// The copyright line and the licence sentence, as the About box closes its description.
inline QString LicenceNotice() {
    return QString::fromLatin1(kCopyrightLine) + QStringLiteral(". ") +
           QString::fromLatin1(kLicenceSentence);
}

// The vendor's branding offer. The About box shows the sentences and the link apart; the form
// and the chart window show them as one label.
inline constexpr char kFullBrandOffer[] = QT_TRANSLATE_NOOP(
    "VendorTexts",
    "Home Business Opportunity. Start your own Internet business and make money online. Get "
    "this software fully branded for your website.");
inline constexpr char kMoreDetailsLink[] =
    QT_TRANSLATE_NOOP("VendorTexts", "Click here for more details");

// One of the texts above in the language spoken.
QString VendorText(const char* source);

// The offer and its link as one text in the language spoken: "Home Business Opportunity. … Click
// here for more details."
QString FullBrandAdvert();

}  // namespace links
