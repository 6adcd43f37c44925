#include "manager_window.h"

#include "manager_view.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

ManagerWindow::ManagerWindow(ManagerView* view, QWidget* parent)
    : QWidget(parent, Qt::Window), m_view(view)
{
    setWindowTitle(QStringLiteral("Pendrel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
    resize(820, 700);

    // Window-wide shortcuts; the text fields keep their own editing keys.
    auto add = [this](const QKeySequence& keys, auto slot) {
        auto* action = new QAction(this);
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
    };
    // One action per key: two actions on the same keys cancel each other out.
    add(QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { Q_EMIT quitRequested(); });
    add(QKeySequence(Qt::CTRL | Qt::Key_W), [this] { close(); });
    add(QKeySequence(Qt::CTRL | Qt::Key_M), [this] { showMinimized(); });
}

void ManagerWindow::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    Q_EMIT closed();
}

void ManagerWindow::bringToFront()
{
    if (!m_placed) {
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect frame(QPoint(0, 0), size());
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
        m_placed = true;
    }
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}
