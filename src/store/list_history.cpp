#include "list_history.h"

#include "model/reminder_json.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimeZone>

#include <algorithm>
#include <map>

namespace {

using Key = ReminderMerge::Key;

QHash<Key, qsizetype> indexOf(const QList<Reminder>& list)
{
    const QList<Key> keys = ReminderMerge::keysOf(list);
    QHash<Key, qsizetype> index;
    index.reserve(keys.size());
    for (qsizetype i = 0; i < keys.size(); ++i)
        index.insert(keys[i], i);
    return index;
}

QJsonValue toJson(const std::optional<Reminder>& reminder)
{
    return reminder ? QJsonValue(ReminderJson::toObject(*reminder)) : QJsonValue();
}

} // namespace

void ListHistory::record(const QList<Reminder>& list, bool own, bool evidence, const QDateTime& at)
{
    if (!m_started) {
        m_started = true;
        m_since = at;
        m_latest = list;
        return;
    }
    QList<Change> step;
    const bool sameOrder =
        list.size() == m_latest.size() &&
        std::equal(list.cbegin(), list.cend(), m_latest.cbegin(),
                   [](const Reminder& a, const Reminder& b) { return a.id == b.id; });
    if (sameOrder) {
        // Nearly every save: one field of one reminder, nothing moved.
        QHash<QUuid, qsizetype> seen;
        for (qsizetype i = 0; i < list.size(); ++i) {
            const qsizetype occurrence = seen[list[i].id]++;
            if (!(m_latest[i] == list[i]))
                step.append({{list[i].id, occurrence}, m_latest[i], list[i]});
        }
    } else {
        const QList<Key> oldKeys = ReminderMerge::keysOf(m_latest);
        const QList<Key> newKeys = ReminderMerge::keysOf(list);
        const QHash<Key, qsizetype> inOld = indexOf(m_latest);
        const QHash<Key, qsizetype> inNew = indexOf(list);
        for (qsizetype i = 0; i < list.size(); ++i) {
            const auto was = inOld.constFind(newKeys[i]);
            if (was == inOld.cend())
                step.append({newKeys[i], std::nullopt, list[i]});
            else if (!(m_latest[*was] == list[i]))
                step.append({newKeys[i], m_latest[*was], list[i]});
        }
        for (qsizetype i = 0; i < m_latest.size(); ++i) {
            if (!inNew.contains(oldKeys[i]))
                step.append({oldKeys[i], m_latest[i], std::nullopt});
        }
    }
    m_latest = list;
    if (step.isEmpty())
        return;
    // Typing changes one reminder again and again: one step for a burst of it.
    constexpr qint64 burstMsecs = 5000;
    if (own && step.size() == 1 && !m_steps.isEmpty() && m_steps.last().own &&
        m_steps.last().evidence == evidence && m_steps.last().changes.size() == 1 &&
        m_steps.last().at.msecsTo(at) < burstMsecs) {
        Change& last = m_steps.last().changes.first();
        const Change& now = step.first();
        if (last.key == now.key && last.before && last.after && now.before && now.after &&
            last.after->sameField(Reminder::Field::LastFired, *now.after)) {
            last.after = now.after;
            m_steps.last().at = at;
            return;
        }
    }
    // Firings tell nothing of what the other side saw: one step holds them all
    // until something else happens, so they never push older steps out.
    const auto onlyFirings = [](const QList<Change>& changes) {
        return std::all_of(changes.cbegin(), changes.cend(), [](const Change& c) {
            if (!c.before || !c.after)
                return false;
            Reminder fired = *c.before;
            fired.lastFired = c.after->lastFired;
            return fired == *c.after;
        });
    };
    if (!m_steps.isEmpty() && onlyFirings(step) && onlyFirings(m_steps.last().changes)) {
        QList<Change>& kept = m_steps.last().changes;
        for (const Change& now : std::as_const(step)) {
            const auto same = std::find_if(kept.begin(), kept.end(),
                                           [&](const Change& c) { return c.key == now.key; });
            if (same == kept.end())
                kept.append(now);
            else
                same->after = now.after;
        }
        m_steps.last().at = at;
        return;
    }
    m_steps.append({step, own, evidence, at});
    if (m_steps.size() > maxSteps) {
        m_steps.remove(0, m_steps.size() - maxSteps);
        m_since = m_steps.first().at;
    }
}

bool ListHistory::existedBefore(qsizetype step, const Key& key) const
{
    for (qsizetype s = 0; s < step; ++s) {
        for (const Change& change : m_steps[s].changes) {
            if (change.key == key && change.before)
                return true;
        }
    }
    return false;
}

bool ListHistory::seenIn(qsizetype step, const QHash<Key, qsizetype>& index,
                         const QList<Reminder>& theirs) const
{
    if (!m_steps[step].evidence)
        return false;
    for (const Change& change : m_steps[step].changes) {
        const auto found = index.constFind(change.key);
        const Reminder* their = found == index.cend() ? nullptr : &theirs[*found];
        if (!change.before) {
            // A reminder put back (an undo) may never have left their list.
            if (their && !existedBefore(step, change.key))
                return true;
        } else if (!change.after) {
            if (!their)
                return true;
        } else if (their) {
            for (const Reminder::Field field : Reminder::fields()) {
                if (field != Reminder::Field::LastFired &&
                    !change.before->sameField(field, *change.after) &&
                    their->sameField(field, *change.after))
                    return true;
            }
        }
    }
    return false;
}

