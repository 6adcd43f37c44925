#include "alert_panel.h"

#include "desktop/compositor_watch.h"
#include "desktop/workspace_pinning.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace {

constexpr qreal cornerRadius = 12;

// Screen readers announce a pop-up as an alert, by its title.
QAccessibleInterface* accessibleAlert(const QString& key, QObject* object)
{
    if (key == QLatin1String(AlertPanel::staticMetaObject.className()) && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::AlertMessage);
    return nullptr;
}

QPainterPath roundedShape(const QRectF& rect)
{
    QPainterPath shape;
    shape.addRoundedRect(rect, cornerRadius, cornerRadius);
    return shape;
}

} // namespace

AlertPanel::AlertPanel(const Reminder& reminder, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_view(new AlertView(reminder, this))
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    // A cut title or message reads whole on hover, though the pop-up is
    // never the active window.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowTitle(reminder.title);
    static const bool factoryInstalled = (QAccessible::installFactory(accessibleAlert), true);
    Q_UNUSED(factoryInstalled)
    const QString spoken = oneLineText(reminder.title);
    setAccessibleName(spoken.trimmed().isEmpty() ? tr("Reminder") : spoken);
    setAccessibleDescription(oneLineText(reminder.note));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    setFixedSize(AlertView::fixedWidth, AlertView::fixedHeight);
    connect(&CompositorWatch::shared(), &CompositorWatch::activeChanged, this,
            &AlertPanel::followCompositor);
    followCompositor();
}

void AlertPanel::followCompositor()
{
    // Without a compositor the translucent corners would show as black
    // squares; the X server cuts them off with a shape instead.
    if (CompositorWatch::shared().isActive())
        clearMask();
    else
        setMask(QRegion(roundedShape(QRectF(rect())).toFillPolygon().toPolygon()));
    update();
}

void AlertPanel::showFloating()
{
    WorkspacePinning::pinBeforeShow(this);
    show();
    WorkspacePinning::pinAfterShow(this);
    QAccessibleEvent shown(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&shown);
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
    const QPainterPath shape = roundedShape(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    painter.fillPath(shape, fill);
    painter.setPen(QPen(edge, 1));
    painter.drawPath(shape);
}

void AlertPanel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    activateWindow(); // the keyboard follows a click, never the appearance
    m_pressedAt = event->globalPosition().toPoint();
    m_dragOffset = m_pressedAt - frameGeometry().topLeft();
    m_dragging = false;
}

void AlertPanel::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton) || m_pressedAt.isNull())
        return;
    const QPoint at = event->globalPosition().toPoint();
    // Moved here rather than by the window manager (startSystemMove): one
    // asked to move can miss a quick release and then keep the pop-up on
    // the pointer, and the keyboard with it, until the next click.
    if (!m_dragging && (at - m_pressedAt).manhattanLength() < QApplication::startDragDistance())
        return;
    m_dragging = true;
    move(at - m_dragOffset);
}

void AlertPanel::mouseReleaseEvent(QMouseEvent*)
{
    m_dragging = false;
    m_pressedAt = QPoint();
}

void AlertPanel::closeEvent(QCloseEvent* event)
{
    // The controller stops the chime and drops the window. Accepted, so that
    // quitting the application (which closes every window) is never refused.
    event->accept();
    Q_EMIT closeRequested();
}
