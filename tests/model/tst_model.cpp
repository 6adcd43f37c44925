#include "model/local_time.h"
#include "model/next_ring.h"
#include "model/reminder.h"
#include "model/reminder_json.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QtTest>

namespace {

QJsonObject validObject()
{
    return ReminderJson::toObject(
        Reminder{.id = QUuid::fromString(QStringLiteral("6F9619FF-8B86-D011-B42D-00C04FC964FF"))});
}

bool decodes(const QJsonObject& object)
{
    return ReminderJson::fromValue(object).has_value();
}

QDateTime utc(const QString& text)
{
    return QDateTime::fromString(text, Qt::ISODate).toUTC();
}

} // namespace

class TestModel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void daysSummary_data();
    void daysSummary();
    void normalizedUrl_data();
    void normalizedUrl();
    void equality();
    void defaultsAndSubsets();
    void dayKeyFollowsLocalDate();
    void shortTimeHasNoSeconds_data();
    void shortTimeHasNoSeconds();
    void shortTimeInEveryLocale();
    void decoderRefuses_data();
    void decoderRefuses();
    void decoderAccepts();
    void hugeAndOddNumbers();
    void roundTrip();
    void fileBytesAreExact();
    void encoderMatchesQtWriter();
    void badElementFailsWholeArray();
    void hostileDocuments();
    void dstResolution_data();
    void dstResolution();
    void weekdayNumbering();
    void nextDue_data();
    void nextDue();
    void nextRingSaysWhen_data();
    void nextRingSaysWhen();
};

void TestModel::daysSummary_data()
{
    QTest::addColumn<QList<qint64>>("days");
    QTest::addColumn<QString>("summary");
    QTest::addColumn<int>("firstDay");
    QTest::newRow("Monday first") << QList<qint64>{1, 4, 2} << "Mon Wed Sun" << int(Qt::Monday);
    QTest::newRow("Saturday first") << QList<qint64>{2, 1, 7} << "Sat Sun Mon" << int(Qt::Saturday);
    QTest::newRow("weekdays shuffled") << QList<qint64>{6, 5, 4, 3, 2} << "Weekdays" << 0;
    QTest::newRow("weekends") << QList<qint64>{7, 1} << "Weekends" << 0;
    QTest::newRow("every day") << QList<qint64>{3, 1, 7, 2, 6, 4, 5} << "Every day" << 0;
    QTest::newRow("none") << QList<qint64>{} << "No days chosen" << 0;
    QTest::newRow("sorted names") << QList<qint64>{3, 1} << "Sun Tue" << 0;
    QTest::newRow("odd days") << QList<qint64>{2, 4, 6} << "Mon Wed Fri" << 0;
    QTest::newRow("duplicate") << QList<qint64>{2, 2, 3, 4, 5, 6} << "Mon Mon Tue Wed Thu Fri" << 0;
    QTest::newRow("zero") << QList<qint64>{0, 2} << " Mon" << 0;
    QTest::newRow("out of range") << QList<qint64>{-4, 9, 2} << "-4 Mon 9" << 0;
    QTest::newRow("extremes") << QList<qint64>{std::numeric_limits<qint64>::min(), 1}
                              << "-9223372036854775808 Sun" << 0;
}

void TestModel::daysSummary()
{
    QFETCH(QList<qint64>, days);
    QFETCH(QString, summary);
    QFETCH(int, firstDay);
    QCOMPARE(Reminder{.days = days}.daysString(firstDay ? firstDay : Qt::Sunday), summary);
}

