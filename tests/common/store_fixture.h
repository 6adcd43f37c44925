#pragma once

#include "common/files.h"
#include "model/reminder_json.h"
#include "store/store.h"
#include "store/user_defaults.h"

#include <QTemporaryDir>

#include <memory>

// Makes the Store's list into `list` as a user would: every reminder removed,
// then each one added.
inline void replaceList(Store& store, const QList<Reminder>& list)
{
    while (!store.reminders().isEmpty())
        store.remove(store.reminders().first().id);
    for (const Reminder& reminder : list)
        store.insert(store.reminders().size(), reminder);
}

// A Store on its own temporary folder, for the tests of what sits on top of it.
class StoreFixture {
public:
    StoreFixture() : m_defaults(m_dir.filePath(QStringLiteral("Pendrel.conf"))) {}

    // A Store whose file holds these reminders.
    Store& make(const QList<Reminder>& reminders, const Clock& clock)
    {
        m_store.reset(); // its last write lands first
        writeFile(filePath(), ReminderJson::encodeList(reminders));
        return reopen(clock);
    }
    // A Store on whatever the file now holds.
    Store& reopen(const Clock& clock)
    {
        m_store.reset();
        m_store = std::make_unique<Store>(m_dir.path(), m_defaults, clock);
        return *m_store;
    }

    QString filePath() const { return m_dir.filePath(QStringLiteral("reminders.json")); }
    UserDefaults& defaults() { return m_defaults; }
    // The reminders in the file once the writes under way ended; none when
    // it does not decode.
    QList<Reminder> onDisk() const
    {
        if (m_store)
            m_store->finishWrites(5000);
        return ReminderJson::decodeList(readFile(filePath())).value_or(QList<Reminder>());
    }

private:
    QTemporaryDir m_dir;
    UserDefaults m_defaults;
    std::unique_ptr<Store> m_store;
};
