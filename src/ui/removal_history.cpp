#include "removal_history.h"

#include "store/store.h"

bool RemovalHistory::remove(Store& store, const QUuid& id)
{
    Removal removal;
    const QList<Reminder>& list = store.reminders();
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (list[i].id == id)
            removal.append({i, list[i]});
    }
    store.remove(id);
    if (removal.isEmpty())
        return false;
    m_removals.append(std::move(removal));
    return true;
}

QUuid RemovalHistory::undo(Store& store)
{
    if (m_removals.isEmpty())
        return {};
    const Removal removal = m_removals.takeLast();
    const QUuid id = removal.first().second.id;
    if (store.indexOf(id) < 0) {
        for (const auto& [index, reminder] : removal)
            store.insert(index, reminder);
    }
    return id;
}