void TestModel::normalizedUrl_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("expected"); // empty: no URL
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("spaces and newlines") << "  \n\t "
                                         << "";
    QTest::newRow("bare host with spaces") << "  example.com/path \n"
                                           << "https://example.com/path";
    // No "https://" is added; QUrl itself writes scheme and host in lower case.
    QTest::newRow("upper-case scheme kept") << "HTTP://Example.com/A"
                                            << "http://example.com/A";
    QTest::newRow("https kept") << "https://example.org"
                                << "https://example.org";
    QTest::newRow("inner space rejected") << "exa mple.com"
                                          << "";
    QTest::newRow("bad port rejected") << "javascript:alert(1)"
                                       << "";
    QTest::newRow("meeting link as written") << "zoommtg://zoom.us/join?confno=123"
                                             << "zoommtg://zoom.us/join?confno=123";
    QTest::newRow("scheme with one slash") << "msteams:/l/meetup-join/x"
                                           << "msteams:/l/meetup-join/x";
    QTest::newRow("local file never") << "file:///etc/passwd"
                                      << "";
    QTest::newRow("script with slashes never") << "JavaScript://%0Aalert(1)"
                                               << "";
    QTest::newRow("data never") << "data:/text/html,<b>x</b>"
                                << "";
    QTest::newRow("host with port keeps the web rule") << "localhost:8080/x"
                                                       << "https://localhost:8080/x";
    QTest::newRow("web address without host") << "https:/example.com"
                                              << "";
    QTest::newRow("words are no address") << "intranet/team wiki"
                                          << "";
    QTest::newRow("space in the path encoded") << "https://example.com/a b"
                                               << "https://example.com/a%20b";
    QTest::newRow("bare host, what a browser encodes")
        << "example.com/q?a b&c={x}|\"y\"#z w"
        << "https://example.com/q?a%20b&c=%7Bx%7D%7C%22y%22#z%20w";
    QTest::newRow("lone percent, escapes kept") << "example.com/100%/a%2Fb"
                                                << "https://example.com/100%25/a%2Fb";
    QTest::newRow("unicode space trimmed")
        << QString::fromUtf8("\u00a0example.net\u2003") << "https://example.net";
}

void TestModel::normalizedUrl()
{
    QFETCH(QString, url);
    QFETCH(QString, expected);
    const auto normalized = Reminder{.url = url}.normalizedURL();
    if (expected.isEmpty()) {
        QVERIFY2(!normalized, qPrintable(normalized ? normalized->toString() : QString()));
    } else {
        QVERIFY(normalized);
        QCOMPARE(normalized->toString(QUrl::FullyEncoded), expected);
    }
}

void TestModel::equality()
{
    const Reminder a{.days = {2, 3}};
    Reminder b = a;
    QVERIFY(a == b);
    b.lastFired = QStringLiteral("2026-03-07");
    QVERIFY(!(a == b));
    b = a;
    b.days = {3, 2};
    QVERIFY(!(a == b));
    // Canonically equivalent texts are equal: precomposed versus combining accent.
    b = a;
    Reminder c = a;
    b.title = QString::fromUtf8("caf\u00e9");
    c.title = QString::fromUtf8("cafe\u0301");
    QVERIFY(b == c);
    QVERIFY(!(Reminder{} == Reminder{}));
}

void TestModel::defaultsAndSubsets()
{
    const Reminder r;
    QCOMPARE(r.title, QStringLiteral("New reminder"));
    QCOMPARE(r.hour, 8);
    QCOMPARE(r.minute, 10);
    QCOMPARE(r.days, (QList<qint64>{2, 3, 4, 5, 6}));
    QCOMPARE(r.sound, QStringLiteral("Glass"));
    QVERIFY(r.enabled && !r.repeatSound && !r.openURLAutomatically);
    QVERIFY(r.note.isEmpty() && r.url.isEmpty() && r.lastFired.isEmpty());
    const Reminder s{.hour = 13, .enabled = false};
    QCOMPARE(s.hour, 13);
    QCOMPARE(s.minute, 10);
    QVERIFY(!s.enabled);
    QVERIFY(r.id != s.id);
    QCOMPARE(systemSounds().size(), 14);
    QCOMPARE(systemSounds().first(), QStringLiteral("Glass"));
    QCOMPARE(systemSounds().last(), QStringLiteral("Sosumi"));
    QVERIFY(!systemSounds().contains(noSound.toString()));
}

