#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QUuid>

#include <optional>

class QDateTime;
class QLocale;
class QTimeZone;

// One recurring reminder. A plain value: copies never share state.
// Aggregate, so any subset of fields can be given by name:
//   Reminder{.title = u"Stand-up"_s, .hour = 9}
struct Reminder {
    QUuid id = QUuid::createUuid();
    QString title = QStringLiteral("New reminder");
    QString note = {};
    qint64 hour = 8;
    qint64 minute = 10;
    QList<qint64> days = {2, 3, 4, 5, 6};
    QString sound = QStringLiteral("Glass");
    bool repeatSound = false;
    QString url = {};
    bool openURLAutomatically = false;
    bool enabled = true;
    QString lastFired = {};

    // The title as the list, the pop-up and the tray show it: verbatim, or
    // "Untitled" when it is empty or only white space (the file keeps it).
    QString shownTitle() const;
    // The time of day in the user's locale, short form, never with seconds.
    QString timeString() const;
    // "Weekdays", "Every day", "Weekends", "No days chosen" or the day names.
    // firstDayOfWeek in Qt's numbering, 1 = Monday to 7 = Sunday.
    QString daysString(int firstDayOfWeek) const;
    // The website to open: trimmed, "https://" added unless the text starts
    // with a scheme and ":/"; nothing for text that is no address or would
    // run code or reach local files (javascript:, data:, file: and the like).
    std::optional<QUrl> normalizedURL() const;
    // The website to open by itself when the reminder fires: only a web
    // address or a meeting app's link. Any other scheme reaches whatever
    // handler is installed for it, so it opens only on a click.
    std::optional<QUrl> automaticURL() const;
    // Whether hour and minute name a real time of day. A hand-edited file can
    // hold others; they are kept as written but can never ring.
    bool hasValidTime() const;

    // What two computers or a hand edit may change independently. The time
    // is one field: an hour from one and a minute from another is a time
    // nobody chose.
    enum class Field {
        Title,
        Note,
        Time,
        Days,
        Sound,
        RepeatSound,
        Url,
        OpenUrlAutomatically,
        Enabled,
        LastFired,
    };
    static const QList<Field>& fields();
    // Texts compare as the same characters however they are composed, so an
    // editor that normalises Unicode changes nothing.
    bool sameField(Field field, const Reminder& other) const;
    void copyField(Field field, const Reminder& from);

    bool operator==(const Reminder& other) const;

    // The locale's short time format without seconds: the C locale's short
    // format is "HH:mm:ss", which is not what a user expects to see.
    static QString shortTimeFormat(const QLocale& locale);
};

// The sound value that means "no chime".
inline constexpr QStringView noSound = u"None";

// The chime names a reminder may use, in the order the editor offers them.
const QStringList& systemSounds();

// The text on one line: every line or paragraph break becomes a space, for
// labels that have room for a single line.
QString oneLineText(QString text);

// The local calendar date of a moment as "yyyy-MM-dd"; stored in lastFired.
QString dayKey(const QDateTime& moment, const QTimeZone& zone);
QString dayKey(const QDateTime& moment);
