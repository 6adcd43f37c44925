#include "login_item.h"

#include "desktop_entry.h"
#include "store/atomic_file.h"
#include "store/user_defaults.h"
#include "system_log.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

bool isFalse(const QString& value)
{
    return value.compare(u"false", Qt::CaseInsensitive) == 0;
}

} // namespace

LoginItem::LoginItem(QString entryPath, QString programPath, UserDefaults& defaults, SystemLog& log)
    : m_entryPath(std::move(entryPath)), m_programPath(std::move(programPath)),
      m_defaults(defaults), m_log(log)
{}

LoginItem& LoginItem::standard()
{
    static LoginItem item(standardEntryPath(), QCoreApplication::applicationFilePath(),
                          UserDefaults::standard(), SystemLog::standard());
    return item;
}

QString LoginItem::standardEntryPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/pendrel.desktop");
}

LoginItem::Status LoginItem::status() const
{
    const QFileInfo file(m_entryPath);
    if (!file.exists() && !file.isSymLink())
        return Status::NotRegistered;
    const auto entry = DesktopEntry::read(m_entryPath);
    if (!entry || entry->value(QStringLiteral("Type")) != u"Application")
        return Status::Unknown;
    if (entry->value(QStringLiteral("Hidden")).compare(u"true", Qt::CaseInsensitive) == 0 ||
        isFalse(entry->value(QStringLiteral("X-GNOME-Autostart-enabled"))))
        return Status::RequiresApproval;
    const QString program = entry->program();
    if (program.isEmpty())
        return Status::Unknown;
    const QFileInfo target(program);
    if (!target.isAbsolute() || !target.isFile() || !target.isExecutable())
        return Status::NotFound;
    return Status::Enabled;
}

QString LoginItem::statusWord(Status status)
{
    switch (status) {
    case Status::NotRegistered:
        return QStringLiteral("notRegistered");
    case Status::Enabled:
        return QStringLiteral("enabled");
    case Status::RequiresApproval:
        return QStringLiteral("requiresApproval");
    case Status::NotFound:
        return QStringLiteral("notFound");
    case Status::Unknown:
        break;
    }
    return QStringLiteral("unknown");
}

QString LoginItem::statusText() const
{
    return statusWord(status());
}

bool LoginItem::isEnabled() const
{
    return status() == Status::Enabled;
}

void LoginItem::set(bool enabled)
{
    m_defaults.set(UserDefaults::Key::LoginOptOut, !enabled);
    QString error;
    const bool ok = enabled ? registerEntry(&error) : unregisterEntry(&error);
    if (!ok)
        m_log.write(QStringLiteral("Login item change failed: ") + error);
}

void LoginItem::ensureDefault()
{
    if (m_defaults.value(UserDefaults::Key::LoginOptOut))
        return;
    const Status current = status();
    QString error;
    if (current == Status::Enabled) {
        if (!markEntryAsLogin(&error))
            m_log.write(QStringLiteral("Login item update failed: ") + error);
        return;
    }
    // Switched off in the desktop's own startup settings: the user's choice.
    if (current == Status::RequiresApproval)
        return;
    if (!registerEntry(&error))
        m_log.write(QStringLiteral("Login item register failed: ") + error);
}

bool LoginItem::markEntryAsLogin(QString* error) const
{
    // Earlier releases started Pendrel without saying the start is the
    // login's. Only that Exec line learns it; every other line, and an Exec
    // line the user changed, stays as it is.
    const QByteArray plain = "Exec=" + DesktopEntry::execLine(m_programPath).toUtf8();
    QList<QByteArray> lines = readEntry().split('\n');
    bool changed = false;
    for (QByteArray& line : lines) {
        if (line.trimmed() == plain) {
            line = plain + ' ' + autostartOption().toUtf8();
            changed = true;
        }
    }
    QString why;
    if (changed && !AtomicFile::write(m_entryPath, lines.join('\n'), &why)) {
        *error = QStringLiteral("%1: %2").arg(m_entryPath, why);
        return false;
    }
    return true;
}

bool LoginItem::registerEntry(QString* error) const
{
    const QString folder = QFileInfo(m_entryPath).absolutePath();
    if (!QDir().mkpath(folder)) {
        *error = QStringLiteral("cannot create the folder %1").arg(folder);
        return false;
    }
    QString why;
    if (!AtomicFile::write(m_entryPath, entryContent(), &why)) {
        *error = QStringLiteral("%1: %2").arg(m_entryPath, why);
        return false;
    }
    return true;
}

QByteArray LoginItem::entryContent() const
{
    const QString exec = DesktopEntry::execLine(m_programPath) + u' ' + autostartOption();
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Pendrel\n"
                          "Comment=Recurring reminders\n"
                          "Exec=%1\n"
                          "Icon=pendrel\n"
                          "Terminal=false\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(exec)
        .toUtf8();
}

QByteArray LoginItem::readEntry() const
{
    QFile file(m_entryPath);
    // Our own entry is a few hundred bytes; anything larger is not ours.
    return file.open(QIODevice::ReadOnly) ? file.read(64 * 1024) : QByteArray();
}

bool LoginItem::unregisterEntry(QString* error) const
{
    QFile file(m_entryPath);
    if (!file.exists() && !QFileInfo(m_entryPath).isSymLink())
        return true;
    if (!file.remove()) {
        *error = file.errorString();
        return false;
    }
    return true;
}
