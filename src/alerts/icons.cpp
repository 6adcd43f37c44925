#include "icons.h"

#include "clock_drawing.h"
#include "prerendered_icon_engine.h"
#include "tray_icon_pixels.h"

#include <QApplication>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>

#include <algorithm>
#include <functional>

namespace {

using Drawing = std::function<void(QPainter&, const QColor&)>;

// Renders a drawing made on a 24 x 24 grid at the usual icon sizes.
QIcon drawn(const QColor& color, const Drawing& draw)
{
    QIcon icon;
    for (int size : ClockDrawing::sizes)
        icon.addPixmap(QPixmap::fromImage(
            ClockDrawing::rendered(size, [&](QPainter& painter) { draw(painter, color); })));
    return icon;
}

QIcon themed(std::initializer_list<const char*> names, const QColor& color, const Drawing& draw)
{
    for (const char* name : names) {
        const QIcon icon = QIcon::fromTheme(QString::fromLatin1(name));
        if (!icon.isNull())
            return icon;
    }
    return drawn(color, draw);
}

// Drawn at paint time in the palette's text colour, so the icon reads on
// light and dark themes and follows a theme switch. Symbolic theme icons are
// not used for these: Qt shows them in their file's fixed dark grey.
class PaletteIconEngine : public QIconEngine {
public:
    explicit PaletteIconEngine(Drawing draw) : m_draw(std::move(draw)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        const QPalette palette = QApplication::palette();
        const QColor color = palette.color(
            mode == QIcon::Disabled ? QPalette::Disabled : QPalette::Active, QPalette::WindowText);
        const int side = std::min(rect.width(), rect.height());
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.x() + (rect.width() - side) / 2.0,
                           rect.y() + (rect.height() - side) / 2.0);
        painter->scale(side / 24.0, side / 24.0);
        m_draw(*painter, color);
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(), size), mode, state);
        return pixmap;
    }

    QIconEngine* clone() const override { return new PaletteIconEngine(m_draw); }

private:
    Drawing m_draw;
};

QColor textColor()
{
    return QApplication::palette().color(QPalette::WindowText);
}

QPen roundPen(const QColor& color, double width)
{
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

} // namespace

QIcon Icons::alarm(const QColor& color, bool filled)
{
    // Drawn once per colour: every pop-up shows it, and each new QIcon would
    // fill the pixmap cache anew.
    static QHash<QPair<QRgb, bool>, QIcon> made;
    const auto key = qMakePair(color.rgba(), filled);
    if (const auto found = made.constFind(key); found != made.constEnd())
        return *found;
    const QIcon icon =
        drawn(color, [filled](QPainter& p, const QColor& c) { ClockDrawing::alarm(p, c, filled); });
    made.insert(key, icon);
    return icon;
}

QIcon Icons::plus()
{
    return QIcon(new PaletteIconEngine([](QPainter& p, const QColor& c) {
        p.setPen(roundPen(c, 2));
        p.drawLine(QPointF(12, 5), QPointF(12, 19));
        p.drawLine(QPointF(5, 12), QPointF(19, 12));
    }));
}

QIcon Icons::minus()
{
    return QIcon(new PaletteIconEngine([](QPainter& p, const QColor& c) {
        p.setPen(roundPen(c, 2));
        p.drawLine(QPointF(5, 12), QPointF(19, 12));
    }));
}

QIcon Icons::globe()
{
    return themed({"globe-symbolic", "web-browser-symbolic"}, textColor(),
                  [](QPainter& p, const QColor& c) {
                      p.setPen(roundPen(c, 1.5));
                      p.setBrush(Qt::NoBrush);
                      p.drawEllipse(QPointF(12, 12), 9, 9);
                      p.drawEllipse(QPointF(12, 12), 4, 9);
                      p.drawLine(QPointF(3, 12), QPointF(21, 12));
                      p.drawLine(QPointF(12, 3), QPointF(12, 21));
                  });
}

QIcon Icons::speakerSlash()
{
    return themed({"audio-volume-muted-symbolic", "audio-volume-muted"}, textColor(),
                  [](QPainter& p, const QColor& c) {
                      QPainterPath speaker;
                      speaker.moveTo(3, 9);
                      speaker.lineTo(7, 9);
                      speaker.lineTo(12, 4.5);
                      speaker.lineTo(12, 19.5);
                      speaker.lineTo(7, 15);
                      speaker.lineTo(3, 15);
                      speaker.closeSubpath();
                      p.setPen(roundPen(c, 1.5));
                      p.setBrush(c);
                      p.drawPath(speaker);
                      p.setPen(roundPen(c, 2));
                      p.drawLine(QPointF(3, 3), QPointF(21, 21));
                      p.drawLine(QPointF(15, 9.5), QPointF(20, 14.5));
                      p.drawLine(QPointF(20, 9.5), QPointF(17.5, 12));
                  });
}

QIcon Icons::application(bool paused)
{
    // Rendered by the build: a tray-only Pendrel then never runs the
    // painter's stroking code, which costs more memory than the pixels.
    static const QIcon normal(new PrerenderedIconEngine(TrayIconPixels::normal));
    static const QIcon dimmed(new PrerenderedIconEngine(TrayIconPixels::paused));
    return paused ? dimmed : normal;
}
