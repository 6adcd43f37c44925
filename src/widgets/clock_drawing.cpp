#include "clock_drawing.h"

#include <QPainter>

namespace {

QPen roundPen(const QColor& color, double width)
{
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// The clock, bells and legs, without hands; the face filled or outlined.
void drawClock(QPainter& p, const QColor& c, bool filledFace)
{
    p.setPen(roundPen(c, 2));
    p.setBrush(c);
    p.drawPie(QRectF(1.5, 1.5, 8, 8), 45 * 16, 180 * 16);
    p.drawPie(QRectF(14.5, 1.5, 8, 8), -45 * 16, 180 * 16);
    p.drawLine(QPointF(6.5, 19.5), QPointF(4.5, 22));
    p.drawLine(QPointF(17.5, 19.5), QPointF(19.5, 22));
    p.setBrush(filledFace ? QBrush(c) : Qt::NoBrush);
    p.drawEllipse(QPointF(12, 13.5), 8, 8);
}

} // namespace

void ClockDrawing::alarm(QPainter& p, const QColor& color, bool filled)
{
    drawClock(p, color, filled);
    p.setPen(roundPen(filled ? QColor(Qt::white) : color, 1.8));
    p.drawLine(QPointF(12, 13.5), QPointF(12, 8.5));
    p.drawLine(QPointF(12, 13.5), QPointF(15.5, 15.5));
}

void ClockDrawing::application(QPainter& p, bool paused)
{
    // Two tones, as no one colour reads on both light and dark panels: a
    // dark ring, bells and hands (4.5:1 or more on light panels) around a
    // white face (12:1 or more on dark ones).
    const QColor ink = paused ? QColor(0x5c, 0x5c, 0x5c) : QColor(0xa3, 0x35, 0x08);
    drawClock(p, ink, true);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(12, 13.5), 7, 7);
    if (paused) {
        p.setPen(roundPen(ink, 2.2));
        p.drawLine(QPointF(10, 10.5), QPointF(10, 16.5));
        p.drawLine(QPointF(14, 10.5), QPointF(14, 16.5));
    } else {
        p.setPen(roundPen(ink, 2));
        p.drawLine(QPointF(12, 13.5), QPointF(12, 8.5));
        p.drawLine(QPointF(12, 13.5), QPointF(15.5, 15.5));
    }
}

QImage ClockDrawing::rendered(int size, const Drawing& draw)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 24.0, size / 24.0);
    draw(painter);
    return image;
}