void TestModel::dayKeyFollowsLocalDate()
{
    const QTimeZone berlin("Europe/Berlin");
    const QTimeZone tokyo("Asia/Tokyo");
    // 22:59 and 23:00 UTC in winter are 23:59 and 00:00 in Berlin.
    QCOMPARE(dayKey(utc(QStringLiteral("2026-01-15T22:59:00Z")), berlin),
             QStringLiteral("2026-01-15"));
    QCOMPARE(dayKey(utc(QStringLiteral("2026-01-15T23:00:00Z")), berlin),
             QStringLiteral("2026-01-16"));
    QCOMPARE(dayKey(utc(QStringLiteral("2026-01-15T23:00:00Z")), berlin),
             dayKey(utc(QStringLiteral("2026-01-16T22:00:00Z")), berlin));
    QCOMPARE(dayKey(utc(QStringLiteral("2026-01-15T15:00:00Z")), tokyo),
             QStringLiteral("2026-01-16"));
}

void TestModel::shortTimeHasNoSeconds_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<qint64>("hour");
    QTest::addColumn<qint64>("minute");
    QTest::addColumn<QString>("expected");
    QTest::newRow("C") << "C" << qint64(8) << qint64(10) << "08:10";
    QTest::newRow("de_DE") << "de_DE" << qint64(8) << qint64(10) << "08:10";
    QTest::newRow("en_US morning") << "en_US" << qint64(8) << qint64(10) << "8:10 AM";
    QTest::newRow("en_US midnight") << "en_US" << qint64(0) << qint64(0) << "12:00 AM";
    QTest::newRow("de_DE midnight") << "de_DE" << qint64(0) << qint64(0) << "00:00";
    QTest::newRow("zh_TW day period") << "zh_TW" << qint64(8) << qint64(10) << "上午8:10";
    QTest::newRow("hour 25 rolls over") << "C" << qint64(25) << qint64(0) << "01:00";
    QTest::newRow("huge values") << "C" << std::numeric_limits<qint64>::max()
                                 << std::numeric_limits<qint64>::min() << "";
}

void TestModel::shortTimeHasNoSeconds()
{
    QFETCH(QString, locale);
    QFETCH(qint64, hour);
    QFETCH(qint64, minute);
    QFETCH(QString, expected);
    QLocale::setDefault(QLocale(locale));
    QString text = Reminder{.hour = hour, .minute = minute}.timeString();
    QLocale::setDefault(QLocale::c());
    text.replace(QChar(0x202f), QLatin1Char(' ')); // newer CLDR uses a narrow space
    if (expected.isEmpty())
        QVERIFY(QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d$")).match(text).hasMatch());
    else
        QCOMPARE(text, expected);
}

void TestModel::shortTimeInEveryLocale()
{
    // Every letter left unquoted in the pattern must be one Qt replaces, or
    // it shows up literally in the text; and seconds never show.
    const QTime time(8, 10, 37);
    for (const QLocale& locale : QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript,
                                                          QLocale::AnyTerritory)) {
        const QString format = Reminder::shortTimeFormat(locale);
        bool quoted = false;
        for (const QChar c : format) {
            if (c == u'\'')
                quoted = !quoted;
            else if (!quoted && c.unicode() < 0x80 && c.isLetter())
                QVERIFY2(QStringView(u"HhmAaPpt").contains(c),
                         qPrintable(locale.name() + u' ' + format));
        }
        const QString text = locale.toString(time, format);
        QVERIFY2(!text.contains(locale.toString(37)), qPrintable(locale.name() + u' ' + text));
    }
}

void TestModel::decoderRefuses_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QJsonValue>("value"); // Undefined: remove the key
    QTest::newRow("missing lastFired") << "lastFired" << QJsonValue(QJsonValue::Undefined);
    QTest::newRow("missing repeatSound") << "repeatSound" << QJsonValue(QJsonValue::Undefined);
    QTest::newRow("null note") << "note" << QJsonValue(QJsonValue::Null);
    QTest::newRow("1 for true") << "enabled" << QJsonValue(1);
    QTest::newRow("digit string hour") << "hour" << QJsonValue(QStringLiteral("8"));
    QTest::newRow("fractional minute") << "minute" << QJsonValue(8.5);
    QTest::newRow("days not array") << "days" << QJsonValue(2);
    QTest::newRow("day as string") << "days" << QJsonValue(QJsonArray{2, QStringLiteral("3")});
    QTest::newRow("bad uuid") << "id" << QJsonValue(QStringLiteral("not-a-uuid"));
    QTest::newRow("braced uuid") << "id"
                                 << QJsonValue(
                                        QStringLiteral("{6F9619FF-8B86-D011-B42D-00C04FC964FF}"));
    QTest::newRow("uuid with newline")
        << "id" << QJsonValue(QStringLiteral("6F9619FF-8B86-D011-B42D-00C04FC964FF\n"));
    QTest::newRow("uuid as number") << "id" << QJsonValue(5);
    QTest::newRow("title as array") << "title" << QJsonValue(QJsonArray{});
}

