#pragma once

#include <QProxyStyle>

// Fusion, with the outlines of check boxes, fields, buttons and pickers at
// 3:1 against the window, as the controls' own ticks and texts are: Fusion
// darkens the window colour for them, which in a dark theme leaves a dark
// square on a dark window.
class OutlineStyle : public QProxyStyle {
    Q_OBJECT

public:
    static constexpr double minimumContrast = 3;

    OutlineStyle();

    // The colour of an enabled control's outline on this palette's window.
    static QColor outline(const QPalette& palette);
    // Takes Fusion's place as the application's style; other styles draw
    // their own outlines and are left alone.
    static void install();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;

private:
    static void stroke(QPainter* painter, const QStyleOption* option, qreal radius);
};
