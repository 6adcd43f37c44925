#include "user_defaults.h"

#include <QStandardPaths>

UserDefaults::UserDefaults(const QString& filePath) : m_settings(filePath, QSettings::IniFormat) {}

bool UserDefaults::boolValue(const QString& key) const
{
    return m_settings.value(key, false).toBool();
}

void UserDefaults::setBool(const QString& key, bool value)
{
    m_settings.setValue(key, value);
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
