#include "prerendered_icon_engine.h"

#include <QPainter>
#include <QPixmap>

PrerenderedIconEngine::PrerenderedIconEngine(std::span<const Image> images) : m_images(images)
{
    Q_ASSERT(!images.empty());
}

const PrerenderedIconEngine::Image& PrerenderedIconEngine::closest(int side) const
{
    const Image* best = &m_images.front();
    for (const Image& image : m_images) {
        const bool fits = image.size >= side;
        const bool bestFits = best->size >= side;
        if ((fits && (!bestFits || image.size < best->size)) ||
            (!fits && !bestFits && image.size > best->size))
            best = &image;
    }
    return *best;
}

QSize PrerenderedIconEngine::actualSize(const QSize& size, QIcon::Mode, QIcon::State)
{
    const int side = std::min(size.width(), size.height());
    const int actual = std::min(side, closest(side).size);
    return {actual, actual};
}

QPixmap PrerenderedIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state)
{
    const int side = actualSize(size, mode, state).width();
    if (side <= 0)
        return {};
    const Image& image = closest(side);
    const QImage pixels(reinterpret_cast<const uchar*>(image.pixels), image.size, image.size,
                        QImage::Format_ARGB32_Premultiplied);
    if (image.size == side)
        return QPixmap::fromImage(pixels); // the pixels live as long as the program
    return QPixmap::fromImage(
        pixels.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

void PrerenderedIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                                  QIcon::State state)
{
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
    QPixmap pixmap = this->pixmap(rect.size() * ratio, mode, state);
    pixmap.setDevicePixelRatio(ratio);
    const QSizeF shown = pixmap.deviceIndependentSize();
    painter->drawPixmap(QRectF(rect.x() + (rect.width() - shown.width()) / 2,
                               rect.y() + (rect.height() - shown.height()) / 2, shown.width(),
                               shown.height()),
                        pixmap, QRectF(pixmap.rect()));
}

QList<QSize> PrerenderedIconEngine::availableSizes(QIcon::Mode, QIcon::State)
{
    QList<QSize> sizes;
    for (const Image& image : m_images)
        sizes << QSize(image.size, image.size);
    return sizes;
}

QIconEngine* PrerenderedIconEngine::clone() const
{
    return new PrerenderedIconEngine(m_images);
}
