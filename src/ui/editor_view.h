#pragma once

#include "model/clock.h"
#include "model/reminder.h"

#include <QList>
#include <QUuid>
#include <QWidget>

#include <functional>
#include <memory>

class ChimeOutput;
class ChimePlayer;
class DayBadge;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimeEdit;
class Store;

// The form that edits one reminder of the Store. Every change, down to a
// keystroke, is written straight into the Store, which saves it; the Store's
// echo never disturbs what the user is typing.
class EditorView : public QWidget {
    Q_OBJECT

public:
    // "Test it now": raises the reminder's pop-up.
    using ShowAlert = std::function<void(const Reminder&)>;

    EditorView(Store& store, ShowAlert testAlert, ChimeOutput& chimes,
               const Clock& clock = Clock::system(), QWidget* parent = nullptr);
    ~EditorView() override;

    // The reminder to edit, by id.
    void bind(const QUuid& id);
    QUuid boundId() const { return m_id; }

    // Puts the keyboard in the name field with its text selected, for
    // typing a new reminder's name straight away.
    void focusName();

    // The last-fired day after the time is set to hour:minute at `now`:
    // today's key once that minute has come today, otherwise empty.
    static QString lastFiredAfterTimeChange(qint64 hour, qint64 minute, const QDateTime& now,
                                            const QTimeZone& zone);

Q_SIGNALS:
    // A field the user was typing in now shows what came from elsewhere (the
    // file changed by hand, or another computer's version merged in).
    void replacedWhileTyping(const QString& title);

private:
    QWidget* makeWhatSection();
    QWidget* makeWhenSection();
    QWidget* makeSoundSection();
    QWidget* makeWebsiteSection();
    QWidget* makeLastRow();

    const Reminder* current() const;
    void edit(const std::function<void(Reminder&)>& change);
    void refresh();
    void toggleDay(int day);
    void pickSound(int index);

    Store& m_store;
    ShowAlert m_testAlert;
    ChimeOutput& m_chimes;
    const Clock& m_clock;
    QUuid m_id;

    QLineEdit* m_name = nullptr;
    QLineEdit* m_message = nullptr;
    QTimeEdit* m_time = nullptr;
    QLabel* m_timeWarning = nullptr;
    QList<DayBadge*> m_days;
    QComboBox* m_sound = nullptr;
    QCheckBox* m_repeat = nullptr;
    QLineEdit* m_website = nullptr;
    QLabel* m_websiteNotice = nullptr;
    QLabel* m_websiteCaption = nullptr;
    QFormLayout* m_websiteForm = nullptr;
    QCheckBox* m_openAutomatically = nullptr;
    QCheckBox* m_enabled = nullptr;
    QPushButton* m_test = nullptr;
    std::unique_ptr<ChimePlayer> m_preview;
};
