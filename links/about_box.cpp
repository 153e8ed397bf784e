#include "links/about_box.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "links/link_label.h"
#include "links/vendor_texts.h"

namespace links {

namespace {

// The designed description, then what the program has grown to do since; the licence notice
// closes it, in English, as the licence is written.
constexpr char kDescription[] = QT_TRANSLATE_NOOP(
    "links::frmAbout",
    "Velmora Rashi Chart (East Indian Style) Software shows your Rashi Chart (East Indian "
    "version) thereby giving the precise astronomical positions of planets during the time your "
    "birth. Vedic Astrology uses this information to forecast important incidents and probable "
    "opportunities that might arise in your life. Thus, Velmora Free Rashi Chart (East Indian "
    "Style) Software displays the planetary positions in the different signs. This is designed "
    "in the East Indian style of preparing Vedic birth charts. Beside the Rashi chart it shows the "
    "Navamsa chart and the Vimshottari dasha, finds the place of birth and its clock in a built-in "
    "atlas, zooms the chart, and saves it as a reading, a text report, a JPEG picture, a PDF or an "
    "SVG drawing, or prints it.");

// The place atlas is GeoNames' work, shared under CC BY 4.0, which asks for this credit.
constexpr char kPlaceCredit[] = QT_TRANSLATE_NOOP(
    "links::frmAbout",
    "Places and their time zones: GeoNames (www.geonames.org), licensed under Creative Commons "
    "Attribution 4.0 (CC BY 4.0).");

// The box's client area is 7320 × 3765 twips; at 15 twips a pixel that is 488 × 251 pixels.
constexpr int kClientWidth = 488;
constexpr int kClientHeight = 251;
constexpr int kIconSize = 48;

QFrame* HorizontalRule(QWidget* parent, const QString& name) {
    auto* rule = new QFrame(parent);
    rule->setObjectName(name);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    return rule;
}

QLabel* WrappedLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

}  // namespace

frmAbout::frmAbout(QWidget* parent, UrlOpener openUrl) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    const QString caption = QString::fromLatin1(kProgramCaption);
    setWindowTitle(caption);
    setModal(true);

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("imgProduct"));
    // The program's own icon, which the windows share; an About box without a parent window
    // shows the application's.
    icon->setPixmap(windowIcon().pixmap(kIconSize));
    icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* title = new QLabel(caption, this);
    title->setObjectName(QStringLiteral("lblTitle"));
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);

    auto* description = WrappedLabel(tr(kDescription) + QLatin1Char(' ') + LicenceNotice(), this);
    description->setObjectName(QStringLiteral("lblDescription"));

    lblHomePage = new LinkLabel(tr("Click here to visit %1").arg(VendorSiteForDisplay()), this);
    lblHomePage->setObjectName(QStringLiteral("lblHomePage"));

    auto* offer = WrappedLabel(VendorText(kFullBrandOffer), this);
    offer->setObjectName(QStringLiteral("lblBusiness"));
    lblCoBrand = new LinkLabel(VendorText(kMoreDetailsLink), this);
    lblCoBrand->setObjectName(QStringLiteral("lblCoBrand"));

    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    // Enter closes the box: the focus starts on OK, not on a link that Enter would follow.
    cmdOK->setFocus(Qt::OtherFocusReason);

    auto* text = new QVBoxLayout;
    text->addWidget(title);
    text->addWidget(description);
    text->addWidget(HorizontalRule(this, QStringLiteral("Line1")));
    text->addWidget(lblHomePage);
    text->addWidget(HorizontalRule(this, QStringLiteral("Line2")));
    text->addWidget(offer);
    text->addWidget(lblCoBrand);
    auto* placeCredit = WrappedLabel(tr(kPlaceCredit), this);
    placeCredit->setObjectName(QStringLiteral("lblPlaceCredit"));
    text->addWidget(placeCredit);
    text->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    text->addLayout(buttons);

    auto* whole = new QHBoxLayout(this);
    whole->addWidget(icon, 0, Qt::AlignTop);
    whole->addLayout(text, 1);

    connect(lblHomePage, &LinkLabel::clicked, this,
            [openUrl] { openUrl(VendorPageUrl(kHomePage)); });
    connect(lblCoBrand, &LinkLabel::clicked, this,
            [openUrl] { openUrl(VendorPageUrl(kFullyBrandedPage)); });
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    // A fixed box of the designed size, taller only when the fonts need more room.
    setFixedWidth(kClientWidth);
    setFixedHeight(std::max(kClientHeight, whole->heightForWidth(kClientWidth)));
}

void ShowAboutBox(QWidget* parent, UrlOpener openUrl) {
    frmAbout box(parent, std::move(openUrl));
    box.exec();
}

}  // namespace links
