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

// Drawn at paint time in the palette's text colour, so the icon reads on
// light and dark themes and follows a theme switch. Where the desktop's icon
// theme has one of the named symbolic icons, its shape is used in that colour,
// as desktops show symbolic icons (Qt alone shows their file's fixed grey).
class PaletteIconEngine : public QIconEngine {
public:
    explicit PaletteIconEngine(Drawing draw, QStringList themeNames = {})
        : m_draw(std::move(draw)), m_themeNames(std::move(themeNames))
    {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        const QPalette palette = QApplication::palette();
        const QColor color = palette.color(
            mode == QIcon::Disabled ? QPalette::Disabled : QPalette::Active, QPalette::WindowText);
        const int side = std::min(rect.width(), rect.height());
        const QRectF square(rect.x() + (rect.width() - side) / 2.0,
                            rect.y() + (rect.height() - side) / 2.0, side, side);
        const QIcon themed = themeIcon();
        painter->save();
        if (!themed.isNull()) {
            const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
            QPixmap shape = themed.pixmap(QSize(side, side), ratio);
            QPainter tint(&shape);
            tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
            tint.fillRect(QRect(QPoint(), shape.size()), color);
            tint.end();
            painter->drawPixmap(square, shape, QRectF(shape.rect()));
        } else {
            painter->setRenderHint(QPainter::Antialiasing);
            painter->translate(square.topLeft());
            painter->scale(side / 24.0, side / 24.0);
            m_draw(*painter, color);
        }
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

    QIconEngine* clone() const override { return new PaletteIconEngine(m_draw, m_themeNames); }

private:
    // Looked up at each paint, so a change of icon theme shows; Qt caches it.
    QIcon themeIcon() const
    {
        for (const QString& name : m_themeNames) {
            const QIcon icon = QIcon::fromTheme(name);
            if (!icon.isNull())
                return icon;
        }
        return {};
    }

    Drawing m_draw;
    QStringList m_themeNames;
};

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
    static const QIcon icon(new PaletteIconEngine(
        [](QPainter& p, const QColor& c) {
            p.setPen(roundPen(c, 1.5));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(12, 12), 9, 9);
            p.drawEllipse(QPointF(12, 12), 4, 9);
            p.drawLine(QPointF(3, 12), QPointF(21, 12));
            p.drawLine(QPointF(12, 3), QPointF(12, 21));
        },
        {QStringLiteral("globe-symbolic"), QStringLiteral("web-browser-symbolic")}));
    return icon;
}

QIcon Icons::speakerSlash()
{
    static const QIcon icon(new PaletteIconEngine(
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
        },
        {QStringLiteral("audio-volume-muted-symbolic")}));
    return icon;
}

QIcon Icons::application(bool paused)
{
    // Rendered by the build: a tray-only Pendrel then never runs the
    // painter's stroking code, which costs more memory than the pixels.
    static const QIcon normal(new PrerenderedIconEngine(TrayIconPixels::normal));
    static const QIcon dimmed(new PrerenderedIconEngine(TrayIconPixels::paused));
    return paused ? dimmed : normal;
}
