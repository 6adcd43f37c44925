#include "manager_view.h"

#include "desktop/login_switch.h"
#include "editor_view.h"
#include "reminder_delegate.h"
#include "reminder_list_model.h"
#include "store/store.h"
#include "widgets/elided_label.h"
#include "widgets/icons.h"
#include "widgets/notice_bar.h"
#include "widgets/plain_text.h"
#include "widgets/secondary_text.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QFrame* divider(QFrame::Shape shape, QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(shape);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace

ManagerView::ManagerView(Store& store, LoginSwitch& login, EditorView::ShowAlert testAlert,
                         ChimeOutput& chimes, const Clock& clock, QWidget* parent)
    : QWidget(parent), m_store(store), m_login(login),
      m_editor(new EditorView(store, std::move(testAlert), chimes, clock))
{
    setMinimumSize(760, 480);
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);
    m_notice = new NoticeBar(this);
    m_notice->setObjectName(QStringLiteral("notice"));
    root->addWidget(m_notice);
    connect(m_notice, &NoticeBar::closed, this, [this] {
        m_dismissedCopy = m_store.keptAside();
        m_toldClashes = m_store.clashes().size();
    });
    connect(&m_store, &Store::safetyChanged, this, &ManagerView::refreshNotice);
    refreshNotice();

    auto* columns = new QHBoxLayout;
    columns->setSpacing(0);
    columns->addWidget(makeLeftColumn());
    columns->addWidget(divider(QFrame::VLine, this));

    m_detail = new QStackedWidget(this);
    m_detail->setObjectName(QStringLiteral("detail"));
    m_editor->setObjectName(QStringLiteral("editor"));
    connect(m_editor, &EditorView::replacedWhileTyping, this, [this](const QString& title) {
        m_notice->present(NoticeBar::Kind::Information,
                          tr("\u201c%1\u201d was just changed elsewhere, on another computer or "
                             "in the file; the form now shows it as it is there.")
                              .arg(oneLineText(title)));
    });
    auto* scroller = new QScrollArea(m_detail);
    scroller->setWidget(m_editor);
    scroller->setWidgetResizable(true);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setFocusPolicy(Qt::NoFocus); // Tab goes from "−" straight to Name
    m_detail->addWidget(scroller);
    m_detail->addWidget(makeEmptyState());
    columns->addWidget(m_detail, 1);
    root->addLayout(columns, 1);
    // At the bottom, by the remove button and clear of the pop-ups, which
    // come down from the top of the screen.
    m_undoNotice = new NoticeBar(this);
    m_undoNotice->setObjectName(QStringLiteral("undoNotice"));
    connect(m_undoNotice, &NoticeBar::closed, this, [this] { offerUndo(false); });
    connect(m_undoNotice, &NoticeBar::actionTriggered, this, &ManagerView::undoRemove);
    root->addWidget(m_undoNotice);
    root->addWidget(divider(QFrame::HLine, this));
    root->addWidget(makeFooter());

    // The list's keys, shown in the buttons' tooltips. Delete only in the list
    // itself; text fields keep Ctrl+Z for their own editing.
    const auto shortcut = [this](QKeySequence::StandardKey key, void (ManagerView::*slot)(),
                                 QWidget* where) {
        auto* action = new QAction(where);
        action->setShortcut(key);
        // Window-wide: a remove hides the editor, and the focus with it.
        action->setShortcutContext(where == this ? Qt::WindowShortcut : Qt::WidgetShortcut);
        connect(action, &QAction::triggered, this, slot);
        where->addAction(action);
        return QKeySequence(key).toString(QKeySequence::NativeText);
    };
    const auto withKeys = [](const QString& text, const QString& keys) {
        return keys.isEmpty() ? text : QStringLiteral("%1 (%2)").arg(text, keys);
    };
    m_add->setToolTip(
        withKeys(tr("Add reminder"), shortcut(QKeySequence::New, &ManagerView::add, this)));
    m_remove->setToolTip(withKeys(tr("Remove reminder"),
                                  shortcut(QKeySequence::Delete, &ManagerView::remove, m_list)));
    shortcut(QKeySequence::Undo, &ManagerView::undoRemove, this);

    connect(&m_store, &Store::pausedChanged, this, [this](bool paused) {
        const QSignalBlocker blocker(m_pause);
        m_pause->setChecked(paused);
    });
    showDetail();
}

