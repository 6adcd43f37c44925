#include "sni_watcher.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

#include <algorithm>

namespace {

const QString watcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString watcherPath = QStringLiteral("/StatusNotifierWatcher");
const QString propertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
// A watcher's bus name comes a moment before its object answers.
constexpr int settleMsecs = 250;
// A question not answered by then is asked again, a few times: kded is slow
// while Plasma starts, and some hosts drop an item whose first property
// reads failed.
constexpr int answerMsecs = 3000;
constexpr int retryMsecs = 2000;
constexpr int maxAttempts = 10;
// An item dropped after being shown this long starts a new count.
constexpr qint64 dropWindowMsecs = 60 * 1000;

} // namespace

SniWatcher::SniWatcher(QDBusConnection bus, QObject* parent)
    : QObject(parent), m_bus(std::move(bus)),
      m_service(watcherService, m_bus,
                QDBusServiceWatcher::WatchForRegistration |
                    QDBusServiceWatcher::WatchForUnregistration)
{
    m_retry.setSingleShot(true);
    connect(&m_retry, &QTimer::timeout, this, &SniWatcher::ask);
    connect(&m_service, &QDBusServiceWatcher::serviceRegistered, this, [this] {
        m_present = true;
        QTimer::singleShot(settleMsecs, this, &SniWatcher::onAppeared);
    });
    connect(&m_service, &QDBusServiceWatcher::serviceUnregistered, this, [this] {
        // The item waits for the next watcher, which is told of it.
        m_present = false;
        m_retry.stop();
        Q_EMIT vanished();
    });
    m_bus.connect(watcherService, watcherPath, watcherService,
                  QStringLiteral("StatusNotifierHostRegistered"), this, SLOT(onHostRegistered()));
    m_bus.connect(watcherService, watcherPath, watcherService,
                  QStringLiteral("StatusNotifierItemUnregistered"), this,
                  SLOT(onItemUnregistered(QString)));
    const QDBusConnectionInterface* daemon = m_bus.interface();
    m_present = daemon && daemon->isServiceRegistered(watcherService).value();
}

void SniWatcher::onAppeared()
{
    if (!m_present)
        return;
    m_attempts = 0;
    Q_EMIT appeared();
    if (m_question == Question::Item)
        registerItem();
}

void SniWatcher::onHostRegistered()
{
    onAppeared();
}

void SniWatcher::askForHost()
{
    m_question = Question::Host;
    m_attempts = 0;
    askForHostNow();
}

void SniWatcher::keepRegistered(const QString& path)
{
    m_question = Question::Item;
    m_itemPath = path;
    m_attempts = 0;
    m_listedSince.invalidate();
    if (m_present)
        registerItem();
}

void SniWatcher::forgetItem()
{
    m_question = Question::None;
    m_itemPath.clear();
    m_retry.stop();
    ++m_questions;
}

void SniWatcher::ask()
{
    if (m_question == Question::Host)
        askForHostNow();
    else if (m_question == Question::Item)
        registerItem();
}

bool SniWatcher::askAgain(int msecs)
{
    if (++m_attempts > maxAttempts)
        return false;
    m_retry.start(msecs);
    return true;
}

void SniWatcher::askForHostNow()
{
    const int question = ++m_questions;
    QDBusMessage getAll = QDBusMessage::createMethodCall(
        watcherService, watcherPath, propertiesInterface, QStringLiteral("GetAll"));
    getAll << watcherService;
    auto* call = new QDBusPendingCallWatcher(m_bus.asyncCall(getAll, answerMsecs), this);
    connect(call, &QDBusPendingCallWatcher::finished, this,
            [this, question](QDBusPendingCallWatcher* w) {
                w->deleteLater();
                const QDBusPendingReply<QVariantMap> reply = *w;
                if (question != m_questions)
                    return;
                if (reply.isError() && m_present && askAgain(retryMsecs))
                    return;
                m_question = Question::None;
                Q_EMIT hostAnswered(
                    !reply.isError() &&
                    reply.value().value(QStringLiteral("IsStatusNotifierHostRegistered")).toBool());
            });
}

void SniWatcher::registerItem()
{
    // One registration at a time: an older one's answer, or its retry, would
    // register the item twice with a watcher that came meanwhile.
    m_retry.stop();
    const int question = ++m_questions;
    QDBusMessage call = QDBusMessage::createMethodCall(
        watcherService, watcherPath, watcherService, QStringLiteral("RegisterStatusNotifierItem"));
    // By its path, so hosts address it by this connection's unique name.
    // Given a bus name, GNOME's extension also watches that name and clears
    // what it read of the item when the watch first reports; at a busy
    // login that report can come after the reads, and the item stays listed
    // but is never shown.
    call << m_itemPath;
    auto* pending = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this,
            [this, question](QDBusPendingCallWatcher* w) {
                w->deleteLater();
                if (question == m_questions)
                    confirmListed(question);
            });
}

void SniWatcher::confirmListed(int question)
{
    QDBusMessage get = QDBusMessage::createMethodCall(watcherService, watcherPath,
                                                      propertiesInterface, QStringLiteral("Get"));
    get << watcherService << QStringLiteral("RegisteredStatusNotifierItems");
    auto* pending = new QDBusPendingCallWatcher(m_bus.asyncCall(get, answerMsecs), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this,
            [this, question](QDBusPendingCallWatcher* w) {
                w->deleteLater();
                const QDBusPendingReply<QDBusVariant> reply = *w;
                if (question != m_questions || (reply.isError() && !m_present))
                    return;
                const QStringList items =
                    reply.isError() ? QStringList() : reply.value().variant().toStringList();
                if (std::any_of(items.begin(), items.end(),
                                [this](const QString& item) { return isThisItem(item); })) {
                    m_listedSince.start();
                    Q_EMIT listed();
                } else {
                    askAgain(retryMsecs);
                }
            });
}

void SniWatcher::onItemUnregistered(const QString& item)
{
    // Some hosts drop an item they failed to set up (GNOME's extension, now
    // and then, right after listing it); a second registration shows it.
    if (m_question != Question::Item || !isThisItem(item))
        return;
    Q_EMIT unlisted();
    if (m_listedSince.isValid() && m_listedSince.elapsed() > dropWindowMsecs)
        m_attempts = 0;
    askAgain(retryMsecs / 4);
}

bool SniWatcher::isThisItem(const QString& entry) const
{
    // Watchers list "name/path", the bare name, or (GNOME's) "name@path".
    const QString name = m_bus.baseService();
    return !m_itemPath.isEmpty() &&
           (entry == name || entry == name + m_itemPath || entry == name + u'@' + m_itemPath);
}
