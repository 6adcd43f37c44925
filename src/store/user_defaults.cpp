#include "user_defaults.h"

#include <QStandardPaths>

UserDefaults::UserDefaults(const QString& filePath) : m_settings(filePath, QSettings::IniFormat) {}

QString UserDefaults::name(Key key)
{
    switch (key) {
    case Key::Paused:
        return QStringLiteral("paused");
    case Key::HasLaunched:
        return QStringLiteral("hasLaunched");
    case Key::LoginOptOut:
        return QStringLiteral("loginOptOut");
    case Key::ToldKeepsRunning:
        return QStringLiteral("toldKeepsRunning");
    }
    return {};
}

bool UserDefaults::value(Key key) const
{
    return m_settings.value(name(key), false).toBool();
}

void UserDefaults::set(Key key, bool value)
{
    m_settings.setValue(name(key), value);
    m_settings.sync();
}

UserDefaults& UserDefaults::standard()
{
    static UserDefaults defaults(standardFilePath());
    return defaults;
}

QString UserDefaults::standardFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Pendrel/Pendrel.conf");
}
