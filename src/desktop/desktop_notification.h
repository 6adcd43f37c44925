#pragma once

#include <QString>

#include <functional>

class QObject;

// A message in the desktop's notification bubbles
// (org.freedesktop.Notifications on the session bus).
class DesktopNotification {
public:
    // Sent without waiting. `delivered`, when given, hears later (within a
    // few seconds, while `context` lives) whether a notification server took it.
    static void show(const QString& title, const QString& text, QObject* context = nullptr,
                     std::function<void(bool)> delivered = {});
};