void TestModel::decoderRefuses()
{
    QFETCH(QString, key);
    QFETCH(QJsonValue, value);
    QJsonObject object = validObject();
    QVERIFY(decodes(object));
    if (value.isUndefined())
        object.remove(key);
    else
        object.insert(key, value);
    QVERIFY(!decodes(object));
}

void TestModel::decoderAccepts()
{
    QJsonObject object = validObject();
    // A capitalised "Days" is an unknown key: with "days" gone the object fails.
    object.insert(u"Days", QJsonArray{1});
    object.insert(u"extra", QStringLiteral("dropped"));
    auto decoded = ReminderJson::fromValue(object);
    QVERIFY(decoded);
    QVERIFY(!ReminderJson::toObject(*decoded).contains(u"extra"));
    object.remove(u"days");
    QVERIFY(!decodes(object));

    object = validObject();
    object.insert(u"days", QJsonArray{});
    object.insert(u"id", QStringLiteral("6f9619ff-8b86-d011-b42d-00c04fc964ff"));
    object.insert(u"hour", 25);
    object.insert(u"sound", QStringLiteral("Nonexistent"));
    decoded = ReminderJson::fromValue(object);
    QVERIFY(decoded);
    QVERIFY(decoded->days.isEmpty());
    QCOMPARE(decoded->hour, 25);
    QCOMPARE(ReminderJson::toObject(*decoded).value(u"id").toString(),
             QStringLiteral("6F9619FF-8B86-D011-B42D-00C04FC964FF"));
}

void TestModel::hugeAndOddNumbers()
{
    auto hourOf = [](const QByteArray& literal) -> std::optional<qint64> {
        QByteArray text = QJsonDocument(QJsonArray{validObject()}).toJson();
        const qsizetype at = text.indexOf("\"hour\": 8");
        text.replace(at, 9, "\"hour\": " + literal);
        const auto list = ReminderJson::decodeList(text);
        if (!list)
            return std::nullopt;
        return list->first().hour;
    };
    QCOMPARE(hourOf("9223372036854775807"), std::numeric_limits<qint64>::max());
    QCOMPARE(hourOf("-9223372036854775808"), std::numeric_limits<qint64>::min());
    QCOMPARE(hourOf("9007199254740993"), qint64(9007199254740993)); // beyond a double's precision
    QCOMPARE(hourOf("8.0"), 8);
    QCOMPARE(hourOf("8e0"), 8);
    QVERIFY(!hourOf("9223372036854775808"));
    QVERIFY(!hourOf("-9223372036854775809"));
    QVERIFY(!hourOf("-9223372036854775808.5"));
    QCOMPARE(hourOf("80e-000000000000000000001"), 8);
    QVERIFY(!hourOf("1e30"));
    QVERIFY(!hourOf("1e400"));
    QVERIFY(!hourOf("8.25"));
}

void TestModel::roundTrip()
{
    const Reminder original{.title = QString::fromUtf8("Caf\u00e9 \"quoted\" / \\ \u2603"),
                            .note = QStringLiteral("line one\nline two\t<tab>"),
                            .hour = std::numeric_limits<qint64>::max(),
                            .minute = -1,
                            .days = {7, 7, 1, 0},
                            .sound = QStringLiteral("None"),
                            .repeatSound = true,
                            .url = QStringLiteral(" https://example.com/a?b=c&d "),
                            .openURLAutomatically = true,
                            .enabled = false,
                            .lastFired = QStringLiteral("2026-03-07")};
    const auto decoded = ReminderJson::decodeList(ReminderJson::encodeList({original, Reminder{}}));
    QVERIFY(decoded);
    QCOMPARE(decoded->size(), 2);
    QVERIFY(decoded->first() == original);
}

