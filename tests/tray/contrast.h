#pragma once

#include <QImage>

#include <algorithm>
#include <cmath>

// How well a tray icon stands out from the panel behind it.
namespace Contrast {

inline double luminance(QRgb c)
{
    const auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}

// The share of the icon's opaque pixels that stand out 3:1 (WCAG) from the
// panel, each pixel seen as the panel shows it, blended over its colour.
inline double contrastShare(const QImage& icon, QRgb panel)
{
    const double lp = luminance(panel);
    int opaque = 0;
    int contrasting = 0;
    for (int y = 0; y < icon.height(); ++y) {
        for (int x = 0; x < icon.width(); ++x) {
            const QRgb c = icon.pixel(x, y);
            const int a = qAlpha(c);
            if (a < 128)
                continue;
            const auto blend = [a](int fg, int bg) { return (fg * a + bg * (255 - a)) / 255; };
            const QRgb shown = qRgb(blend(qRed(c), qRed(panel)), blend(qGreen(c), qGreen(panel)),
                                    blend(qBlue(c), qBlue(panel)));
            const double l = luminance(shown);
            ++opaque;
            if ((std::max(l, lp) + 0.05) / (std::min(l, lp) + 0.05) >= 3.0)
                ++contrasting;
        }
    }
    return opaque ? double(contrasting) / opaque : 0.0;
}

} // namespace Contrast
