#pragma once

#include <QByteArray>
#include <QString>

// Replaces a file's content in one step, durably: the bytes go to a temporary
// file in the same folder, are flushed to disk, renamed over the old file, and
// the folder itself is synced so the rename survives a power cut. Behind a
// symbolic link the link's target is replaced and the link stays. Not
// QSaveFile: it ignores a failed sync and syncs once more on its own, which
// a slow disk pays for at every keystroke. A new file is the user's alone; a
// replaced one keeps the permissions it had.
class AtomicFile {
public:
    // False when anything fails; the previous file is then left as it was and
    // `error`, when given, says why.
    static bool write(const QString& path, const QByteArray& bytes, QString* error = nullptr);
    // Creates a folder, and any missing above it; the folder itself, when
    // created here, is the user's alone, as the reminders are private (those
    // above get the usual permissions). True when it exists.
    static bool makeFolder(const QString& path);
    // The file a write replaces: the path, or behind a symbolic link its target.
    static QString replacedFile(const QString& path);
};
