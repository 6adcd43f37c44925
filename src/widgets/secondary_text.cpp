#include "secondary_text.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

double luminance(const QColor& color)
{
    const auto channel = [](float value) {
        return value <= 0.03928f ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = color.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) +
           0.0722 * channel(rgb.blueF());
}

QColor mix(const QColor& from, const QColor& to, float amount)
{
    return QColor::fromRgbF(from.redF() + (to.redF() - from.redF()) * amount,
                            from.greenF() + (to.greenF() - from.greenF()) * amount,
                            from.blueF() + (to.blueF() - from.blueF()) * amount);
}

void recolor(QWidget* widget)
{
    // The application's palette: on a theme switch it is already the new one
    // while the widgets still hold the old.
    const QPalette base = QApplication::palette(widget);
    QPalette palette = widget->palette();
    const QColor color = SecondaryText::color(base);
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, color);
        palette.setColor(group, QPalette::Text, color);
    }
    widget->setPalette(palette);
}

// Follows a theme switch while Pendrel runs.
class Follower : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Windows get the application's change, the widgets in them their
        // own; recolouring with an unchanged palette sends nothing, so no loop.
        const auto type = event->type();
        if ((type == QEvent::ApplicationPaletteChange || type == QEvent::PaletteChange) &&
            watched->isWidgetType())
            recolor(static_cast<QWidget*>(watched));
        return false;
    }
};

} // namespace

QColor SecondaryText::color(const QPalette& palette)
{
    const QColor text = palette.color(QPalette::Active, QPalette::WindowText);
    const QColor background = palette.color(QPalette::Active, QPalette::Window);
    // As quiet as the contrast allows, starting from two thirds of the text.
    for (float amount = 0.66f; amount < 1.0f; amount += 0.02f) {
        const QColor candidate = mix(background, text, amount);
        if (contrast(candidate, background) >= minimumContrast)
            return candidate;
    }
    return text;
}

double SecondaryText::contrast(const QColor& a, const QColor& b)
{
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

void SecondaryText::apply(QWidget* widget)
{
    recolor(widget);
    widget->installEventFilter(new Follower(widget));
}