QWidget* ManagerView::makeLeftColumn()
{
    auto* column = new QWidget(this);
    column->setFixedWidth(280);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_model = new ReminderListModel(m_store, this);
    m_list = new QListView(column);
    m_list->setObjectName(QStringLiteral("reminders"));
    m_list->setModel(m_model);
    m_delegate = new ReminderDelegate(m_list);
    m_list->setItemDelegate(m_delegate);
    // Every row is the same height, so a long list lays out without measuring each.
    m_list->setUniformItemSizes(true);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setFrameShape(QFrame::NoFrame);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setAccessibleName(tr("Reminders"));
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ManagerView::onSelectionChanged);
    connect(m_model, &QAbstractItemModel::modelAboutToBeReset, this,
            [this] { m_scroll = m_list->verticalScrollBar()->value(); });
    connect(m_model, &QAbstractItemModel::modelReset, this, &ManagerView::listReset);
    layout->addWidget(m_list, 1);
    layout->addWidget(divider(QFrame::HLine, column));

    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(8, 8, 8, 8);
    bar->setSpacing(4);
    m_add = new QToolButton(column);
    m_add->setObjectName(QStringLiteral("add"));
    m_add->setIcon(Icons::plus());
    m_add->setAutoRaise(true);
    m_add->setAccessibleName(tr("Add reminder"));
    m_remove = new QToolButton(column);
    m_remove->setObjectName(QStringLiteral("remove"));
    m_remove->setIcon(Icons::minus());
    m_remove->setAutoRaise(true);
    m_remove->setAccessibleName(tr("Remove reminder"));
    m_remove->setEnabled(false);
    connect(m_add, &QToolButton::clicked, this, &ManagerView::add);
    connect(m_remove, &QToolButton::clicked, this, &ManagerView::remove);
    bar->addWidget(m_add);
    bar->addWidget(m_remove);
    bar->addStretch(1);
    layout->addLayout(bar);
    return column;
}

QWidget* ManagerView::makeEmptyState()
{
    m_empty = new QWidget(m_detail);
    m_empty->setObjectName(QStringLiteral("emptyState"));
    auto* layout = new QVBoxLayout(m_empty);
    layout->setSpacing(10);
    layout->addStretch(1);
    auto* icon = new QLabel(m_empty);
    QColor dim = palette().color(QPalette::WindowText);
    dim.setAlphaF(0.5f);
    icon->setPixmap(Icons::alarm(dim, false).pixmap(48, 48));
    icon->setAlignment(Qt::AlignCenter);
    auto* hint = new QLabel(tr("Pick a reminder on the left, or press + to add one."), m_empty);
    hint->setAlignment(Qt::AlignCenter);
    hint->setWordWrap(true);
    SecondaryText::apply(hint);
    layout->addWidget(icon);
    layout->addWidget(hint);
    layout->addStretch(1);
    return m_empty;
}

