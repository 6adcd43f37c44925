#pragma once

#include "list_change.h"
#include "model/clock.h"
#include "model/reminder.h"
#include "reminder_file.h"

#include <QList>
#include <QObject>
#include <QUuid>

class UserDefaults;

// The one owner of the user's reminders and of the pause switch. Loads the
// reminders file when created and rewrites it whole after every change of
// the list. The file stays the truth: a change someone else makes to it is
// taken in, and a save made after one is applied on top of it. The pause
// switch lives in the user defaults.
class Store : public QObject {
    Q_OBJECT

public:
    // folder holds reminders.json; it is created when missing.
    Store(const QString& folder, UserDefaults& defaults, const Clock& clock = Clock::system(),
          QObject* parent = nullptr);

    // The user's Store, created on first use from $XDG_DATA_HOME/Pendrel;
    // never deleted, as it watches its file for the whole run.
    static Store& shared();
    static QString standardFolder();

    const QList<Reminder>& reminders() const { return m_reminders; }
    // Replaces the whole list.
    void setReminders(const QList<Reminder>& reminders);
    // Replaces one element in place; an index outside the list is ignored.
    // Signals remindersReset rather than reminderChanged when the save took
    // in a file someone else changed.
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

    QString filePath() const { return m_file.path(); }
    // Whether the last change reached the disk.
    bool lastSaveSucceeded() const { return m_lastSaveSucceeded; }

Q_SIGNALS:
    void reminderChanged(qsizetype index);
    void remindersReset();
    void pausedChanged(bool paused);

private:
    // Saves the list after `change`; true when a change found in the file
    // replaced the list on the way.
    bool save(const ListChange& change);
    // Takes the file's list with the changes not yet saved on top; true
    // when that differs from the list.
    bool adopt(QList<Reminder> outside);
    void takeOutsideChange();

    UserDefaults& m_defaults;
    const Clock& m_clock;
    ReminderFile m_file;
    QList<Reminder> m_reminders;
    QList<ListChange> m_unsaved;
    bool m_paused = false;
    bool m_loading = true;
    bool m_lastSaveSucceeded = true;
};
