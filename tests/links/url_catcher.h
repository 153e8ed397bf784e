#pragma once

#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QUrl>

namespace links {

// Catches every web address the program asks the desktop to open, so no test starts a browser.
class UrlCatcher : public QObject {
    Q_OBJECT

  public:
    UrlCatcher() {
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open");
        QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "open");
    }
    ~UrlCatcher() override {
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    }

    QList<QUrl> opened;

  public slots:
    void open(const QUrl& url) { opened << url; }
};

}  // namespace links
