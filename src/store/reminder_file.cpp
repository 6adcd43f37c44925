#include "reminder_file.h"

#include "atomic_file.h"
#include "kept_copies.h"
#include "model/local_time.h"
#include "model/reminder_json.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <utility>

#include <sys/stat.h>

const QString ReminderFile::corruptKind = QStringLiteral("corrupt");
const QString ReminderFile::conflictKind = QStringLiteral("conflict");

ReminderFile::ReminderFile(const QString& path, const Clock& clock, QObject* parent)
    : QObject(parent), m_path(path), m_clock(clock), m_watch(path)
{
    // One writer, so writes land in the order they were started.
    m_writer.setMaxThreadCount(1);
    m_writer.setExpiryTimeout(-1);
    m_reader.setMaxThreadCount(1);
    connect(&m_watch, &FolderWatch::touched, this, &ReminderFile::startRead);
}

bool ReminderFile::Snapshot::sameAs(const Snapshot& other) const
{
    if (exists != other.exists)
        return false;
    if (!exists)
        return true;
    if (bytes && other.bytes)
        return *bytes == *other.bytes;
    return bytes.has_value() == other.bytes.has_value() && sameStatus(other);
}

bool ReminderFile::Snapshot::sameStatus(const Snapshot& other) const
{
    return exists == other.exists && regular == other.regular && device == other.device &&
           inode == other.inode && size == other.size && modifiedNsecs == other.modifiedNsecs;
}

ReminderFile::Snapshot ReminderFile::snapshot(const QString& path, bool read)
{
    Snapshot s;
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return s;
    s.exists = true;
    s.regular = S_ISREG(info.st_mode);
    s.device = info.st_dev;
    s.inode = info.st_ino;
    s.size = info.st_size;
    s.modifiedNsecs = qint64(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec;
    QFile file(path);
    // Ten thousand reminders take 5 MB; reading far more could exhaust memory.
    if (read && s.regular && s.size <= maxBytes && file.open(QIODevice::ReadOnly))
        s.bytes = file.readAll();
    return s;
}

std::optional<QList<Reminder>> ReminderFile::load()
{
    KeptCopies::removeLeftovers(m_path);
    m_known = snapshot(m_path, true);
    m_watch.startSoon([this] { return !snapshot(m_path, true).sameAs(m_known); });
    return decodeKnown();
}

std::optional<QList<Reminder>> ReminderFile::outsideChange()
{
    if (m_busy)
        return std::nullopt;
    // Ten thousand reminders take longer than a frame to read and decode, so
    // after a change that is done off the GUI thread; what it read holds
    // unless the file changed again since.
    std::optional<Read> read = std::exchange(m_read, std::nullopt);
    Snapshot now = snapshot(m_path, false);
    if (read && read->snapshot.sameStatus(now)) {
        now = std::move(read->snapshot);
    } else {
        read.reset();
        now = snapshot(m_path, true);
    }
    if (now.sameAs(m_known))
        return std::nullopt;
    m_known = std::move(now);
    m_keepAs.clear();
    return decodeKnown(read ? &*read : nullptr);
}

std::optional<QList<Reminder>> ReminderFile::decodeKnown(const Read* read)
{
    std::optional<QList<Reminder>> list;
    if (read && read->decoded)
        list = read->list;
    else if (m_known.bytes)
        list = ReminderJson::decodeList(*m_known.bytes);
    // A regular file that is there but unusable still holds the user's text.
    if (!list && m_known.regular)
        m_keepAs = corruptKind;
    return list;
}

void ReminderFile::startRead()
{
    if (m_reading) {
        m_readAgain = true;
        return;
    }
    m_reading = true;
    m_reader.start([this, path = m_path, known = m_known.bytes] {
        Read read{.snapshot = snapshot(path, true), .decoded = false, .list = std::nullopt};
        // As Pendrel left it: nothing to decode.
        if (read.snapshot.bytes && read.snapshot.bytes != known) {
            read.list = ReminderJson::decodeList(*read.snapshot.bytes);
            read.decoded = true;
        }
        QMetaObject::invokeMethod(
            this, [this, read] { onRead(read); }, Qt::QueuedConnection);
    });
}

void ReminderFile::onRead(const Read& read)
{
    m_reading = false;
    m_read = read;
    // Changed again while it was read: read once more, and said again then.
    if (std::exchange(m_readAgain, false))
        startRead();
    Q_EMIT touched();
}

void ReminderFile::keepAsideBeforeReplacing()
{
    if (m_known.regular && m_keepAs.isEmpty())
        m_keepAs = conflictKind;
}

void ReminderFile::startWrite(const QList<Reminder>& reminders)
{
    Q_ASSERT(!m_busy);
    m_busy = true;
    const QString keepAs = m_keepAs.isEmpty() ? QString() : keepAsideTarget();
    m_writer.start([this, path = m_path, reminders, keepAs] {
        const WriteResult result = writeJob(path, reminders, keepAs);
        QMetaObject::invokeMethod(
            this, [this, result, keepAs] { onWritten(result, keepAs); }, Qt::QueuedConnection);
    });
}

bool ReminderFile::waitForWrite(int msecs)
{
    if (!m_busy)
        return true;
    if (!m_writer.waitForDone(msecs))
        return false;
    // Its written() may start the next write at once.
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    return true;
}

ReminderFile::WriteResult ReminderFile::writeJob(const QString& path,
                                                 const QList<Reminder>& reminders,
                                                 const QString& keepAsideAs)
{
    WriteResult result;
    if (!keepAsideAs.isEmpty() && !KeptCopies::keepAside(path, keepAsideAs, &result.error))
        return result;
    // A folder removed while Pendrel runs comes back with the file.
    AtomicFile::makeFolder(QFileInfo(path).absolutePath());
    result.bytes = ReminderJson::encodeList(reminders);
    if (!AtomicFile::write(path, result.bytes, &result.error))
        return result;
    result.ok = true;
    result.after = snapshot(path, false);
    return result;
}

void ReminderFile::onWritten(const WriteResult& result, const QString& keptAs)
{
    m_busy = false;
    if (!keptAs.isEmpty() && (result.ok || QFileInfo::exists(keptAs))) {
        m_keptAside = keptAs;
        m_keepAs.clear();
    }
    if (result.ok) {
        m_known = result.after;
        m_known.exists = true;
        m_known.regular = true;
        m_known.bytes = result.bytes;
        m_watch.rearm();
    }
    Q_EMIT written(result.ok, result.error);
}

QString ReminderFile::keepAsideTarget() const
{
    return KeptCopies::target(m_path, m_keepAs,
                              LocalTime::wallClock(m_clock.now(), m_clock.zone()));
}
