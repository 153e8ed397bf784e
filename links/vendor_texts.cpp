#include "links/vendor_texts.h"

#include <QCoreApplication>

namespace links {

QString VendorText(const char* source) {
    return QCoreApplication::translate("VendorTexts", source);
}

QString FullBrandAdvert() {
    //: The offer, then the link's words, as one sentence after another.
    return QCoreApplication::translate("VendorTexts", "%1 %2.")
        .arg(VendorText(kFullBrandOffer), VendorText(kMoreDetailsLink));
}

}  // namespace links
