#pragma once

#include "reminder_merge.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

// The files Pendrel leaves next to the reminders file: copies of content it
// could not take in ("reminders.json.corrupt-YYYYMMDD-HHMMSS") or that lost
// to another change ("….conflict-…"), and the temporary files of saves that
// were cut off, which it clears. Copies are private to the user, like the list.
class KeptCopies {
public:
    // A free name for a copy of `path` of this kind, stamped with the local time.
    static QString target(const QString& path, const QString& kind, const QDateTime& localNow);
    // Copies the file to `target`; moves it there when it cannot be copied.
    // True too when there is no file to keep.
    static bool keepAside(const QString& path, const QString& target, QString* error);
    // Writes `bytes` as a copy of this kind, unless a copy of this kind
    // already holds exactly them (a synced folder brings the other
    // computer's); the copy's path, or empty when it could not be written.
    static QString write(const QString& path, const QString& kind, const QDateTime& localNow,
                         const QByteArray& bytes);
    // Keeps the versions of reminders whose values gave way in a merge as a
    // conflict copy; its path, or empty when there was nothing to keep or it
    // could not be written.
    static QString keepOthers(const QString& path, const QDateTime& localNow,
                              const QList<ReminderMerge::Clash>& clashes);
    // Removes what interrupted saves of `path` left: its name, a dot and six
    // random letters, beside the file or behind a link beside its target.
    static void removeLeftovers(const QString& path);
};
