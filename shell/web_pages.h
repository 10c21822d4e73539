// The program's web pages, one fixed address per kind.
#pragma once

#include <QUrl>

namespace shell {

enum class WebPage { OnlineHelp, HomePage, Download, BrandingOffer, CoBranding };

QUrl webPageAddress(WebPage page);

} // namespace shell

namespace shell {

// Hands the page to the user's browser; a failure is silent.
void OpenWebPage(WebPage page);

} // namespace shell
