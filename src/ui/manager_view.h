#pragma once

#include "editor_view.h"
#include "model/clock.h"
#include "model/reminder.h"
#include "removal_history.h"

#include <QList>
#include <QUuid>
#include <QWidget>

#include <utility>

class ChimeOutput;
class EditorView;
class ElidedLabel;
class LoginSwitch;
class NoticeBar;
class QCheckBox;
class QListView;
class QPushButton;
class QStackedWidget;
class QToolButton;
class ReminderDelegate;
class ReminderListModel;
class Store;

// The manager window's content: the reminder list with add and remove on the
// left, the selected reminder's editor (or a hint) on the right, and the
// "start at login" and "pause" checkboxes along the bottom.
class ManagerView : public QWidget {
    Q_OBJECT

public:
    ManagerView(Store& store, LoginSwitch& login, EditorView::ShowAlert testAlert,
                ChimeOutput& chimes, const Clock& clock = Clock::system(),
                QWidget* parent = nullptr);

    QUuid selection() const { return m_selection; }
    void select(const QUuid& id);

    // A Quit button in the window, for desktops that show no tray icon.
    void offerQuit(bool offered);
    // The line telling what rings next.
    void setNextRing(const QString& text);

    // Selects the first reminder when nothing is selected; runs each time
    // the view appears.
    void appear();

Q_SIGNALS:
    void quitRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QWidget* makeLeftColumn();
    QWidget* makeEmptyState();
    QWidget* makeFooter();

    // Tells, in words, while the reminders are not safe on disk.
    void refreshNotice();
    void refreshLogin();
    void listReset();
    void onSelectionChanged();
    void showDetail();
    void add();
    void remove();
    // Puts back what the latest remove took away; Ctrl+Z goes further back.
    void undoRemove();
    // The notice offering undo of the latest removal, until the user turns
    // to something else in the window.
    void offerUndo(bool offered);

    Store& m_store;
    LoginSwitch& m_login;
    QUuid m_selection;
    // Set while the view itself moves the list's selection.
    bool m_selecting = false;
    int m_scroll = 0;

    ReminderListModel* m_model = nullptr;
    ReminderDelegate* m_delegate = nullptr;
    QListView* m_list = nullptr;
    QToolButton* m_add = nullptr;
    QToolButton* m_remove = nullptr;
    QStackedWidget* m_detail = nullptr;
    EditorView* m_editor = nullptr;
    QWidget* m_empty = nullptr;
    QCheckBox* m_loginBox = nullptr;
    QCheckBox* m_pause = nullptr;
    NoticeBar* m_notice = nullptr;
    NoticeBar* m_undoNotice = nullptr;
    ElidedLabel* m_nextRing = nullptr;
    QPushButton* m_quit = nullptr;
    QString m_dismissedCopy; // the kept copy the user has been told of
    qsizetype m_toldClashes = 0; // how many of the Store's clashes the user has seen
    RemovalHistory m_removals;
};
