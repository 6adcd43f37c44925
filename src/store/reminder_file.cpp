#include "reminder_file.h"

#include "atomic_file.h"
#include "model/local_time.h"
#include "model/reminder_json.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

#include <sys/stat.h>

namespace {

// Saves write to the file's name plus six random letters, then rename. A
// word there, like "backup", "Backup" or "BACKUP", is more likely the user's
// own copy.
bool isSaveTemporary(QStringView suffix)
{
    const auto upper = [](QChar c) { return c >= u'A' && c <= u'Z'; };
    const auto lower = [](QChar c) { return c >= u'a' && c <= u'z'; };
    if (suffix.size() != 6 ||
        !std::all_of(suffix.begin(), suffix.end(), [&](QChar c) { return upper(c) || lower(c); }))
        return false;
    return !std::all_of(suffix.begin(), suffix.end(), upper) &&
           !std::all_of(suffix.begin() + 1, suffix.end(), lower);
}

// Editors and sync tools write in several steps; the file is read once they are done.
constexpr int settleMsecs = 100;

} // namespace

const QString ReminderFile::corruptKind = QStringLiteral("corrupt");
const QString ReminderFile::conflictKind = QStringLiteral("conflict");

ReminderFile::ReminderFile(const QString& path, const Clock& clock, QObject* parent)
    : QObject(parent), m_path(path), m_clock(clock)
{
    // One writer, so writes land in the order they were started.
    m_writer.setMaxThreadCount(1);
    m_writer.setExpiryTimeout(-1);
    m_settle.setSingleShot(true);
    m_settle.setInterval(settleMsecs);
    connect(&m_settle, &QTimer::timeout, this, &ReminderFile::touched);
}

bool ReminderFile::Snapshot::sameAs(const Snapshot& other) const
{
    if (exists != other.exists)
        return false;
    if (!exists)
        return true;
    if (bytes && other.bytes)
        return *bytes == *other.bytes;
    return bytes.has_value() == other.bytes.has_value() && device == other.device &&
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
    removeLeftovers();
    QTimer::singleShot(0, this, &ReminderFile::startWatching);
    m_known = snapshot(m_path, true);
    return decodeKnown();
}

std::optional<QList<Reminder>> ReminderFile::outsideChange()
{
    if (m_busy)
        return std::nullopt;
    Snapshot now = snapshot(m_path, true);
    if (now.sameAs(m_known))
        return std::nullopt;
    m_known = std::move(now);
    m_keepAs.clear();
    return decodeKnown();
}

std::optional<QList<Reminder>> ReminderFile::decodeKnown()
{
    if (m_known.bytes) {
        if (auto decoded = ReminderJson::decodeList(*m_known.bytes))
            return decoded;
    }
    // A regular file that is there but unusable still holds the user's text.
    if (m_known.regular)
        m_keepAs = corruptKind;
    return std::nullopt;
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
    if (!keepAsideAs.isEmpty() && !keepAside(path, keepAsideAs, &result.error))
        return result;
    // A folder removed while Pendrel runs comes back with the file.
    QDir().mkpath(QFileInfo(path).absolutePath());
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
        rearm();
    }
    Q_EMIT written(result.ok, result.error);
}

QString ReminderFile::keepAsideTarget() const
{
    const QString stamp =
        LocalTime::wallClock(m_clock.now(), m_clock.zone()).toString(u"yyyyMMdd-HHmmss");
    const QString base = m_path + u'.' + m_keepAs + u'-' + stamp;
    QString target = base;
    for (int n = 1; QFileInfo::exists(target); ++n)
        target = base + u'-' + QString::number(n);
    return target;
}

bool ReminderFile::keepAside(const QString& path, const QString& target, QString* error)
{
    // Copying needs read access (and time, for a huge file); the file can
    // still be moved aside.
    QFile file(path);
    const bool copied = QFileInfo(path).size() <= maxBytes && file.copy(target);
    if (copied || QFile::rename(path, target) || !QFileInfo::exists(path))
        return true;
    *error = file.errorString();
    return false;
}

void ReminderFile::removeLeftovers()
{
    // Saves write beside the file they replace: behind a symbolic link, beside its target.
    const QString target = AtomicFile::replacedFile(m_path);
    const QStringList files = target == m_path ? QStringList{m_path} : QStringList{m_path, target};
    for (const QString& file : files) {
        const QFileInfo info(file);
        // An interrupted save is never older than the file it was to replace;
        // a copy the user made by hand mostly is.
        const QDateTime current = info.exists() ? info.lastModified() : QDateTime();
        const QString prefix = info.fileName() + u'.';
        const auto candidates = info.absoluteDir().entryInfoList(QDir::Files | QDir::Hidden);
        for (const QFileInfo& candidate : candidates) {
            const QString name = candidate.fileName();
            if (!name.startsWith(prefix) ||
                !isSaveTemporary(QStringView(name).sliced(prefix.size())))
                continue;
            const bool older = current.isValid() && candidate.lastModified() < current;
            if (!candidate.isSymLink() && !older)
                QFile::remove(candidate.absoluteFilePath());
        }
    }
}

void ReminderFile::startWatching()
{
    m_watcher = std::make_unique<QFileSystemWatcher>();
    auto onEvent = [this] {
        rearm();
        m_settle.start();
    };
    connect(m_watcher.get(), &QFileSystemWatcher::fileChanged, this, onEvent);
    connect(m_watcher.get(), &QFileSystemWatcher::directoryChanged, this, onEvent);
    rearm();
    // A change made since loading is taken in once settled, like any other;
    // with none, start-up ends without another wake-up.
    if (!snapshot(m_path, true).sameAs(m_known))
        m_settle.start();
}

void ReminderFile::rearm()
{
    if (!m_watcher)
        return;
    QStringList folders{QFileInfo(m_path).absolutePath()};
    if (const QString target = AtomicFile::replacedFile(m_path); target != m_path)
        folders << QFileInfo(target).absolutePath();
    const QStringList watched = m_watcher->directories();
    for (const QString& folder : watched) {
        if (!folders.contains(folder))
            m_watcher->removePath(folder);
    }
    for (const QString& folder : folders) {
        if (!watched.contains(folder) && QFileInfo(folder).isDir())
            m_watcher->addPath(folder);
    }
    // A file replaced by rename is a new one, which the old watch does not see.
    struct stat now {};
    const bool exists = ::stat(QFile::encodeName(m_path).constData(), &now) == 0;
    const quint64 inode = exists ? now.st_ino : 0;
    if (inode == m_watchedInode && m_watcher->files().contains(m_path))
        return;
    if (!m_watcher->files().isEmpty())
        m_watcher->removePaths(m_watcher->files());
    m_watchedInode = inode;
    if (exists)
        m_watcher->addPath(m_path);
}
