#include "alert_panel.h"

#include "workspace_pinning.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>
#include <QWindow>

AlertPanel::AlertPanel(const Reminder& reminder, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_view(new AlertView(reminder, this))
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowTitle(reminder.title);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    setFixedSize(AlertView::fixedWidth, AlertView::fixedHeight);
}

void AlertPanel::showFloating()
{
    WorkspacePinning::pinBeforeShow(this);
    show();
    WorkspacePinning::pinAfterShow(this);
}

void AlertPanel::paintEvent(QPaintEvent*)
{
    // A rounded panel in the theme's window colour, opaque so that windows
    // behind never compete with the text; only the hairline edge lets the
    // desktop through, so it stands out on light and dark desktops alike.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor fill = palette().color(QPalette::Window);
    QColor edge = palette().color(QPalette::WindowText);
    edge.setAlpha(60);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 12, 12);
    painter.fillPath(shape, fill);
    painter.setPen(QPen(edge, 1));
    painter.drawPath(shape);
}

void AlertPanel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    activateWindow(); // the keyboard follows a click, never the appearance
    if (windowHandle() && windowHandle()->startSystemMove())
        return;
    m_dragging = true;
    m_dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void AlertPanel::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragging)
        move(event->globalPosition().toPoint() - m_dragOffset);
}

void AlertPanel::mouseReleaseEvent(QMouseEvent*)
{
    m_dragging = false;
}

void AlertPanel::closeEvent(QCloseEvent* event)
{
    // The controller stops the chime and drops the window. Accepted, so that
    // quitting the application (which closes every window) is never refused.
    event->accept();
    Q_EMIT closeRequested();
}
