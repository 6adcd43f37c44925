#pragma once

#include "login_switch.h"

#include <QString>

class SystemLog;
class UserDefaults;

// Starting Pendrel at login, through an XDG autostart entry. By default
// Pendrel registers itself at every launch where the entry is missing; once
// the user switches it off ("loginOptOut") it stays off until switched on.
class LoginItem : public LoginSwitch {
public:
    enum class Status { NotRegistered, Enabled, RequiresApproval, NotFound, Unknown };

    LoginItem(QString entryPath, QString programPath, UserDefaults& defaults, SystemLog& log);

    // The user's entry, $XDG_CONFIG_HOME/autostart/pendrel.desktop, for this program.
    static LoginItem& standard();
    static QString standardEntryPath();

    Status status() const;
    // "notRegistered", "enabled", "requiresApproval", "notFound" or "unknown".
    QString statusText() const;
    bool isEnabled() const override;
    // The user's choice from the checkbox; failures are logged, never raised.
    void set(bool enabled) override;
    // Registers at launch unless the user opted out or the entry is there.
    void ensureDefault();

    static QString statusWord(Status status);
    // The argument the entry starts Pendrel with, so a start can tell it
    // comes from the login rather than from the user.
    static QString autostartOption() { return QStringLiteral("--autostart"); }

private:
    bool registerEntry(QString* error) const;
    bool unregisterEntry(QString* error) const;
    bool markEntryAsLogin(QString* error) const;
    QByteArray entryContent() const;
    QByteArray readEntry() const;

    QString m_entryPath;
    QString m_programPath;
    UserDefaults& m_defaults;
    SystemLog& m_log;
};
