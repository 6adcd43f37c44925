#include "url_opener.h"

#include <QDesktopServices>

void UrlOpener::open(const QUrl& url)
{
    // A refusal by the desktop is not reported: there is nobody to tell.
    QDesktopServices::openUrl(url);
}

UrlOpener& UrlOpener::standard()
{
    static UrlOpener opener;
    return opener;
}
