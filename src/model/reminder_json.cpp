#include "reminder_json.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <limits>

namespace {

constexpr qint64 lowestInteger = std::numeric_limits<qint64>::min();

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
        // Exactly 8-4-4-4-12 hex digits: no braces, nothing after. What Qt
        // cannot read comes back as the nil id's text and differs.
        QString textForm;
        text(key, textForm);
        const QUuid id = QUuid::fromString(textForm);
        if (m_ok && id.toString(QUuid::WithoutBraces).compare(textForm, Qt::CaseInsensitive) != 0)
            m_ok = false;
        if (m_ok)
            out = id;
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

// Qt's parser reads a number just below the 64-bit range as the smallest
// 64-bit value, which would then pass for one. Such numbers are rewritten
// to one that stays out of range, so they are refused like those above it.
// Returns the text unchanged when there are none.
QByteArray outOfRangeKept(const QByteArray& json)
{
    static constexpr QByteArrayView lowest = "9223372036854775808";
    constexpr double lowestDouble = -9223372036854775808.0;
    QByteArray out;
    qsizetype copied = 0;
    const qsizetype size = json.size();
    for (qsizetype i = 0; i < size; ++i) {
        if (json[i] == '"') {
            for (++i; i < size && json[i] != '"'; ++i)
                i += json[i] == '\\';
            continue;
        }
        // A minus sign of an exponent is no number of its own.
        if (json[i] != '-' || (i > 0 && (json[i - 1] == 'e' || json[i - 1] == 'E')))
            continue;
        qsizetype end = i + 1;
        while (end < size && std::isdigit(static_cast<unsigned char>(json[end])))
            ++end;
        const QByteArrayView digits(json.constData() + i + 1, end - i - 1);
        bool below = digits.size() > lowest.size() ||
                     (digits.size() == lowest.size() && digits.compare(lowest) > 0);
        if (end < size && (json[end] == '.' || json[end] == 'e' || json[end] == 'E')) {
            while (end < size && json[end] != '\0' &&
                   (std::isdigit(static_cast<unsigned char>(json[end])) ||
                    std::strchr(".eE+-", json[end])))
                ++end;
            // Like the top of the range, where a fraction rounds up out of it.
            below = json.mid(i, end - i).toDouble() <= lowestDouble;
        }
        if (below) {
            out += QByteArrayView(json).sliced(copied, i - copied);
            out += "-1e19";
            copied = end;
        }
        i = end - 1;
    }
    if (copied == 0)
        return json;
    out += QByteArrayView(json).sliced(copied);
    return out;
}

// A JSON string as Qt's writer escapes it, plus "/" as "\/". A lone
// surrogate is written as a \u escape, as Qt does, so no text is lost.
void appendString(QByteArray& out, const QString& text)
{
    static const char hex[] = "0123456789abcdef";
    auto escapeUnit = [&out](char16_t unit) {
        out += "\\u";
        for (int shift = 12; shift >= 0; shift -= 4)
            out += hex[(unit >> shift) & 0xf];
    };
    out += '"';
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = text[i].unicode();
        if (c >= 0x80) {
            // A run of non-ASCII text goes through Qt's UTF-8 encoder at once.
            qsizetype end = i;
            while (end < size && text[end].unicode() >= 0x80) {
                const QChar ch = text[end];
                if (ch.isHighSurrogate() && end + 1 < size && text[end + 1].isLowSurrogate())
                    end += 2;
                else if (ch.isSurrogate())
                    break;
                else
                    ++end;
            }
            if (end == i) {
                escapeUnit(c);
            } else {
                out += QStringView(text).mid(i, end - i).toUtf8();
                i = end - 1;
            }
            continue;
        }
        switch (c) {
        case u'"':
            out += "\\\"";
            break;
        case u'\\':
            out += "\\\\";
            break;
        case u'/':
            out += "\\/";
            break;
        case u'\b':
            out += "\\b";
            break;
        case u'\f':
            out += "\\f";
            break;
        case u'\n':
            out += "\\n";
            break;
        case u'\r':
            out += "\\r";
            break;
        case u'\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20)
                escapeUnit(c);
            else
                out += static_cast<char>(c);
        }
    }
    out += '"';
}

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
    // Written directly rather than through QJsonDocument, which is eight times
    // slower; the output is byte for byte what Qt's indented writer gives
    // (members in key order), with "/" escaped as "\/".
    QByteArray out;
    out.reserve(reminders.size() * 520 + 4);
    out += "[\n";
    for (qsizetype i = 0; i < reminders.size(); ++i) {
        const Reminder& r = reminders[i];
        out += "    {\n        \"days\": [";
        if (r.days.isEmpty()) {
            out += "\n        ]";
        } else {
            for (qsizetype d = 0; d < r.days.size(); ++d) {
                out += d == 0 ? "\n            " : ",\n            ";
                out += QByteArray::number(r.days[d]);
            }
            out += "\n        ]";
        }
        out += ",\n        \"enabled\": ";
        out += r.enabled ? "true" : "false";
        out += ",\n        \"hour\": ";
        out += QByteArray::number(r.hour);
        out += ",\n        \"id\": \"";
        out += r.id.toByteArray(QUuid::WithoutBraces).toUpper();
        out += "\",\n        \"lastFired\": ";
        appendString(out, r.lastFired);
        out += ",\n        \"minute\": ";
        out += QByteArray::number(r.minute);
        out += ",\n        \"note\": ";
        appendString(out, r.note);
        out += ",\n        \"openURLAutomatically\": ";
        out += r.openURLAutomatically ? "true" : "false";
        out += ",\n        \"repeatSound\": ";
        out += r.repeatSound ? "true" : "false";
        out += ",\n        \"sound\": ";
        appendString(out, r.sound);
        out += ",\n        \"title\": ";
        appendString(out, r.title);
        out += ",\n        \"url\": ";
        appendString(out, r.url);
        out += i + 1 < reminders.size() ? "\n    },\n" : "\n    }\n";
    }
    out += "]\n";
    return out;
}

std::optional<QList<Reminder>> ReminderJson::decodeList(const QByteArray& bytes)
{
    auto reminders = decodeDocument(bytes);
    // The smallest value may stand for a number below it: only then is the
    // text looked at again.
    const bool hasLowest =
        reminders && std::any_of(reminders->cbegin(), reminders->cend(), [](const Reminder& r) {
            return r.hour == lowestInteger || r.minute == lowestInteger ||
                   r.days.contains(lowestInteger);
        });
    if (hasLowest) {
        if (const QByteArray kept = outOfRangeKept(bytes); kept.constData() != bytes.constData())
            return decodeDocument(kept);
    }
    return reminders;
}

std::optional<QList<Reminder>> ReminderJson::decodeDocument(const QByteArray& bytes)
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
