#pragma once

#include <QString>

// A message in the desktop's notification bubbles
// (org.freedesktop.Notifications on the session bus).
class DesktopNotification {
public:
    // Sent without waiting: without a notification service it is lost.
    static void show(const QString& title, const QString& text);
};
