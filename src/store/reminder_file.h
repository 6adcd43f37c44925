#pragma once

#include "folder_watch.h"
#include "model/clock.h"
#include "model/reminder.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QThreadPool>

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
    // Whether the file Pendrel found could not be read and is still to be
    // kept aside; and where the last such copy went, once it was made.
    bool holdsUnreadable() const { return m_keepAs == corruptKind; }
    QString keptAside() const { return m_keptAside; }

    // Starts replacing the file atomically with the list, off the GUI
    // thread: encoding, writing and syncing never hold up the window.
    // written() tells how it went; until then the file is busy() and
    // outsideChange() reports nothing, as the file may be mid-replacement.
    void startWrite(const QList<Reminder>& reminders);
    bool busy() const { return m_busy; }
    // Waits up to `msecs` for the write in progress and delivers its
    // written(), which may start another (and a touched() from a read that
    // ended meanwhile); false when it has not ended by then.
    bool waitForWrite(int msecs);

    static const QString corruptKind;
    static const QString conflictKind;

Q_SIGNALS:
    // The file or its folder changed, a moment ago, and what it holds now
    // has been read; outsideChange() tells how.
    void touched();
    // A write ended; on failure the file is as it was, and `error` says why.
    void written(bool ok, const QString& error);

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
        // Whether both are the file as it was at one moment, by its status
        // alone: the same file, not touched in between.
        bool sameStatus(const Snapshot& other) const;
    };

    // The file as read off the GUI thread after a change, decoded unless it
    // held what Pendrel knew it to.
    struct Read {
        Snapshot snapshot;
        bool decoded = false;
        std::optional<QList<Reminder>> list;
    };

    struct WriteResult {
        bool ok = false;
        QString error;
        QByteArray bytes;
        Snapshot after;
    };
    static Snapshot snapshot(const QString& path, bool read);
    static WriteResult writeJob(const QString& path, const QList<Reminder>& reminders,
                                const QString& keepAsideAs);
    QString keepAsideTarget() const;
    void onWritten(const WriteResult& result, const QString& keptAs);
    void startRead();
    void onRead(const Read& read);
    // The list in the file last seen (decoded already in `read`, when given),
    // or none; an unusable regular file is marked to be kept aside before it
    // is replaced.
    std::optional<QList<Reminder>> decodeKnown(const Read* read = nullptr);

    QString m_path;
    const Clock& m_clock;
    Snapshot m_known;
    QString m_keepAs; // the kind of copy the next write keeps, or empty
    QString m_keptAside;
    bool m_busy = false;
    bool m_reading = false;
    bool m_readAgain = false;
    std::optional<Read> m_read; // taken by the next outsideChange()
    FolderWatch m_watch;
    // Last, so they are gone first: their destructors wait for a job in progress.
    QThreadPool m_reader;
    QThreadPool m_writer;
};
