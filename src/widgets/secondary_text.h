#pragma once

#include <QColor>
#include <QPalette>

class QWidget;

// The colour of captions and hints: quieter than the main text yet clearly
// not the disabled colour, and at least 4.5:1 against its background in light
// and dark themes alike.
class SecondaryText {
public:
    static constexpr double minimumContrast = 4.5;

    static QColor color(const QPalette& palette);
    // The contrast ratio of two opaque colours, from 1 to 21.
    static double contrast(const QColor& a, const QColor& b);
    // Gives a label the colour and keeps it when the desktop's theme changes.
    static void apply(QWidget* widget);
};
