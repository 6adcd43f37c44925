#pragma once

#include <QIconEngine>

#include <span>

// An icon over square images compiled into the program. A size between two
// images is scaled down from the larger one, never up. Every mode looks the
// same: the tray never shows its icon disabled or selected.
class PrerenderedIconEngine : public QIconEngine {
public:
    struct Image {
        int size;
        const quint32* pixels; // size x size, premultiplied ARGB
    };

    explicit PrerenderedIconEngine(std::span<const Image> images);

    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;

private:
    const Image& closest(int side) const;

    std::span<const Image> m_images;
};
