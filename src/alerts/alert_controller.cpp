#include "alert_controller.h"

#include "alert_panel.h"
#include "desktop/active_screen.h"
#include "desktop/url_opener.h"
#include "sound/chime_output.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

AlertController::AlertController(ChimeOutput& chimes, UrlOpener& opener, qint64 msecsPerMinute,
                                 QObject* parent)
    : QObject(parent), m_chimes(chimes), m_opener(opener), m_msecsPerMinute(msecsPerMinute)
{}

AlertController::~AlertController()
{
    dismissAll();
}

AlertController& AlertController::shared()
{
    // Never deleted: pop-ups and snoozes may refer to it until the very end.
    static AlertController* controller = [] {
        auto* created = new AlertController(ChimeOutput::standard(), UrlOpener::standard());
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, created,
                         &AlertController::dismissAll);
        return created;
    }();
    return *controller;
}

void AlertController::show(const Reminder& reminder)
{
    dismiss(reminder.id);

    std::unique_ptr<ChimePlayer> chime;
    if (reminder.sound != noSound)
        chime = m_chimes.player(reminder.sound);

    auto* panel = new AlertPanel(reminder);
    const QUuid id = reminder.id;
    AlertView* view = panel->view();
    connect(view, &AlertView::doneRequested, this, [this, id] { dismiss(id); });
    connect(panel, &AlertPanel::closeRequested, this, [this, id] { dismiss(id); });
    connect(view, &AlertView::snoozeRequested, this,
            [this, reminder](qint64 minutes) { snooze(reminder, minutes); });
    connect(view, &AlertView::openRequested, this, [this, reminder] { open(reminder); });

    place(panel);
    m_stackOffset = m_stackOffset >= cascadeLimit ? 0 : m_stackOffset + cascadeStep;

    ChimePlayer* player = chime.get();
    m_open.push_back(Entry{id, panel, std::move(chime)});
    panel->showFloating();
    if (player)
        player->play(reminder.repeatSound);
    if (reminder.openURLAutomatically) {
        if (const auto url = reminder.automaticURL())
            m_opener.open(*url);
    }
    Q_EMIT panelsChanged();
}

void AlertController::place(AlertPanel* panel)
{
    // A cascade stays on the monitor its first pop-up came up on.
    if (m_open.empty() || !m_screen)
        m_screen = ActiveScreen::find();
    const QScreen* screen = m_screen;
    if (!screen)
        return; // the window system places it
    const QRect area = screen->availableGeometry();
    const int x = area.x() + area.width() / 2 - AlertView::fixedWidth / 2 + m_stackOffset;
    const int y = area.y() + topMargin + m_stackOffset;
    panel->move(x, y);
}

void AlertController::dismiss(const QUuid& id)
{
    const auto found =
        std::find_if(m_open.begin(), m_open.end(), [&id](const Entry& e) { return e.id == id; });
    if (found == m_open.end())
        return;
    Entry entry = std::move(*found);
    m_open.erase(found);
    if (entry.chime)
        entry.chime->stop();
    if (entry.panel) {
        entry.panel->hide();
        // Later: the request may come from one of the panel's own buttons.
        entry.panel->deleteLater();
    }
    if (m_open.empty())
        m_stackOffset = 0;
    Q_EMIT panelsChanged();
}

void AlertController::dismissAll()
{
    while (!m_open.empty())
        dismiss(m_open.front().id);
}

void AlertController::snooze(const Reminder& reminder, qint64 minutes)
{
    dismiss(reminder.id);
    const qint64 delay = std::clamp<qint64>(minutes, 0, 24 * 60) * m_msecsPerMinute;
    // The copy comes back as it was when it first rang, unless it is no
    // longer wanted by then.
    const quint64 serial = ++m_lastSerial;
    m_snoozed.append({QDeadlineTimer(delay), reminder, serial});
    QTimer::singleShot(std::chrono::milliseconds(delay), this, [this, reminder, serial] {
        m_snoozed.removeIf([serial](const Snoozed& s) { return s.serial == serial; });
        Q_EMIT snoozesChanged();
        if (!m_snoozeCheck || m_snoozeCheck(reminder))
            show(reminder);
    });
    Q_EMIT snoozesChanged();
}

void AlertController::open(const Reminder& reminder)
{
    if (const auto url = reminder.normalizedURL())
        m_opener.open(*url);
    dismiss(reminder.id);
}

QList<QWidget*> AlertController::openPanels() const
{
    QList<QWidget*> panels;
    for (const Entry& entry : m_open) {
        if (entry.panel)
            panels << entry.panel;
    }
    return panels;
}

ChimePlayer* AlertController::chimeFor(const QUuid& id) const
{
    for (const Entry& entry : m_open) {
        if (entry.id == id)
            return entry.chime.get();
    }
    return nullptr;
}
