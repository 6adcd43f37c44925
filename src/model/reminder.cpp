#include "reminder.h"

#include "local_time.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QTime>
#include <QTimeZone>

#include <algorithm>
#include <array>

namespace {

// Floored modulo that cannot overflow for any 64-bit input.
qint64 wrap(qint64 value, qint64 modulus)
{
    const qint64 r = value % modulus;
    return r < 0 ? r + modulus : r;
}

bool sameText(const QString& a, const QString& b)
{
    if (a == b)
        return true;
    return a.normalized(QString::NormalizationForm_D) == b.normalized(QString::NormalizationForm_D);
}

} // namespace

QString Reminder::timeString() const
{
    // A hand-edited hour of 25 rolls over to 01:00, as a lenient calendar would.
    const qint64 minutes = wrap(wrap(hour, 24) * 60 + wrap(minute, 1440), 1440);
    const QTime time(static_cast<int>(minutes / 60), static_cast<int>(minutes % 60));
    // The default locale is the system one unless a test sets another.
    const QLocale locale;
    return locale.toString(time, shortTimeFormat(locale));
}

QString Reminder::shortTimeFormat(const QLocale& locale)
{
    // Seconds go with what separates them from the hours, minutes and day
    // period before them: "HH:mm:ss" and "h.mm.ss a" lose ":ss" and ".ss".
    const QString pattern = locale.timeFormat(QLocale::ShortFormat);
    QString format;
    QString separator;
    for (const QChar c : pattern) {
        if (c == u's') {
            separator.clear();
        } else if (QStringView(u"HhmAaPp").contains(c)) {
            format += separator + c;
            separator.clear();
        } else {
            separator += c;
        }
    }
    format += separator;
    // Some locales' patterns use letters Qt does not know, and Qt would write
    // them literally (zh_TW's day period "B" gave "B8:10"). Map them to the
    // nearest letters Qt knows, or drop them.
    QString known;
    bool quoted = false;
    for (const QChar c : std::as_const(format)) {
        if (c == u'\'')
            quoted = !quoted;
        const char16_t letter = c.unicode();
        if (quoted || letter > 0x7f || !c.isLetter() || QStringView(u"HhmAaPpt").contains(c)) {
            known += c;
        } else if (letter == u'B' || letter == u'b') {
            if (!known.endsWith(u"AP"))
                known += u"AP";
        } else if (letter == u'k') {
            known += u'H';
        } else if (letter == u'K') {
            known += u'h';
        }
    }
    return known.trimmed();
}

QString Reminder::shownTitle() const
{
    return title.trimmed().isEmpty() ? QCoreApplication::translate("Reminder", "Untitled") : title;
}

QString Reminder::daysString(int firstDayOfWeek) const
{
    QList<qint64> sorted = days;
    // In the order of the week as the editor shows it; numbers outside the
    // week keep their place before or after it.
    const auto place = [firstDayOfWeek](qint64 day) {
        if (day < 1 || day > 7)
            return day;
        return qint64{(LocalTime::qtDayOfWeek(int(day)) - firstDayOfWeek + 7) % 7 + 1};
    };
    std::sort(sorted.begin(), sorted.end(),
              [&](qint64 a, qint64 b) { return place(a) < place(b); });
    QList<qint64> set = days;
    std::sort(set.begin(), set.end());
    if (set == QList<qint64>{2, 3, 4, 5, 6})
        return QCoreApplication::translate("Reminder", "Weekdays");
    if (set == QList<qint64>{1, 2, 3, 4, 5, 6, 7})
        return QCoreApplication::translate("Reminder", "Every day");
    if (set == QList<qint64>{1, 7})
        return QCoreApplication::translate("Reminder", "Weekends");
    if (sorted.isEmpty())
        return QCoreApplication::translate("Reminder", "No days chosen");

    static const std::array<const char*, 8> names = {
        "",
        QT_TRANSLATE_NOOP("Reminder", "Sun"),
        QT_TRANSLATE_NOOP("Reminder", "Mon"),
        QT_TRANSLATE_NOOP("Reminder", "Tue"),
        QT_TRANSLATE_NOOP("Reminder", "Wed"),
        QT_TRANSLATE_NOOP("Reminder", "Thu"),
        QT_TRANSLATE_NOOP("Reminder", "Fri"),
        QT_TRANSLATE_NOOP("Reminder", "Sat"),
    };
    QStringList parts;
    parts.reserve(sorted.size());
    for (qint64 day : sorted) {
        // Numbers outside the week come only from a hand-edited file; show them as numbers.
        if (day >= 0 && day <= 7)
            parts << QCoreApplication::translate("Reminder", names[static_cast<size_t>(day)]);
        else
            parts << QString::number(day);
    }
    return parts.join(QLatin1Char(' '));
}

namespace {

// Where the path (or query, or fragment) of a link begins.
qsizetype pathStart(const QString& text)
{
    qsizetype from = text.indexOf(u':') + 1;
    if (QStringView(text).sliced(from).startsWith(u"//")) {
        from += 2;
        for (qsizetype i = from; i < text.size(); ++i) {
            if (text[i] == u'/' || text[i] == u'?' || text[i] == u'#')
                return i;
        }
        return text.size();
    }
    return from;
}

bool isHexDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// What a browser encodes in a link's path rather than refusing it: spaces,
// a few other characters and a "%" that starts no escape. Only in a link
// that names a scheme or a host with a dot, so that words stay words.
QString encodedAsABrowserWould(const QString& text, bool ownScheme)
{
    const qsizetype start = pathStart(text);
    const QStringView host = QStringView(text).sliced(0, start).sliced(text.indexOf(u':') + 1);
    if (!ownScheme && !host.contains(u'.'))
        return text;
    QString out = text.left(start);
    for (qsizetype i = start; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool escape =
            c == u'%' && i + 2 < text.size() && isHexDigit(text[i + 1]) && isHexDigit(text[i + 2]);
        if (c == u'%' && !escape)
            out += u"%25";
        else if (QStringView(u" \"<>\\^`{|}").contains(c))
            out += u'%' + QString::number(c.unicode(), 16).toUpper().rightJustified(2, u'0');
        else
            out += c;
    }
    return out;
}

} // namespace

