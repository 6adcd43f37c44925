#pragma once

#include "alert_view.h"

#include <QPoint>
#include <QWidget>

// The floating window of one pop-up: frameless, above other windows, on every
// workspace, never in the task bar, shown without taking focus. It takes the
// keyboard only when clicked and moves when its background is dragged.
// Screen readers see it as an alert named after the reminder.
class AlertPanel : public QWidget {
    Q_OBJECT

public:
    explicit AlertPanel(const Reminder& reminder, QWidget* parent = nullptr);

    AlertView* view() const { return m_view; }
    void showFloating();

Q_SIGNALS:
    // The window manager asked to close the window (Alt+F4, a close button).
    void closeRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void followCompositor();

    AlertView* m_view;
    QPoint m_pressedAt; // of the left button, while it is down
    QPoint m_dragOffset;
    bool m_dragging = false;
};
