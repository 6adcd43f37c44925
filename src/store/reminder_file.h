#pragma once

#include "model/clock.h"
#include "model/reminder.h"

#include <QByteArray>
#include <QFileSystemWatcher>
#include <QList>
#include <QObject>
#include <QTimer>

#include <memory>
#include <optional>

// The reminders file as others may change it while Pendrel runs. It
// remembers what Pendrel last read or wrote there, so that a change made by
// someone else is told from Pendrel's own saves, and it keeps a file aside
// before a save replaces content Pendrel could not take in.
class ReminderFile : public QObject {
    Q_OBJECT

public:
    // Files larger than this are no reminders list and are never read whole.
    static constexpr qint64 maxBytes = 256 * 1024 * 1024;

    ReminderFile(const QString& path, const Clock& clock, QObject* parent = nullptr);

    QString path() const { return m_path; }

    // Clears what interrupted saves left, reads the file and starts watching
    // it: the list, or nothing when the file is missing or does not decode.
    std::optional<QList<Reminder>> load();
    // The list the file holds now, when someone else changed it to one that
    // decodes. Nothing when it is as Pendrel left it, gone (the next write
    // brings it back), or does not decode (kept aside before the next write).
    std::optional<QList<Reminder>> outsideChange();
    // The next write keeps the file as it then is next to it first.
    void keepAsideBeforeReplacing();
    // Replaces the file atomically; false when that fails, and then the file
    // is as it was.
    bool write(const QByteArray& bytes);

Q_SIGNALS:
    // The file or its folder changed, a moment ago; outsideChange() tells how.
    void touched();

private:
    struct Snapshot {
        bool exists = false;
        bool regular = false;
        std::optional<QByteArray> bytes; // a readable regular file within maxBytes
        quint64 device = 0;
        quint64 inode = 0;
        qint64 size = 0;
        qint64 modifiedNsecs = 0;

        bool sameAs(const Snapshot& other) const;
    };

    Snapshot snapshot(bool read) const;
    // The list in the file last seen, or none; an unusable regular file is
    // marked to be kept aside before it is replaced.
    std::optional<QList<Reminder>> decodeKnown();
    void removeLeftovers();
    bool keepAside(const QString& kind);
    void startWatching();
    void rearm();

    QString m_path;
    const Clock& m_clock;
    Snapshot m_known;
    QString m_keepAs; // the kind of copy the next write keeps, or empty
    // Made once the event loop runs: closing one costs the kernel some
    // milliseconds, too much for a Store that only loads.
    std::unique_ptr<QFileSystemWatcher> m_watcher;
    quint64 m_watchedInode = 0;
    QTimer m_settle;
};
