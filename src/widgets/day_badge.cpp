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
    const QColor accent = palette().color(QPalette::Highlight);
    const QRectF outer = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    // With the focus, an accent ring stands apart from the badge by a gap of
    // the window colour, so it shows on a chosen (accent) badge as well.
    const bool ring = hasFocus();
    painter.setPen(Qt::NoPen);
    painter.setBrush(isChecked() ? accent : pale);
    painter.drawEllipse(ring ? outer.adjusted(3.5, 3.5, -3.5, -3.5) : outer);
    if (ring) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(accent, 2));
        painter.drawEllipse(outer.adjusted(0.5, 0.5, -0.5, -0.5));
    }
    painter.setPen(isChecked() ? QColor(Qt::white) : palette().color(QPalette::WindowText));
    painter.drawText(rect(), Qt::AlignCenter, text());
}
