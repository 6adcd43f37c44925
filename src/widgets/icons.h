#pragma once

#include <QColor>
#include <QIcon>

// The few icons Pendrel shows. The desktop's icon theme is used where it has
// a fitting icon; otherwise Pendrel draws its own, so every icon shows on any
// desktop, with or without a theme.
class Icons {
public:
    // The alarm clock: filled (pop-ups, tray) or outlined (empty state).
    static QIcon alarm(const QColor& color, bool filled = true);
    // Plus and minus are always Pendrel's own, in the palette's text colour.
    static QIcon plus();
    static QIcon minus();
    static QIcon globe();
    static QIcon speakerSlash();
    // The tray icon: a dark orange alarm clock with a white face, which reads
    // on light and dark panels alike; paused, a grey one with a pause mark.
    static QIcon application(bool paused = false);
};
