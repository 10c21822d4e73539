// The program's web pages, one fixed address per kind.
#include "web_pages.h"

namespace shell {

QUrl webPageAddress(WebPage page)
{
    switch (page) {
    case WebPage::OnlineHelp:
        return QUrl(QStringLiteral("https://www.tavrenne.com/help/"));
    case WebPage::HomePage:
        return QUrl(QStringLiteral("https://www.tavrenne.com/"));
    case WebPage::Download:
        return QUrl(QStringLiteral("https://www.tavrenne.com/download/"));
    case WebPage::BrandingOffer:
        return QUrl(QStringLiteral("https://www.tavrenne.com/branding/"));
    case WebPage::CoBranding:
        return QUrl(QStringLiteral("https://www.tavrenne.com/co-branding/"));
    }
    return {};
}

} // namespace shell

#include "platform.h"

namespace shell {

void OpenWebPage(WebPage page)
{
    if (WebPages *web = platform().webPages)
        web->open(webPageAddress(page));
}

} // namespace shell

namespace shell {

bool isWebAddress(const QUrl &address)
{
    const QString scheme = address.scheme().toLower();
    return address.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
           && !address.host().isEmpty();
}

bool openWebAddress(const QUrl &address)
{
    if (!isWebAddress(address))
        return false;
    if (WebPages *web = platform().webPages)
        web->open(address);
    return true;
}

} // namespace shell