QWidget* ManagerView::makeFooter()
{
    auto* footer = new QWidget(this);
    footer->setAutoFillBackground(true);
    footer->setBackgroundRole(QPalette::AlternateBase);
    auto* row = new QHBoxLayout(footer);
    row->setContentsMargins(10, 10, 10, 10);
    m_loginBox = new QCheckBox(tr("Start Pendrel when I log in"), footer);
    m_loginBox->setObjectName(QStringLiteral("startAtLogin"));
    m_loginBox->setChecked(m_login.isEnabled());
    m_pause = new QCheckBox(tr("Pause all reminders"), footer);
    m_pause->setObjectName(QStringLiteral("pause"));
    m_pause->setChecked(m_store.paused());
    // A long title, or a language longer than English, wraps onto a second
    // line and then ends in "…" rather than losing its beginning; the
    // tooltip holds all of it. The title is shown as it was typed.
    m_nextRing = new ElidedLabel(QString(), 2, footer);
    m_nextRing->setObjectName(QStringLiteral("nextRing"));
    m_nextRing->setAlignment(Qt::AlignCenter);
    SecondaryText::apply(m_nextRing);
    m_quit = new QPushButton(tr("Quit Pendrel"), footer);
    m_quit->setObjectName(QStringLiteral("quit"));
    m_quit->setToolTip(tr("Stops all reminders until Pendrel is started again"));
    m_quit->hide();
    connect(m_quit, &QPushButton::clicked, this, &ManagerView::quitRequested);
    row->addWidget(m_loginBox);
    row->addWidget(m_nextRing, 1, Qt::AlignVCenter);
    row->addWidget(m_pause);
    row->addWidget(m_quit);

    connect(m_loginBox, &QCheckBox::toggled, this, [this](bool enabled) {
        m_login.set(enabled);
        // Show what really happened: a failed registration leaves it unticked.
        const QSignalBlocker blocker(m_loginBox);
        m_loginBox->setChecked(m_login.isEnabled());
    });
    connect(m_pause, &QCheckBox::toggled, &m_store, &Store::setPaused);
    return footer;
}

void ManagerView::refreshNotice()
{
    // Inside the home folder, as the user's file manager and shell show it.
    const auto shown = [home = QDir::homePath() + u'/'](const QString& path) {
        return path.startsWith(home) ? QStringLiteral("~/") + path.mid(home.size()) : path;
    };
    const QString file = shown(m_store.filePath());
    const QString copy = shown(m_store.keptAside());
    if (!m_store.saveError().isEmpty()) {
        m_notice->present(NoticeBar::Kind::Warning,
                          tr("Your reminders are not being saved: %1 cannot be written (%2). "
                             "Pendrel keeps your changes and tries again.")
                              .arg(file, m_store.saveError()),
                          {}, false);
    } else if (m_store.holdsUnreadableFile()) {
        m_notice->present(NoticeBar::Kind::Warning,
                          tr("%1 could not be read, so Pendrel shows a sample reminder. Your file "
                             "is left as it is, and kept beside it before anything is saved.")
                              .arg(file),
                          {}, false);
    } else if (!m_store.unreadableCopies().isEmpty()) {
        m_notice->present(NoticeBar::Kind::Warning,
                          tr("A sync tool left %1 next to your reminders, but it cannot be read "
                             "as a reminders list. It was not merged and is left as it is.")
                              .arg(shown(m_store.unreadableCopies().constFirst())),
                          {}, false);
    } else if (m_store.clashes().size() > m_toldClashes) {
        const Store::Clash clash = m_store.clashes().constLast();
        m_notice->present(NoticeBar::Kind::Information,
                          tr("\u201c%1\u201d was changed differently on another computer. Both "
                             "now keep the version in %2; the other was kept as %3.")
                              .arg(oneLineText(clash.title), file, shown(clash.keptIn)));
    } else if (!copy.isEmpty() && m_store.keptAside() != m_dismissedCopy) {
        const bool unreadable =
            QFileInfo(m_store.keptAside())
                .fileName()
                .startsWith(QFileInfo(m_store.filePath()).fileName() + QStringLiteral(".corrupt-"));
        m_notice->present(
            NoticeBar::Kind::Information,
            unreadable ? tr("Your reminders file could not be read; it was kept as %1.").arg(copy)
                       : tr("Your reminders file was changed elsewhere while you changed the same "
                            "reminder here; the other version was kept as %1.")
                             .arg(copy));
    } else {
        m_notice->clear();
    }
}

void ManagerView::offerQuit(bool offered)
{
    m_quit->setVisible(offered);
}

void ManagerView::setNextRing(const QString& text)
{
    m_nextRing->setText(text);
    m_nextRing->setToolTip(PlainText::toolTip(text));
}

