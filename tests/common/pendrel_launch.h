#pragma once

#include "common/private_home.h"

#include <QSettings>

// What a Pendrel started as a process in a private home runs with: the
// offscreen platform and a fixed time zone.
inline QProcessEnvironment pendrelEnvironment(const PrivateHome& home)
{
    QProcessEnvironment env = home.environment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("TZ"), QStringLiteral("Europe/Berlin"));
    // faketime preloads its library ahead of the sanitizer runtime of a
    // sanitizer build, which is harmless here.
    QString asan = env.value(QStringLiteral("ASAN_OPTIONS"));
    if (!asan.isEmpty())
        asan += u':';
    env.insert(QStringLiteral("ASAN_OPTIONS"), asan + QStringLiteral("verify_asan_link_order=0"));
    return env;
}

// As after the first launch: no window opens by itself; with the login item
// declined, nothing is registered either.
inline void markLaunched(const PrivateHome& home, bool loginDeclined = true)
{
    QSettings settings(home.path(QStringLiteral("config/Pendrel/Pendrel.conf")),
                       QSettings::IniFormat);
    settings.setValue(QStringLiteral("hasLaunched"), true);
    if (loginDeclined)
        settings.setValue(QStringLiteral("loginOptOut"), true);
}