void TestModel::fileBytesAreExact()
{
    const Reminder r{.id =
                         QUuid::fromString(QStringLiteral("6f9619ff-8b86-d011-b42d-00c04fc964ff")),
                     .title = QString::fromUtf8("Stand-up \u2615"),
                     .note = QStringLiteral("a/b"),
                     .hour = 9,
                     .minute = 5,
                     .days = {2, 4},
                     .url = QStringLiteral("https://example.com/x"),
                     .lastFired = QStringLiteral("2026-03-07")};
    const QByteArray expected =
        QByteArrayLiteral("[\n"
                          "    {\n"
                          "        \"days\": [\n"
                          "            2,\n"
                          "            4\n"
                          "        ],\n"
                          "        \"enabled\": true,\n"
                          "        \"hour\": 9,\n"
                          "        \"id\": \"6F9619FF-8B86-D011-B42D-00C04FC964FF\",\n"
                          "        \"lastFired\": \"2026-03-07\",\n"
                          "        \"minute\": 5,\n"
                          "        \"note\": \"a\\/b\",\n"
                          "        \"openURLAutomatically\": false,\n"
                          "        \"repeatSound\": false,\n"
                          "        \"sound\": \"Glass\",\n"
                          "        \"title\": \"Stand-up \xe2\x98\x95\",\n"
                          "        \"url\": \"https:\\/\\/example.com\\/x\"\n"
                          "    }\n"
                          "]\n");
    QCOMPARE(ReminderJson::encodeList({r}), expected);
    QCOMPARE(ReminderJson::encodeList({}), QByteArrayLiteral("[\n]\n"));
    QVERIFY(ReminderJson::decodeList("[\n]\n")->isEmpty());
}

void TestModel::encoderMatchesQtWriter()
{
    QString everyAscii;
    for (char16_t c = 0; c < 0x80; ++c)
        everyAscii.append(QChar(c));
    const QList<Reminder> list = {
        Reminder{.title = everyAscii,
                 .note = QString::fromUtf8("\u00e9\u2028\U0001F600 \u202e"),
                 .hour = std::numeric_limits<qint64>::min(),
                 .minute = std::numeric_limits<qint64>::max(),
                 .days = {},
                 .enabled = false},
        Reminder{.title = QString(QChar(0xd800)), .days = {-1, 0, 7}, .repeatSound = true},
        Reminder{},
    };
    QJsonArray array;
    for (const Reminder& r : list)
        array.append(ReminderJson::toObject(r));
    QByteArray qtBytes = QJsonDocument(array).toJson(QJsonDocument::Indented);
    qtBytes.replace('/', "\\/");
    QCOMPARE(ReminderJson::encodeList(list), qtBytes);
    const auto decoded = ReminderJson::decodeList(qtBytes);
    QVERIFY(decoded);
    QVERIFY(decoded->at(0) == list[0]);
}

void TestModel::badElementFailsWholeArray()
{
    QJsonObject second = validObject();
    second.remove(u"lastFired");
    const QByteArray bytes = QJsonDocument(QJsonArray{validObject(), second}).toJson();
    QVERIFY(!ReminderJson::decodeList(bytes));
    QVERIFY(!ReminderJson::decodeList(QJsonDocument(validObject()).toJson())); // not an array
    QVERIFY(!ReminderJson::decodeList(QJsonDocument(QJsonArray{1}).toJson()));
}

void TestModel::hostileDocuments()
{
    QVERIFY(!ReminderJson::decodeList(QByteArray(200000, '[') + QByteArray(200000, ']')));
    QVERIFY(!ReminderJson::decodeList(QByteArray()));
    QVERIFY(!ReminderJson::decodeList("\xff\xfe[]"));
    QByteArray badUtf8 = QJsonDocument(QJsonArray{validObject()}).toJson();
    badUtf8.replace("Glass", "Gl\xc3\x28s");
    QVERIFY(!ReminderJson::decodeList(badUtf8));
    QVERIFY(!ReminderJson::decodeList("[{\"id\": \"unterminated"));
}

