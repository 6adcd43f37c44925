#pragma once

#include <QString>
#include <QStringList>

// The copies sync tools make of a file that two computers changed at once:
// the version that lost, under a name of the tool's own next to the file.
// For "reminders.json":
//   Syncthing  reminders.sync-conflict-20261208-183547-6RBGFW5.json
//   Nextcloud  reminders (conflicted copy 2026-12-08 183547).json
//   ownCloud   reminders_conflict-20261208-183547.json
//   Dropbox    reminders (Anna's conflicted copy 2026-12-08).json
//   Seafile    reminders (SFConflict anna@example.org 2026-12-08-18-35-47).json
class ConflictCopies {
public:
    // Whether `fileName` is a sync tool's conflict copy of `original`.
    static bool isCopyOf(const QString& fileName, const QString& original);
    // The conflict copies of the file at `path`, oldest first.
    static QStringList find(const QString& path);
};
