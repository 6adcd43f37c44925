#include "store.h"

#include "model/local_time.h"
#include "model/reminder_json.h"
#include "user_defaults.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace {

const QString pausedKey = QStringLiteral("paused");

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
      m_file(QDir(folder).filePath(QStringLiteral("reminders.json")), clock)
{
    m_paused = m_defaults.boolValue(pausedKey);
    QDir().mkpath(folder);
    auto loaded = m_file.load();
    m_reminders = loaded ? std::move(*loaded) : QList<Reminder>{seedReminder()};
    m_loading = false;
    connect(&m_file, &ReminderFile::touched, this, &Store::takeOutsideChange);
}

Store& Store::shared()
{
    static Store* store = new Store(standardFolder(), UserDefaults::standard());
    return *store;
}

QString Store::standardFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Pendrel");
}

bool Store::save(const ListChange& change)
{
    if (m_loading)
        return false;
    if (m_unsaved.isEmpty() || !m_unsaved.last().absorb(change))
        m_unsaved.append(change);
    // Checked at every save: a change the watcher has not reported yet is
    // taken in rather than overwritten.
    bool replaced = false;
    if (auto outside = m_file.outsideChange())
        replaced = adopt(std::move(*outside));
    m_lastSaveSucceeded = m_file.write(ReminderJson::encodeList(m_reminders));
    if (m_lastSaveSucceeded)
        m_unsaved.clear();
    return replaced;
}

bool Store::adopt(QList<Reminder> outside)
{
    bool clean = true;
    for (const ListChange& change : std::as_const(m_unsaved))
        clean = change.applyTo(outside) && clean;
    // Nothing anyone wrote is lost: what had to be overridden is kept aside.
    if (!clean)
        m_file.keepAsideBeforeReplacing();
    if (outside == m_reminders)
        return false;
    m_reminders = std::move(outside);
    return true;
}

void Store::takeOutsideChange()
{
    // Taken in, never written back: the file already holds it.
    if (auto outside = m_file.outsideChange(); outside && adopt(std::move(*outside)))
        Q_EMIT remindersReset();
}

void Store::setReminders(const QList<Reminder>& reminders)
{
    m_reminders = reminders;
    save(ListChange::replace(reminders));
    Q_EMIT remindersReset();
}

void Store::setReminder(qsizetype index, const Reminder& reminder)
{
    if (index < 0 || index >= m_reminders.size())
        return;
    const ListChange change = ListChange::edit(m_reminders, index, reminder);
    m_reminders[index] = reminder;
    if (save(change))
        Q_EMIT remindersReset();
    else
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
    save(ListChange::add(reminder));
    Q_EMIT remindersReset();
    return reminder.id;
}

void Store::remove(const QUuid& id)
{
    m_reminders.removeIf([&id](const Reminder& r) { return r.id == id; });
    save(ListChange::remove(id));
    Q_EMIT remindersReset();
}
