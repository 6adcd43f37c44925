#include "prominent_button.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

ProminentButton::ProminentButton(const QString& text, QWidget* parent) : QPushButton(text, parent)
{
    setDefault(true);
    setAttribute(Qt::WA_Hover);
}

QSize ProminentButton::sizeHint() const
{
    QSize size = QPushButton::sizeHint();
    size.setWidth(std::max(size.width(), paddedWidth(*this)));
    return size;
}

int ProminentButton::paddedWidth(const QPushButton& button)
{
    QString text = button.text();
    text.remove(u'&'); // a mnemonic marker takes no room
    return button.fontMetrics().horizontalAdvance(text) + 2 * horizontalPadding;
}

void ProminentButton::paintEvent(QPaintEvent*)
{
    const QPalette& palette = QApplication::palette();
    QColor fill = palette.color(QPalette::Highlight);
    if (isDown())
        fill = fill.darker(115);
    else if (underMouse())
        fill = fill.lighter(108);
    if (!isEnabled())
        fill.setAlphaF(0.5f);

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(1, 1, -1, -1);
    QPainterPath shape;
    shape.addRoundedRect(area, 4, 4);
    painter.fillPath(shape, fill);
    if (hasFocus()) {
        painter.setPen(QPen(palette.color(QPalette::HighlightedText), 1, Qt::DotLine));
        painter.drawRoundedRect(area.adjusted(2, 2, -2, -2), 3, 3);
    }
    painter.setPen(palette.color(QPalette::HighlightedText));
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextShowMnemonic, text());
}