void TestModel::dstResolution_data()
{
    QTest::addColumn<QString>("zone");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");
    QTest::addColumn<QString>("expectedUtc");
    // Spring forward: the skipped time resolves to the first moment after the gap.
    QTest::newRow("New York gap") << "America/New_York" << QDate(2026, 3, 8) << 2 << 30
                                  << "2026-03-08T07:00:00Z";
    QTest::newRow("New York after gap")
        << "America/New_York" << QDate(2026, 3, 8) << 3 << 30 << "2026-03-08T07:30:00Z";
    QTest::newRow("Berlin gap") << "Europe/Berlin" << QDate(2026, 3, 29) << 2 << 0
                                << "2026-03-29T01:00:00Z";
    QTest::newRow("Adelaide gap") << "Australia/Adelaide" << QDate(2026, 10, 4) << 2 << 15
                                  << "2026-10-03T16:30:00Z";
    // Fall back: the repeated time resolves to its first occurrence.
    QTest::newRow("New York repeat")
        << "America/New_York" << QDate(2026, 11, 1) << 1 << 30 << "2026-11-01T05:30:00Z";
    QTest::newRow("Berlin repeat")
        << "Europe/Berlin" << QDate(2026, 10, 25) << 2 << 30 << "2026-10-25T00:30:00Z";
    QTest::newRow("Adelaide repeat")
        << "Australia/Adelaide" << QDate(2026, 4, 5) << 2 << 45 << "2026-04-04T16:15:00Z";
    // Zones without changes, one of them off by half an hour.
    QTest::newRow("Tokyo") << "Asia/Tokyo" << QDate(2026, 3, 8) << 2 << 30
                           << "2026-03-07T17:30:00Z";
    QTest::newRow("Kolkata") << "Asia/Kolkata" << QDate(2026, 7, 1) << 0 << 0
                             << "2026-06-30T18:30:00Z";
    QTest::newRow("Berlin midnight")
        << "Europe/Berlin" << QDate(2026, 1, 1) << 0 << 0 << "2025-12-31T23:00:00Z";
}

void TestModel::dstResolution()
{
    QFETCH(QString, zone);
    QFETCH(QDate, date);
    QFETCH(int, hour);
    QFETCH(int, minute);
    QFETCH(QString, expectedUtc);
    const QTimeZone tz(zone.toUtf8());
    QVERIFY(tz.isValid());
    const auto resolved = LocalTime(date, tz).resolveSecs(hour, minute);
    QVERIFY(resolved);
    QCOMPARE(QDateTime::fromSecsSinceEpoch(*resolved, Qt::UTC).toString(Qt::ISODate), expectedUtc);
}

void TestModel::weekdayNumbering()
{
    const QTimeZone tokyo("Asia/Tokyo");
    // 2026-03-08 is a Sunday: 1. The Saturday before: 7.
    QCOMPARE(
        LocalTime::weekday(LocalTime::dateOf(utc(QStringLiteral("2026-03-08T00:00:00Z")), tokyo)),
        1);
    QCOMPARE(
        LocalTime::weekday(LocalTime::dateOf(utc(QStringLiteral("2026-03-07T14:00:00Z")), tokyo)),
        7);
    QCOMPARE(
        LocalTime::weekday(LocalTime::dateOf(utc(QStringLiteral("2026-03-07T15:00:00Z")), tokyo)),
        1);
    QVERIFY(!LocalTime(QDate(2026, 3, 8), tokyo).resolveSecs(24, 0));
    QVERIFY(!LocalTime(QDate(2026, 3, 8), tokyo).resolveSecs(8, 60));
}

