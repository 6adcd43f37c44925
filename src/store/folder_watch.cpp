#include "folder_watch.h"

#include "atomic_file.h"

#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>

#include <sys/stat.h>

namespace {

// Editors and sync tools write in several steps; the file is read once they are done.
constexpr int settleMsecs = 100;

} // namespace

FolderWatch::FolderWatch(const QString& path, QObject* parent) : QObject(parent), m_path(path)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(settleMsecs);
    connect(&m_settle, &QTimer::timeout, this, &FolderWatch::touched);
}

FolderWatch::~FolderWatch() = default;

void FolderWatch::startSoon(std::function<bool()> changedSinceLoad)
{
    QTimer::singleShot(0, this, [this, check = std::move(changedSinceLoad)] { start(check); });
}

void FolderWatch::start(const std::function<bool()>& changedSinceLoad)
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
    if (changedSinceLoad && changedSinceLoad())
        m_settle.start();
}

void FolderWatch::rearm()
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
