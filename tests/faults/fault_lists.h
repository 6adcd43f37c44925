#pragma once

#include "model/reminder.h"

#include <QList>

// The n-th state of the one reminder the fault helper edits again and again:
// a title and a note whose size derive from n.
inline Reminder faultReminder(uint n)
{
    return Reminder{.id = QUuid(1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1),
                    .title = QStringLiteral("list %1 item 0").arg(n),
                    .note = QString(static_cast<qsizetype>(n % 97) * 40, u'x'),
                    .hour = n % 24};
}

// The n-th list of the series the fault helper writes: one to five
// reminders whose texts and ids all derive from n.
inline QList<Reminder> faultList(uint n)
{
    QList<Reminder> list;
    const uint size = n % 5 + 1;
    for (uint j = 0; j < size; ++j) {
        list.append(Reminder{.id = QUuid(n, static_cast<ushort>(j), 0, 0, 0, 0, 0, 0, 0, 0, 1),
                             .title = QStringLiteral("list %1 item %2").arg(n).arg(j),
                             .note = QString(static_cast<qsizetype>(n % 97) * 40, u'x'),
                             .hour = n % 24,
                             .minute = j});
    }
    return list;
}
