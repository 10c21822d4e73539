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

namespace shell {

// Only http and https addresses; anything else (file:, javascript:, a program's path)
// is never handed to the platform.
bool isWebAddress(const QUrl &address);
// Opens an address found in text, e.g. a link in a reading; false when it was refused.
bool openWebAddress(const QUrl &address);

} // namespace shell
