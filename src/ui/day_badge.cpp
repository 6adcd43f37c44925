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
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_on ? palette().color(QPalette::Highlight) : pale);
    painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    if (hasFocus()) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1.5));
        painter.drawEllipse(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
    painter.setPen(m_on ? QColor(Qt::white) : palette().color(QPalette::WindowText));
    painter.drawText(rect(), Qt::AlignCenter, text());
}
