#include "links/vendor_texts.h"

namespace links {

QString FullBrandAdvert() {
    return QString::fromLatin1(kFullBrandOffer) + QLatin1Char(' ') +
           QString::fromLatin1(kMoreDetailsLink) + QLatin1Char('.');
}

}  // namespace links
