#pragma once

#include "model/reminder.h"

#include <QWidget>

class QPushButton;

// The content of one reminder pop-up: icon, title and time, the message and
// website when there are any, and the Snooze / Open website / Done buttons.
// It decides nothing; each button only announces what the user chose.
class AlertView : public QWidget {
    Q_OBJECT

public:
    static constexpr int fixedWidth = 440;
    static constexpr int fixedHeight = 240;

    explicit AlertView(const Reminder& reminder, QWidget* parent = nullptr);

    const Reminder& reminder() const { return m_reminder; }
    // The button bound to Return: "Open website" with a website, else "Done".
    QPushButton* prominentButton() const { return m_prominent; }

    // The website line: the host name, or the whole address when it has none.
    static QString websiteText(const QUrl& url);

Q_SIGNALS:
    void doneRequested();
    void snoozeRequested(qint64 minutes);
    void openRequested();

private:
    QWidget* makeHeader();
    QWidget* makeButtons();

    Reminder m_reminder;
    QPushButton* m_prominent = nullptr;
};