QList<Reminder> ListHistory::ancestorOf(const QList<Reminder>& theirs,
                                        const QDateTime& theirTime) const
{
    const QHash<Key, qsizetype> index = indexOf(theirs);
    qsizetype seen = m_steps.size();
    while (seen > 0 && !seenIn(seen - 1, index, theirs))
        --seen;
    // File times are coarser than the clock (a few milliseconds here, two
    // seconds on FAT): only a version clearly older than the history is.
    constexpr qint64 coarseTimeSecs = 2;
    if (seen == 0 &&
        (!m_started || (theirTime.isValid() && theirTime.addSecs(coarseTimeSecs) < m_since)))
        return {};
    if (seen == m_steps.size())
        return m_latest;
    // Undo the steps they have not seen, newest first.
    std::map<Key, Reminder> state;
    const QList<Key> keys = ReminderMerge::keysOf(m_latest);
    for (qsizetype i = 0; i < m_latest.size(); ++i)
        state.emplace(keys[i], m_latest[i]);
    for (qsizetype s = m_steps.size() - 1; s >= seen; --s) {
        for (const Change& change : m_steps[s].changes) {
            if (change.before)
                state.insert_or_assign(change.key, *change.before);
            else
                state.erase(change.key);
        }
    }
    // Ordered by key, so that reminders sharing an id keep their occurrence.
    QList<Reminder> ancestor;
    ancestor.reserve(qsizetype(state.size()));
    for (auto& [key, reminder] : state)
        ancestor.append(std::move(reminder));
    return ancestor;
}

QByteArray ListHistory::encode() const
{
    QJsonArray latest;
    for (const Reminder& r : m_latest)
        latest.append(ReminderJson::toObject(r));
    QJsonArray steps;
    for (const Step& step : m_steps) {
        QJsonArray changes;
        for (const Change& change : step.changes)
            changes.append(QJsonObject{{QStringLiteral("before"), toJson(change.before)},
                                       {QStringLiteral("after"), toJson(change.after)},
                                       {QStringLiteral("n"), change.key.second}});
        steps.append(QJsonObject{{QStringLiteral("own"), step.own},
                                 {QStringLiteral("evidence"), step.evidence},
                                 {QStringLiteral("at"), step.at.toMSecsSinceEpoch()},
                                 {QStringLiteral("changes"), changes}});
    }
    // Without `since` and each step's `evidence`, a restart would take a copy
    // older than the history for one that saw its oldest state.
    return QJsonDocument(QJsonObject{{QStringLiteral("since"), m_since.toMSecsSinceEpoch()},
                                     {QStringLiteral("latest"), latest},
                                     {QStringLiteral("steps"), steps}})
        .toJson(QJsonDocument::Compact);
}

std::optional<ListHistory> ListHistory::decode(const QByteArray& bytes)
{
    const QJsonObject root = QJsonDocument::fromJson(bytes).object();
    if (!root.value(QStringLiteral("latest")).isArray() ||
        !root.value(QStringLiteral("steps")).isArray())
        return std::nullopt;
    ListHistory history;
    history.m_started = true;
    history.m_since =
        QDateTime::fromMSecsSinceEpoch(root.value(QStringLiteral("since")).toInteger(), Qt::UTC);
    const QJsonArray latest = root.value(QStringLiteral("latest")).toArray();
    for (const QJsonValue& value : latest) {
        auto reminder = ReminderJson::fromValue(value);
        if (!reminder)
            return std::nullopt;
        history.m_latest.append(std::move(*reminder));
    }
    const QJsonArray steps = root.value(QStringLiteral("steps")).toArray();
    for (const QJsonValue& stepValue : steps) {
        Step step;
        const QJsonObject stepObject = stepValue.toObject();
        step.own = stepObject.value(QStringLiteral("own")).toBool();
        step.evidence = stepObject.value(QStringLiteral("evidence")).toBool(true);
        step.at = QDateTime::fromMSecsSinceEpoch(stepObject.value(QStringLiteral("at")).toInteger(),
                                                 Qt::UTC);
        const QJsonArray changes = stepValue.toObject().value(QStringLiteral("changes")).toArray();
        for (const QJsonValue& changeValue : changes) {
            const QJsonObject change = changeValue.toObject();
            const auto before = ReminderJson::fromValue(change.value(QStringLiteral("before")));
            const auto after = ReminderJson::fromValue(change.value(QStringLiteral("after")));
            const qint64 occurrence = change.value(QStringLiteral("n")).toInteger(-1);
            if ((!before && !after) || occurrence < 0)
                return std::nullopt;
            step.changes.append({{before ? before->id : after->id, occurrence}, before, after});
        }
        history.m_steps.append(step);
    }
    return history;
}