void ManagerView::listReset()
{
    // The selection follows its reminder wherever the list now holds it, and
    // goes when the reminder does.
    if (!m_model->indexOf(m_selection).isValid())
        m_selection = QUuid();
    select(m_selection);
    m_list->verticalScrollBar()->setValue(m_scroll);
}

void ManagerView::onSelectionChanged()
{
    if (m_selecting)
        return;
    const QModelIndexList selected = m_list->selectionModel()->selectedIndexes();
    m_selection =
        selected.isEmpty() ? QUuid() : selected.first().data(ReminderListModel::IdRole).toUuid();
    showDetail();
}

void ManagerView::select(const QUuid& id)
{
    m_selection = id;
    const QModelIndex index = m_model->indexOf(id);
    m_selecting = true;
    if (index.isValid()) {
        m_list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        m_list->scrollTo(index);
    } else {
        m_list->selectionModel()->clear();
    }
    m_selecting = false;
    showDetail();
}

void ManagerView::showDetail()
{
    m_remove->setEnabled(!m_selection.isNull());
    const bool found = !m_selection.isNull() && m_store.indexOf(m_selection) >= 0;
    if (found && m_editor->boundId() != m_selection)
        m_editor->bind(m_selection);
    m_detail->setCurrentIndex(found ? 0 : 1);
}

void ManagerView::appear()
{
    if (m_selection.isNull() && !m_store.reminders().isEmpty())
        select(m_store.reminders().first().id);
}

void ManagerView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    appear();
    refreshLogin();
}

void ManagerView::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // Back from the desktop's own startup settings, say: the box shows the
    // autostart entry as it is now.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        refreshLogin();
}

void ManagerView::refreshLogin()
{
    const QSignalBlocker blocker(m_loginBox);
    m_loginBox->setChecked(m_login.isEnabled());
}

void ManagerView::add()
{
    offerUndo(false);
    const QUuid id = m_store.add();
    select(id);
    m_editor->focusName(); // typing names the new reminder straight away
}

void ManagerView::remove()
{
    if (m_selection.isNull())
        return;
    const QUuid id = std::exchange(m_selection, QUuid());
    const bool removed = m_removals.remove(m_store, id);
    select(QUuid());
    // The keyboard goes on from the list, not from a form now hidden.
    if (!m_list->hasFocus() && window()->isActiveWindow())
        m_list->setFocus(Qt::OtherFocusReason);
    if (removed)
        offerUndo(true);
}

void ManagerView::undoRemove()
{
    const QUuid id = m_removals.undo(m_store);
    if (id.isNull())
        return;
    select(id);
    offerUndo(!m_removals.isEmpty());
}

void ManagerView::offerUndo(bool offered)
{
    if (!offered) {
        qApp->removeEventFilter(this);
        m_undoNotice->clear();
        return;
    }
    const QString title = m_removals.latest().title.trimmed();
    m_undoNotice->present(NoticeBar::Kind::Information,
                          title.isEmpty()
                              ? tr("The reminder was removed.")
                              : tr("\u201c%1\u201d was removed.").arg(oneLineText(title)),
                          tr("Undo"));
    // Watches for the user turning to something else in this window.
    qApp->installEventFilter(this);
}

bool ManagerView::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if ((type == QEvent::MouseButtonPress || type == QEvent::KeyPress) && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        const bool mine = widget->window() == window() && widget != m_undoNotice &&
                          !m_undoNotice->isAncestorOf(widget);
        // Neither a modifier on its way to a shortcut (Ctrl+Z) nor Tab on its
        // way to the notice's Undo button is anything else yet.
        static const QList<int> passing{Qt::Key_Control, Qt::Key_Shift, Qt::Key_Alt,
                                        Qt::Key_Meta,    Qt::Key_AltGr, Qt::Key_Tab,
                                        Qt::Key_Backtab};
        const bool passes =
            type == QEvent::KeyPress && passing.contains(static_cast<QKeyEvent*>(event)->key());
        if (mine && !passes)
            offerUndo(false);
    }
    return QWidget::eventFilter(watched, event);
}
