#pragma once

#include <QDialog>

#include "links/vendor_pages.h"

class QPushButton;

namespace links {

class LinkLabel;

// The About box: the program's name and version, what it does, who holds its rights, and links
// to the vendor's home page and the branding offer. Modal; OK closes it.
class frmAbout : public QDialog {
    Q_OBJECT

  public:
    explicit frmAbout(QWidget* parent = nullptr, UrlOpener openUrl = OpenInBrowser);

    LinkLabel* lblHomePage = nullptr;
    LinkLabel* lblCoBrand = nullptr;
    QPushButton* cmdOK = nullptr;
};

// Shows the About box over parent and returns when the user has closed it.
void ShowAboutBox(QWidget* parent, UrlOpener openUrl = OpenInBrowser);

}  // namespace links
