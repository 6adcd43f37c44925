#pragma once

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

// Pendrel's side of the conversation with the desktop's StatusNotifier
// watcher (org.kde.StatusNotifierWatcher): whether one is there with a panel
// behind it, and keeping Pendrel's item registered with whichever one comes.
// Watchers come and go with their panels and are slow while a session
// starts, so nothing here waits on one, and a question that goes unanswered
// is asked again, a bounded number of times.
class SniWatcher : public QObject {
    Q_OBJECT

public:
    explicit SniWatcher(QDBusConnection bus, QObject* parent = nullptr);

    // Whether a watcher is on the bus (the bus daemon answers that quickly).
    bool present() const { return m_present; }
    // Whether a panel shows items behind it: answered by hostAnswered().
    void askForHost();
    // Registers the item exported at `path` on this connection with this
    // watcher and every later one, until forgetItem().
    void keepRegistered(const QString& path);
    void forgetItem();
    // Whether a watcher's entry names the item.
    bool isThisItem(const QString& entry) const;

Q_SIGNALS:
    // A watcher came, or a panel came behind it.
    void appeared();
    void vanished();
    void hostAnswered(bool hostRegistered);
    // The watcher lists the item: a panel can show it now.
    void listed();
    // The watcher dropped it; it is registered again.
    void unlisted();

private Q_SLOTS:
    void onHostRegistered();
    void onItemUnregistered(const QString& item);

private:
    enum class Question { None, Host, Item };

    void onAppeared();
    void ask();
    void askForHostNow();
    void registerItem();
    void confirmListed(int question);
    // Asks again after `msecs` unless the attempts are used up.
    bool askAgain(int msecs);

    QDBusConnection m_bus;
    QDBusServiceWatcher m_service;
    bool m_present = false;
    Question m_question = Question::None;
    QString m_itemPath;
    // Answers to an older question are ignored.
    int m_questions = 0;
    int m_attempts = 0;
    QTimer m_retry;
    QElapsedTimer m_listedSince;
};
