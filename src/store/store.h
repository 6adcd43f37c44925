#pragma once

#include "model/clock.h"
#include "model/reminder.h"

#include <QList>
#include <QObject>
#include <QUuid>

class UserDefaults;

// The one owner of the user's reminders and of the pause switch. Loads the
// reminders file once, when created, and rewrites it whole after every change
// of the list; the pause switch lives in the user defaults.
class Store : public QObject {
    Q_OBJECT

public:
    // folder holds reminders.json; it is created when missing.
    Store(const QString& folder, UserDefaults& defaults, const Clock& clock = Clock::system(),
          QObject* parent = nullptr);

    // The user's Store, created on first use from $XDG_DATA_HOME/Pendrel.
    static Store& shared();
    static QString standardFolder();

    const QList<Reminder>& reminders() const { return m_reminders; }
    // Replaces the whole list.
    void setReminders(const QList<Reminder>& reminders);
    // Replaces one element in place; an index outside the list is ignored.
    void setReminder(qsizetype index, const Reminder& reminder);
    // Position of the first reminder with this id, or -1.
    qsizetype indexOf(const QUuid& id) const;

    bool paused() const { return m_paused; }
    void setPaused(bool paused);

    // Appends a new reminder five minutes from now, rounded down to five
    // minutes, and returns its id.
    QUuid add();
    // Removes every reminder with this id; saves even when none matched.
    void remove(const QUuid& id);

    QString filePath() const { return m_filePath; }
    // Whether the last change reached the disk.
    bool lastSaveSucceeded() const { return m_lastSaveSucceeded; }

Q_SIGNALS:
    void reminderChanged(qsizetype index);
    void remindersReset();
    void pausedChanged(bool paused);

private:
    void load();
    void save();
    bool preserveUnloadableFile();

    UserDefaults& m_defaults;
    const Clock& m_clock;
    QString m_filePath;
    QList<Reminder> m_reminders;
    bool m_paused = false;
    bool m_loading = true;
    // The file existed but could not be loaded: keep a copy before replacing it.
    bool m_mustPreserveFile = false;
    bool m_lastSaveSucceeded = true;
};
