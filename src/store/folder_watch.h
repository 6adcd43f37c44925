#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>

class QFileSystemWatcher;

// Watches one file and the folder it is in (behind a symbolic link, the
// target's folder too) and says, once things settle, that something there
// changed. Editors and sync tools write in several steps, and replace a file
// by renaming a new one over it, which a watch on the old file misses.
class FolderWatch : public QObject {
    Q_OBJECT

public:
    explicit FolderWatch(const QString& path, QObject* parent = nullptr);
    ~FolderWatch() override;

    // Starts once the event loop runs: setting up a watch costs the kernel
    // some milliseconds, too much for a program that only loads. When it
    // starts, `changedSinceLoad` tells whether to report a change at once.
    void startSoon(std::function<bool()> changedSinceLoad);
    // Watches the file anew, as a write may have replaced it.
    void rearm();

Q_SIGNALS:
    // The file or its folder changed, a moment ago.
    void touched();

private:
    void start(const std::function<bool()>& changedSinceLoad);

    QString m_path;
    std::unique_ptr<QFileSystemWatcher> m_watcher;
    quint64 m_watchedInode = 0;
    QTimer m_settle;
};
