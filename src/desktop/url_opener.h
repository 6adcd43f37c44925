#pragma once

#include <QUrl>

// Opens a website in the user's default browser. Tests put their own in its place.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    virtual void open(const QUrl& url);

    static UrlOpener& standard();
};
