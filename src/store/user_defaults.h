#pragma once

#include <QSettings>
#include <QString>

// The user's Boolean preferences ("paused", "hasLaunched", "loginOptOut") in
// $XDG_CONFIG_HOME/Pendrel/Pendrel.conf. An absent key reads as false; every
// write reaches the disk at once.
class UserDefaults {
public:
    explicit UserDefaults(const QString& filePath);

    enum class Key {
        Paused,           // every reminder silenced
        HasLaunched,      // the first launch is over
        LoginOptOut,      // the user switched starting at login off
        ToldKeepsRunning, // told once that closing the window keeps Pendrel running
    };
    // The key's name in the file, as every release has written it.
    static QString name(Key key);

    bool value(Key key) const;
    void set(Key key, bool value);

    // The preferences of the user running Pendrel.
    static UserDefaults& standard();
    static QString standardFilePath();

private:
    QSettings m_settings;
};
