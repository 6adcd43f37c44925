#pragma once

#include <QSettings>
#include <QString>

// The user's Boolean preferences ("paused", "hasLaunched", "loginOptOut") in
// $XDG_CONFIG_HOME/Pendrel/Pendrel.conf. An absent key reads as false; every
// write reaches the disk at once.
class UserDefaults {
public:
    explicit UserDefaults(const QString& filePath);

    bool boolValue(const QString& key) const;
    void setBool(const QString& key, bool value);

    // The preferences of the user running Pendrel.
    static UserDefaults& standard();
    static QString standardFilePath();

private:
    QSettings m_settings;
};
