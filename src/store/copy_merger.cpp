#include "copy_merger.h"

#include "conflict_copies.h"
#include "kept_copies.h"
#include "model/reminder_json.h"
#include "reminder_file.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <optional>

CopyMerger::CopyMerger(const QString& remindersPath, QObject* parent)
    : QObject(parent), m_path(remindersPath)
{
    m_worker.setMaxThreadCount(1);
    m_worker.setExpiryTimeout(-1);
}

QString CopyMerger::identity(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    return QString::number(info.size()) + u'@' +
           QString::number(info.lastModified().toMSecsSinceEpoch());
}

bool CopyMerger::waiting() const
{
    const QStringList copies = ConflictCopies::find(m_path);
    return std::any_of(copies.cbegin(), copies.cend(),
                       [this](const QString& copy) { return !m_unreadable.contains(copy); });
}

bool CopyMerger::start(const ListHistory& history, const QList<Reminder>& ours,
                       const QDateTime& localNow, quint64 generation)
{
    if (m_busy)
        return true;
    // A copy that changed since it could not be read is tried again.
    const qsizetype unreadable = m_unreadable.size();
    m_unreadable.removeIf([](const auto& entry) { return entry.value() != identity(entry.key()); });
    if (m_unreadable.size() != unreadable)
        Q_EMIT unreadableChanged();
    QString copy;
    for (const QString& candidate : ConflictCopies::find(m_path)) {
        if (!m_unreadable.contains(candidate) && !m_taken.contains(candidate) &&
            !m_left.contains(identity(candidate))) {
            copy = candidate;
            break;
        }
    }
    if (copy.isEmpty())
        return false;
    m_busy = true;
    m_worker.start([this, copy, generation, history, ours, localNow, path = m_path] {
        std::optional<ReminderMerge::Result> result;
        QString keptIn;
        QFile file(copy);
        const QFileInfo info(copy);
        // Regular files only (a pipe would never end), and no larger than a
        // reminders file may be.
        if (info.isFile() && !info.isSymLink() && info.size() <= ReminderFile::maxBytes &&
            file.open(QIODevice::ReadOnly)) {
            if (const auto theirs = ReminderJson::decodeList(file.read(ReminderFile::maxBytes)))
                result = ReminderMerge::mergeLists(history.ancestorOf(*theirs, info.lastModified()),
                                                   ours, *theirs, ReminderMerge::Side::Ours);
        }
        if (result)
            keptIn = KeptCopies::keepOthers(path, localNow, result->clashes);
        QMetaObject::invokeMethod(
            this,
            [this, copy, generation, result, keptIn] { onRead(copy, generation, result, keptIn); },
            Qt::QueuedConnection);
    });
    return true;
}

void CopyMerger::onRead(const QString& copy, quint64 generation,
                        const std::optional<ReminderMerge::Result>& result, const QString& keptIn)
{
    m_busy = false;
    if (result) {
        Q_EMIT merged(copy, generation, *result, keptIn);
    } else if (QFileInfo::exists(copy)) {
        // Never merged half: left where it is, and said.
        m_unreadable.insert(copy, identity(copy));
        Q_EMIT unreadableChanged();
    }
    Q_EMIT finished();
}

void CopyMerger::taken(const QString& copy)
{
    m_taken.append(copy);
}

void CopyMerger::leave(const QString& copy)
{
    m_left.insert(identity(copy));
}

void CopyMerger::removeMerged()
{
    for (const QString& copy : std::as_const(m_taken)) {
        if (!QFile::remove(copy) && QFileInfo::exists(copy))
            leave(copy);
    }
    m_taken.clear();
}
