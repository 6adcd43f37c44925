#pragma once

#include "model/reminder.h"

#include <QWidget>

class QLabel;
class ToggleSwitch;

// One row of the reminder list: on/off switch, title, "time · days", and the
// silent and website icons.
class ReminderRow : public QWidget {
    Q_OBJECT

public:
    explicit ReminderRow(const Reminder& reminder, QWidget* parent = nullptr);

    void setReminder(const Reminder& reminder);
    ToggleSwitch* enabledSwitch() const { return m_switch; }
    QString titleText() const;
    QString summaryText() const;
    bool showsSilentIcon() const;
    bool showsWebsiteIcon() const;

Q_SIGNALS:
    void enabledToggled(bool enabled);

private:
    ToggleSwitch* m_switch;
    QLabel* m_title;
    QLabel* m_summary;
    QLabel* m_silent;
    QLabel* m_website;
};
