#include "message_filter.h"

#include <QString>
#include <QtGlobal>

#include <array>

namespace {

QtMessageHandler g_previous = nullptr;

bool isNoise(const QString& message)
{
    static const std::array<const char*, 5> noise = {
        "PulseAudioService:",
        "No audio device detected",
        "This plugin does not support",
        "QStandardPaths: XDG_RUNTIME_DIR",
        "qt.qpa.plugin: Could not find the Qt platform plugin \"wayland\"",
    };
    for (const char* prefix : noise) {
        if (message.startsWith(QLatin1String(prefix)))
            return true;
    }
    return false;
}

void filter(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg && isNoise(message))
        return;
    if (g_previous)
        g_previous(type, context, message);
}

} // namespace

void MessageFilter::install()
{
    g_previous = qInstallMessageHandler(filter);
}
