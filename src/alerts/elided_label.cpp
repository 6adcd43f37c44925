#include "elided_label.h"

#include "model/reminder.h"

#include <QPainter>
#include <QTextLayout>

ElidedLabel::ElidedLabel(const QString& text, int maxLines, QWidget* parent)
    : QLabel(text, parent), m_maxLines(std::max(1, maxLines))
{
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    setToolTip(text);
}

QStringList ElidedLabel::visibleLines(int width, bool* elided) const
{
    // Line breaks in the text count as spaces: the label shows a summary.
    const QString flat = oneLineText(text());
    QStringList lines;
    QTextLayout layout(flat, font());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    bool cut = false;
    for (;;) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(width);
        if (lines.size() == m_maxLines - 1) {
            const QString rest = flat.mid(line.textStart());
            const QString shown = fontMetrics().elidedText(rest, Qt::ElideRight, width);
            cut = shown != rest;
            lines << shown;
            break;
        }
        lines << flat.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    if (elided)
        *elided = cut;
    return lines;
}

int ElidedLabel::heightForWidth(int width) const
{
    const auto count = std::max<qsizetype>(1, visibleLines(width).size());
    return static_cast<int>(count) * fontMetrics().lineSpacing();
}

QSize ElidedLabel::sizeHint() const
{
    const int width = fontMetrics().horizontalAdvance(text());
    return {width, heightForWidth(std::max(width, 1))};
}

QSize ElidedLabel::minimumSizeHint() const
{
    return {0, fontMetrics().lineSpacing()};
}

bool ElidedLabel::isElided() const
{
    bool elided = false;
    visibleLines(contentsRect().width(), &elided);
    return elided;
}

void ElidedLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    const QRect area = contentsRect();
    int y = area.top();
    const int step = fontMetrics().lineSpacing();
    for (const QString& line : visibleLines(area.width())) {
        painter.drawText(QRect(area.left(), y, area.width(), step),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, line);
        y += step;
    }
}
