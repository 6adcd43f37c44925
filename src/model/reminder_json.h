#pragma once

#include "reminder.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>

#include <optional>

// The JSON form of reminders: one object per reminder, twelve required keys
// with exact JSON types, and the reminders file as an array of them.
class ReminderJson {
public:
    static QJsonObject toObject(const Reminder& reminder);
    // Strict: every key present with its exact type; unknown keys are dropped.
    static std::optional<Reminder> fromValue(const QJsonValue& value);

    // The file's bytes: a pretty-printed array, keys sorted, "/" written as "\/".
    static QByteArray encodeList(const QList<Reminder>& reminders);
    // The whole array, or nothing when any element fails to decode.
    static std::optional<QList<Reminder>> decodeList(const QByteArray& bytes);

private:
    static std::optional<QList<Reminder>> decodeDocument(const QByteArray& bytes);
};
