#include "store.h"

#include "atomic_file.h"
#include "model/local_time.h"
#include "model/reminder_json.h"
#include "user_defaults.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString pausedKey = QStringLiteral("paused");
constexpr qint64 maxFileBytes = 256 * 1024 * 1024;

// The texts Pendrel writes into a new reminder are in the user's language;
// once saved they are the reminder's own and never change with the locale.
Reminder seedReminder()
{
    return Reminder{
        .title = QCoreApplication::translate("Store", "Take attendance"),
        .note = QCoreApplication::translate("Store", "Good morning! Time to take attendance."),
    };
}

} // namespace

Store::Store(const QString& folder, UserDefaults& defaults, const Clock& clock, QObject* parent)
    : QObject(parent), m_defaults(defaults), m_clock(clock),
      m_filePath(QDir(folder).filePath(QStringLiteral("reminders.json")))
{
    m_paused = m_defaults.boolValue(pausedKey);
    QDir().mkpath(folder);
    load();
    m_loading = false;
}

Store& Store::shared()
{
    static Store store(standardFolder(), UserDefaults::standard());
    return store;
}

QString Store::standardFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Pendrel");
}

void Store::load()
{
    QFile file(m_filePath);
    // Ten thousand reminders take 5 MB; a file far beyond that is not a
    // reminders list, and reading it whole could exhaust memory.
    if (file.size() <= maxFileBytes && file.open(QIODevice::ReadOnly)) {
        if (auto decoded = ReminderJson::decodeList(file.readAll())) {
            m_reminders = std::move(*decoded);
            return;
        }
    }
    // A regular file that is there but unusable still holds the user's text.
    m_mustPreserveFile = QFileInfo(m_filePath).isFile();
    m_reminders = {seedReminder()};
}

void Store::save()
{
    if (m_loading)
        return;
    const QByteArray bytes = ReminderJson::encodeList(m_reminders);
    if (m_mustPreserveFile && !preserveUnloadableFile()) {
        m_lastSaveSucceeded = false;
        return;
    }
    m_lastSaveSucceeded = AtomicFile::write(m_filePath, bytes);
}

bool Store::preserveUnloadableFile()
{
    const QString stamp =
        LocalTime::wallClock(m_clock.now(), m_clock.zone()).toString(u"yyyyMMdd-HHmmss");
    QString target = m_filePath + QStringLiteral(".corrupt-") + stamp;
    for (int n = 1; QFileInfo::exists(target); ++n)
        target = m_filePath + QStringLiteral(".corrupt-%1-%2").arg(stamp).arg(n);
    // Copying needs read access (and time, for a huge file); the file can
    // still be moved aside.
    const bool copied =
        QFileInfo(m_filePath).size() <= maxFileBytes && QFile::copy(m_filePath, target);
    if (!copied && !QFile::rename(m_filePath, target)) {
        if (QFileInfo::exists(m_filePath))
            return false;
    }
    m_mustPreserveFile = false;
    return true;
}

void Store::setReminders(const QList<Reminder>& reminders)
{
    m_reminders = reminders;
    save();
    Q_EMIT remindersReset();
}

void Store::setReminder(qsizetype index, const Reminder& reminder)
{
    if (index < 0 || index >= m_reminders.size())
        return;
    m_reminders[index] = reminder;
    save();
    Q_EMIT reminderChanged(index);
}

qsizetype Store::indexOf(const QUuid& id) const
{
    for (qsizetype i = 0; i < m_reminders.size(); ++i) {
        if (m_reminders[i].id == id)
            return i;
    }
    return -1;
}

void Store::setPaused(bool paused)
{
    m_paused = paused;
    m_defaults.setBool(pausedKey, paused);
    Q_EMIT pausedChanged(paused);
}

QUuid Store::add()
{
    const QTime in5 = LocalTime::wallClock(m_clock.now().addSecs(300), m_clock.zone()).time();
    Reminder reminder{
        .title = QCoreApplication::translate("Store", "New reminder"),
        .hour = in5.hour(),
        .minute = in5.minute() / 5 * 5,
        .sound = QStringLiteral("Ping"),
    };
    m_reminders.append(reminder);
    save();
    Q_EMIT remindersReset();
    return reminder.id;
}

void Store::remove(const QUuid& id)
{
    m_reminders.removeIf([&id](const Reminder& r) { return r.id == id; });
    save();
    Q_EMIT remindersReset();
}
