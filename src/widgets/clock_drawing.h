#pragma once

#include <QColor>
#include <QImage>

#include <functional>

class QPainter;

// Pendrel's alarm clock, drawn on a 24 x 24 grid. Kept apart from the icons
// so the build can render the tray icon ahead of time from the same drawing.
class ClockDrawing {
public:
    using Drawing = std::function<void(QPainter&)>;

    // The sizes every drawn icon is rendered at.
    static constexpr int sizes[] = {16, 22, 24, 32, 48, 64, 128};

    // Filled face with white hands, or an outline with hands in the colour.
    static void alarm(QPainter& painter, const QColor& color, bool filled);
    // The tray and application icon: a dark orange clock with a white face,
    // which reads on light and dark panels alike; paused, a grey one with a
    // pause mark instead of hands.
    static void application(QPainter& painter, bool paused);
    // Premultiplied, the form the tray icon's pixels are shown in as they are.
    static QImage rendered(int size, const Drawing& draw);
};
