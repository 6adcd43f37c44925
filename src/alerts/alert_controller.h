#pragma once

#include "model/reminder.h"

#include <QDeadlineTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QUuid>

#include <functional>
#include <memory>
#include <vector>

class AlertPanel;
class ChimeOutput;
class QScreen;
class ChimePlayer;
class UrlOpener;

// Owns the reminder pop-ups: at most one per reminder, cascading down and to
// the right from near the top centre of the screen, each with its chime until
// the user dismisses, snoozes or opens the website.
class AlertController : public QObject {
    Q_OBJECT

public:
    // msecsPerMinute scales snooze delays; only tests shorten it.
    explicit AlertController(ChimeOutput& chimes, UrlOpener& opener, qint64 msecsPerMinute = 60'000,
                             QObject* parent = nullptr);
    ~AlertController() override;

    // The application's controller, created on first use with the real
    // chimes and browser; lives until the process ends.
    static AlertController& shared();

    // Asked when a snooze ends: a reminder it says no to does not come back
    // (deleted, switched off, or everything paused meanwhile).
    using SnoozeCheck = std::function<bool(const Reminder&)>;
    void setSnoozeCheck(SnoozeCheck check) { m_snoozeCheck = std::move(check); }

    // Raises the pop-up for a copy of the reminder, replacing its open one.
    void show(const Reminder& reminder);
    // Closes the reminder's pop-up and stops its chime, if one is open.
    void dismiss(const QUuid& id);
    void dismissAll();

    // The snoozed pop-ups still to come back: when, and the copy that comes.
    struct Snoozed {
        QDeadlineTimer until;
        Reminder reminder;
        quint64 serial = 0;
    };
    const QList<Snoozed>& snoozed() const { return m_snoozed; }

    // The open pop-ups' windows, oldest first.
    QList<QWidget*> openPanels() const;
    // For tests: the chime playing for a pop-up, and the cascade's offset.
    ChimePlayer* chimeFor(const QUuid& id) const;
    int stackOffset() const { return m_stackOffset; }

    static constexpr int cascadeStep = 30;
    static constexpr int cascadeLimit = 120;
    static constexpr int topMargin = 60;

Q_SIGNALS:
    void panelsChanged();
    void snoozesChanged();

private:
    struct Entry {
        QUuid id;
        QPointer<AlertPanel> panel;
        std::unique_ptr<ChimePlayer> chime;
    };

    void place(AlertPanel* panel);
    void snooze(const Reminder& reminder, qint64 minutes);
    void open(const Reminder& reminder);

    ChimeOutput& m_chimes;
    UrlOpener& m_opener;
    qint64 m_msecsPerMinute;
    SnoozeCheck m_snoozeCheck;
    QList<Snoozed> m_snoozed;
    quint64 m_lastSerial = 0;
    std::vector<Entry> m_open;
    int m_stackOffset = 0;
    QPointer<QScreen> m_screen; // where the cascade comes down
};