std::optional<QUrl> Reminder::normalizedURL() const
{
    QString text = url.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    // Links with their own scheme ("https://", "zoommtg://", "msteams:/") are
    // used as written; anything else is taken as a web address.
    const QString scheme = QUrl(text).scheme();
    const bool ownScheme =
        !scheme.isEmpty() && QStringView(text).sliced(scheme.size() + 1).startsWith(u'/');
    if (!ownScheme)
        text.prepend(u"https://");
    text = encodedAsABrowserWould(text, ownScheme);
    QUrl parsed(text, QUrl::StrictMode);
    if (!parsed.isValid() || parsed.isRelative())
        return std::nullopt;
    // Schemes that run code or reach local files are never opened from a reminder.
    static const QStringList unsafe = {
        QStringLiteral("file"),        QStringLiteral("javascript"), QStringLiteral("data"),
        QStringLiteral("vbscript"),    QStringLiteral("blob"),       QStringLiteral("about"),
        QStringLiteral("view-source"), QStringLiteral("filesystem"),
    };
    if (unsafe.contains(parsed.scheme()))
        return std::nullopt;
    // A web address without a host ("https:/x", "https:///x") opens nothing.
    if ((parsed.scheme() == u"http" || parsed.scheme() == u"https") && parsed.host().isEmpty())
        return std::nullopt;
    return parsed;
}

std::optional<QUrl> Reminder::automaticURL() const
{
    static const QStringList opensByItself = {
        QStringLiteral("http"),       QStringLiteral("https"),   QStringLiteral("zoommtg"),
        QStringLiteral("zoomus"),     QStringLiteral("msteams"), QStringLiteral("webex"),
        QStringLiteral("jitsi-meet"),
    };
    auto link = normalizedURL();
    if (link && !opensByItself.contains(link->scheme()))
        return std::nullopt;
    return link;
}

bool Reminder::hasValidTime() const
{
    return hour >= 0 && hour < 24 && minute >= 0 && minute < 60;
}

QString oneLineText(QString text)
{
    for (QChar& c : text) {
        switch (c.unicode()) {
        case u'\n':
        case u'\r':
        case u'\v':
        case u'\f':
        case 0x0085: // next line
        case 0x2028: // line separator
        case 0x2029: // paragraph separator
            c = u' ';
            break;
        default:
            break;
        }
    }
    return text;
}

const QList<Reminder::Field>& Reminder::fields()
{
    static const QList<Field> all = {
        Field::Title,   Field::Note,        Field::Time, Field::Days,
        Field::Sound,   Field::RepeatSound, Field::Url,  Field::OpenUrlAutomatically,
        Field::Enabled, Field::LastFired,
    };
    return all;
}

bool Reminder::sameField(Field field, const Reminder& other) const
{
    switch (field) {
    case Field::Title:
        return sameText(title, other.title);
    case Field::Note:
        return sameText(note, other.note);
    case Field::Time:
        return hour == other.hour && minute == other.minute;
    case Field::Days:
        return days == other.days;
    case Field::Sound:
        return sameText(sound, other.sound);
    case Field::RepeatSound:
        return repeatSound == other.repeatSound;
    case Field::Url:
        return sameText(url, other.url);
    case Field::OpenUrlAutomatically:
        return openURLAutomatically == other.openURLAutomatically;
    case Field::Enabled:
        return enabled == other.enabled;
    case Field::LastFired:
        return sameText(lastFired, other.lastFired);
    }
    return false;
}

void Reminder::copyField(Field field, const Reminder& from)
{
    switch (field) {
    case Field::Title:
        title = from.title;
        break;
    case Field::Note:
        note = from.note;
        break;
    case Field::Time:
        hour = from.hour;
        minute = from.minute;
        break;
    case Field::Days:
        days = from.days;
        break;
    case Field::Sound:
        sound = from.sound;
        break;
    case Field::RepeatSound:
        repeatSound = from.repeatSound;
        break;
    case Field::Url:
        url = from.url;
        break;
    case Field::OpenUrlAutomatically:
        openURLAutomatically = from.openURLAutomatically;
        break;
    case Field::Enabled:
        enabled = from.enabled;
        break;
    case Field::LastFired:
        lastFired = from.lastFired;
        break;
    }
}

bool Reminder::operator==(const Reminder& other) const
{
    return id == other.id && std::all_of(fields().cbegin(), fields().cend(),
                                         [&](Field f) { return sameField(f, other); });
}

const QStringList& systemSounds()
{
    static const QStringList names = {
        QStringLiteral("Glass"), QStringLiteral("Ping"),   QStringLiteral("Pop"),
        QStringLiteral("Tink"),  QStringLiteral("Hero"),   QStringLiteral("Purr"),
        QStringLiteral("Blow"),  QStringLiteral("Bottle"), QStringLiteral("Frog"),
        QStringLiteral("Funk"),  QStringLiteral("Morse"),  QStringLiteral("Submarine"),
        QStringLiteral("Basso"), QStringLiteral("Sosumi"),
    };
    return names;
}

QString dayKey(const QDateTime& moment, const QTimeZone& zone)
{
    return LocalTime::dayKey(LocalTime::dateOf(moment, zone));
}

QString dayKey(const QDateTime& moment)
{
    return dayKey(moment, QTimeZone::systemTimeZone());
}
