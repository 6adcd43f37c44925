#pragma once

#include "list_history.h"

#include <QObject>
#include <QThreadPool>
#include <QTimer>

// The history of the reminders file kept for merging, outside the folder a
// sync tool shares (the other computer keeps its own): in
// $XDG_STATE_HOME/Pendrel, private to the user, read back at the next start.
// Written in the background a moment after it changes, so typing never waits.
class MergeBase : public QObject {
    Q_OBJECT

public:
    explicit MergeBase(const QString& statePath, QObject* parent = nullptr);
    ~MergeBase() override;

    // The state file kept for the reminders file at `remindersPath`.
    static QString standardPath(const QString& remindersPath);

    // Reads what an earlier run kept; an unusable file starts a new history.
    void load();
    const ListHistory& history() const { return m_history; }
    void record(const QList<Reminder>& list, bool own, bool evidence = true);
    // Writes what is pending now and waits up to `msecs` for it. For quitting.
    void flush(int msecs);

private:
    void startWrite();

    QString m_path;
    ListHistory m_history;
    QTimer m_delay;
    QThreadPool m_writer; // last: its destructor waits for a write in progress
};
