#include "outline_style.h"

#include "secondary_text.h"

#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

OutlineStyle::OutlineStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

QColor OutlineStyle::outline(const QPalette& palette)
{
    // From the window towards the text, as little as reaches the contrast.
    const QColor window = palette.color(QPalette::Window);
    const QColor text = palette.color(QPalette::WindowText);
    QColor mixed = window;
    for (int step = 1; step <= 20 && SecondaryText::contrast(mixed, window) < minimumContrast;
         ++step) {
        const float t = float(step) / 20;
        mixed = QColor::fromRgbF(window.redF() + (text.redF() - window.redF()) * t,
                                 window.greenF() + (text.greenF() - window.greenF()) * t,
                                 window.blueF() + (text.blueF() - window.blueF()) * t);
    }
    return mixed;
}

void OutlineStyle::install()
{
    if (QApplication::style()->name().compare(QStringLiteral("fusion"), Qt::CaseInsensitive) == 0)
        QApplication::setStyle(new OutlineStyle);
}

void OutlineStyle::stroke(QPainter* painter, const QStyleOption* option, qreal radius)
{
    // A disabled control may stay faint: it is not one to operate.
    if (!(option->state & State_Enabled))
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, radius > 0);
    painter->setPen(QPen(outline(option->palette), 1));
    painter->setBrush(Qt::NoBrush);
    const QRectF edge = QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5);
    if (radius > 0)
        painter->drawRoundedRect(edge, radius, radius);
    else
        painter->drawRect(edge);
    painter->restore();
}

void OutlineStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const
{
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    switch (element) {
    case PE_IndicatorCheckBox:
        stroke(painter, option, 0);
        break;
    case PE_FrameLineEdit:
    case PE_PanelButtonCommand:
        stroke(painter, option, 2);
        break;
    default:
        break;
    }
}

void OutlineStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                      QPainter* painter, const QWidget* widget) const
{
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    if (control == CC_ComboBox || control == CC_SpinBox) {
        const auto* frame = qstyleoption_cast<const QStyleOptionSpinBox*>(option);
        const auto* combo = qstyleoption_cast<const QStyleOptionComboBox*>(option);
        if ((frame && frame->frame) || (combo && combo->frame))
            stroke(painter, option, 2);
    }
}
