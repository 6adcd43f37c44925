#include "day_badge.h"

#include <QPainter>

DayBadge::DayBadge(const QString& letter, const QString& dayName, QWidget* parent)
    : QAbstractButton(parent)
{
    setText(letter);
    setToolTip(dayName);
    setAccessibleName(dayName);
    setFixedSize(diameter, diameter);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
}

void DayBadge::setOn(bool on)
{
    if (m_on == on)
        return;
    m_on = on;
    setAccessibleDescription(on ? tr("chosen") : tr("not chosen"));
    update();
}

void DayBadge::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor pale = palette().color(QPalette::WindowText);
    pale.setAlphaF(0.15f);
    const QColor accent = palette().color(QPalette::Highlight);
    const QRectF outer = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    // With the focus, an accent ring stands apart from the badge by a gap of
    // the window colour, so it shows on a chosen (accent) badge as well.
    const bool ring = hasFocus();
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_on ? accent : pale);
    painter.drawEllipse(ring ? outer.adjusted(3.5, 3.5, -3.5, -3.5) : outer);
    if (ring) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(accent, 2));
        painter.drawEllipse(outer.adjusted(0.5, 0.5, -0.5, -0.5));
    }
    painter.setPen(m_on ? QColor(Qt::white) : palette().color(QPalette::WindowText));
    painter.drawText(rect(), Qt::AlignCenter, text());
}
