#include "reminder_json.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <QRegularExpression>

#include <limits>

namespace {

// Reads the members of one object in turn; after the first failure every
// further read does nothing and the result is refused.
class FieldReader {
public:
    explicit FieldReader(const QJsonObject& object) : m_object(object) {}
    bool ok() const { return m_ok; }

    void text(QStringView key, QString& out)
    {
        const QJsonValue v = next(key);
        if (m_ok && !v.isString())
            m_ok = false;
        if (m_ok)
            out = v.toString();
    }
    void flag(QStringView key, bool& out)
    {
        const QJsonValue v = next(key);
        if (m_ok && !v.isBool())
            m_ok = false;
        if (m_ok)
            out = v.toBool();
    }
    void integer(QStringView key, qint64& out)
    {
        const QJsonValue v = next(key);
        const auto n = m_ok ? toInteger(v) : std::nullopt;
        m_ok = n.has_value();
        if (m_ok)
            out = *n;
    }
    void integers(QStringView key, QList<qint64>& out)
    {
        const QJsonValue v = next(key);
        if (m_ok && !v.isArray())
            m_ok = false;
        if (!m_ok)
            return;
        const QJsonArray array = v.toArray();
        QList<qint64> numbers;
        numbers.reserve(array.size());
        for (const QJsonValue& element : array) {
            const auto n = toInteger(element);
            if (!n) {
                m_ok = false;
                return;
            }
            numbers.append(*n);
        }
        out = std::move(numbers);
    }
    void uuid(QStringView key, QUuid& out)
    {
        static const QRegularExpression form(QStringLiteral(
            "^[0-9A-Fa-f]{8}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{12}$"));
        QString textForm;
        text(key, textForm);
        if (m_ok && !form.match(textForm).hasMatch())
            m_ok = false;
        if (m_ok)
            out = QUuid::fromString(textForm);
    }

private:
    QJsonValue next(QStringView key) const { return m_ok ? m_object.value(key) : QJsonValue(); }

    // An integral JSON number that fits 64 bits. Qt keeps integer literals
    // exact; 8.0 and 8e0 are accepted, 8.5 and 1e30 are not.
    static std::optional<qint64> toInteger(const QJsonValue& value)
    {
        if (!value.isDouble())
            return std::nullopt;
        constexpr qint64 sentinel = std::numeric_limits<qint64>::min();
        const qint64 integer = value.toInteger(sentinel);
        if (integer == sentinel && value.toInteger(0) != sentinel)
            return std::nullopt;
        return integer;
    }

    const QJsonObject& m_object;
    bool m_ok = true;
};

QJsonArray toArray(const QList<qint64>& numbers)
{
    QJsonArray array;
    for (qint64 n : numbers)
        array.append(QJsonValue(n));
    return array;
}

} // namespace

QJsonObject ReminderJson::toObject(const Reminder& r)
{
    QJsonObject object;
    object.insert(u"id", r.id.toString(QUuid::WithoutBraces).toUpper());
    object.insert(u"title", r.title);
    object.insert(u"note", r.note);
    object.insert(u"hour", QJsonValue(r.hour));
    object.insert(u"minute", QJsonValue(r.minute));
    object.insert(u"days", toArray(r.days));
    object.insert(u"sound", r.sound);
    object.insert(u"repeatSound", r.repeatSound);
    object.insert(u"url", r.url);
    object.insert(u"openURLAutomatically", r.openURLAutomatically);
    object.insert(u"enabled", r.enabled);
    object.insert(u"lastFired", r.lastFired);
    return object;
}

std::optional<Reminder> ReminderJson::fromValue(const QJsonValue& value)
{
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject object = value.toObject();
    Reminder r;
    FieldReader read(object);
    read.uuid(u"id", r.id);
    read.text(u"title", r.title);
    read.text(u"note", r.note);
    read.integer(u"hour", r.hour);
    read.integer(u"minute", r.minute);
    read.integers(u"days", r.days);
    read.text(u"sound", r.sound);
    read.flag(u"repeatSound", r.repeatSound);
    read.text(u"url", r.url);
    read.flag(u"openURLAutomatically", r.openURLAutomatically);
    read.flag(u"enabled", r.enabled);
    read.text(u"lastFired", r.lastFired);
    if (!read.ok())
        return std::nullopt;
    return r;
}

QByteArray ReminderJson::encodeList(const QList<Reminder>& reminders)
{
    QJsonArray array;
    for (const Reminder& r : reminders)
        array.append(toObject(r));
    // QJsonObject keeps its keys sorted, so the writer emits them in key order.
    QByteArray bytes = QJsonDocument(array).toJson(QJsonDocument::Indented);
    // A "/" can only stand inside a string, so escaping every one is safe.
    bytes.replace('/', "\\/");
    return bytes;
}

std::optional<QList<Reminder>> ReminderJson::decodeList(const QByteArray& bytes)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isArray())
        return std::nullopt;
    const QJsonArray array = document.array();
    QList<Reminder> reminders;
    reminders.reserve(array.size());
    for (const QJsonValue& element : array) {
        auto reminder = fromValue(element);
        if (!reminder)
            return std::nullopt;
        reminders.append(std::move(*reminder));
    }
    return reminders;
}