void TestModel::nextDue_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("hour");
    QTest::addColumn<QString>("days"); // weekday digits, 1 = Sunday
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("lastFired");
    QTest::addColumn<QString>("expectedUtc"); // empty: never
    // 2026-03-09 is a Monday; Berlin is UTC+1 then.
    const QByteArray berlin("Europe/Berlin");
    const QString monday7 = QStringLiteral("2026-03-09T06:00:00Z");
    QTest::newRow("later today") << berlin << monday7 << 8 << "2" << true << ""
                                 << "2026-03-09T07:10:00Z";
    QTest::newRow("at its moment: next week")
        << berlin << "2026-03-09T07:10:00Z" << 8 << "2" << true << ""
        << "2026-03-16T07:10:00Z";
    QTest::newRow("fired today: tomorrow") << berlin << monday7 << 8 << "23" << true << "2026-03-09"
                                           << "2026-03-10T07:10:00Z";
    QTest::newRow("Sunday only") << berlin << monday7 << 8 << "1" << true << ""
                                 << "2026-03-15T07:10:00Z";
    QTest::newRow("off") << berlin << monday7 << 8 << "1234567" << false << ""
                         << "";
    QTest::newRow("no days") << berlin << monday7 << 8 << "" << true << ""
                             << "";
    QTest::newRow("days out of range") << berlin << monday7 << 8 << "09" << true << ""
                                       << "";
    QTest::newRow("no such hour") << berlin << monday7 << 24 << "1234567" << true << ""
                                  << "";
    QTest::newRow("New York gap") << QByteArray("America/New_York") << "2026-03-08T05:00:00Z" << 2
                                  << "1" << true << ""
                                  << "2026-03-08T07:00:00Z";
    QTest::newRow("unknown zone as UTC")
        << QByteArray("Nowhere/Atlantis") << monday7 << 8 << "2" << true << ""
        << "2026-03-09T08:10:00Z";
}

void TestModel::nextDue()
{
    QFETCH(QByteArray, zone);
    QFETCH(QString, after);
    QFETCH(int, hour);
    QFETCH(QString, days);
    QFETCH(bool, enabled);
    QFETCH(QString, lastFired);
    QFETCH(QString, expectedUtc);
    Reminder r{.hour = hour, .minute = 10, .days = {}, .enabled = enabled, .lastFired = lastFired};
    for (QChar day : days)
        r.days << day.digitValue();
    const auto due = LocalTime::nextDue(QList<Reminder>{r}, utc(after), QTimeZone(zone));
    QCOMPARE(due ? due->toUTC().toString(Qt::ISODate) : QString(), expectedUtc);
    // The earliest over a list, whatever the order.
    const Reminder later{.hour = 23, .minute = 59, .days = {1, 2, 3, 4, 5, 6, 7}};
    if (due) {
        const QDateTime laterDue =
            *LocalTime::nextDue(QList<Reminder>{later}, utc(after), QTimeZone(zone));
        QCOMPARE(LocalTime::nextDue(QList<Reminder>{later, r, later}, utc(after), QTimeZone(zone)),
                 std::min(*due, laterDue));
        // Of several due at once, the first in the list is the one named.
        const auto first = LocalTime::nextDueReminder({later, r, r}, utc(after), QTimeZone(zone));
        QCOMPARE(first->index, *due < laterDue ? 1 : 0);
    }
}

void TestModel::nextRingSaysWhen_data()
{
    QTest::addColumn<QString>("now"); // UTC; Berlin is an hour ahead
    QTest::addColumn<QString>("moment");
    QTest::addColumn<QString>("said");
    QTest::newRow("today") << "2026-03-09T07:00:00Z"
                           << "2026-03-09T15:45:00Z"
                           << "Today 16:45";
    QTest::newRow("tomorrow, just past midnight here") << "2026-03-09T22:30:00Z"
                                                       << "2026-03-09T23:05:00Z"
                                                       << "Tomorrow 00:05";
    QTest::newRow("within the week") << "2026-03-09T07:00:00Z"
                                     << "2026-03-12T07:10:00Z"
                                     << "Donnerstag 08:10";
    QTest::newRow("a week ahead") << "2026-03-09T07:00:00Z"
                                  << "2026-03-16T07:10:00Z"
                                  << "16.03.26 08:10";
}

void TestModel::nextRingSaysWhen()
{
    QFETCH(QString, now);
    QFETCH(QString, moment);
    QFETCH(QString, said);
    QCOMPARE(NextRing::when(utc(moment), utc(now), QTimeZone("Europe/Berlin"),
                            QLocale(QLocale::German, QLocale::Germany)),
             said);
}

QTEST_GUILESS_MAIN(TestModel)
#include "tst_model.moc"
