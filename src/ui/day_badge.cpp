#include "day_badge.h"

#include <QPainter>
#include <QSignalBlocker>

DayBadge::DayBadge(const QString& letter, const QString& dayName, QWidget* parent)
    : QAbstractButton(parent)
{
    setText(letter);
    setToolTip(dayName);
    setAccessibleName(dayName);
    setFixedSize(diameter, diameter);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    // Checkable, so screen readers speak whether the day is on.
    setCheckable(true);
}

void DayBadge::setOn(bool on)
{
    const QSignalBlocker blocker(this);
    setChecked(on);
}

void DayBadge::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor pale = palette().color(QPalette::WindowText);
    pale.setAlphaF(0.15f);
    painter.setPen(Qt::NoPen);
    painter.setBrush(isChecked() ? palette().color(QPalette::Highlight) : pale);
    painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    if (hasFocus()) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1.5));
        painter.drawEllipse(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
    painter.setPen(isChecked() ? QColor(Qt::white) : palette().color(QPalette::WindowText));
    painter.drawText(rect(), Qt::AlignCenter, text());
}
