#include "elided_label.h"

#include "model/reminder.h"
#include "plain_text.h"

#include <QPainter>
#include <QStyle>
#include <QTextLayout>

namespace {

// No fixed-size window shows more than this; longer texts are cut before
// they are laid out, so a huge hand-edited text cannot stall painting.
constexpr qsizetype shownLimit = 8192;

} // namespace

ElidedLabel::ElidedLabel(const QString& text, int maxLines, QWidget* parent, Breaks breaks)
    : QLabel(text, parent), m_maxLines(std::max(1, maxLines)), m_breaks(breaks)
{
    setTextFormat(Qt::PlainText);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    setToolTip(PlainText::toolTip(text));
}

void ElidedLabel::setMaxLines(int maxLines)
{
    m_maxLines = std::max(1, maxLines);
    updateGeometry();
    update();
}

QList<ElidedLabel::Line> ElidedLabel::visibleLines(int width, bool* elided) const
{
    const bool clipped = text().size() > shownLimit;
    const QString shown = PlainText::head(text(), shownLimit);
    const QStringList paragraphs =
        m_breaks == Breaks::AsLines
            ? PlainText::withLineSeparators(shown).split(QChar::LineSeparator)
            : QStringList{oneLineText(shown)};
    const QFontMetrics metrics = fontMetrics();
    QList<Line> lines;
    bool cut = false;
    for (qsizetype p = 0; p < paragraphs.size() && lines.size() < m_maxLines; ++p) {
        const QString& paragraph = paragraphs[p];
        const bool rightToLeft = paragraph.isRightToLeft();
        const bool more = clipped || p + 1 < paragraphs.size();
        QTextLayout layout(paragraph, font());
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        option.setTextDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        layout.setTextOption(option);
        layout.beginLayout();
        for (;;) {
            QTextLine line = layout.createLine();
            if (!line.isValid())
                break;
            line.setLineWidth(width);
            if (lines.size() == m_maxLines - 1) {
                const QString rest = paragraph.mid(line.textStart());
                QString last = metrics.elidedText(rest, Qt::ElideRight, width);
                if (last == rest && more)
                    last = metrics.elidedText(rest.trimmed() + PlainText::ellipsis, Qt::ElideRight,
                                              width);
                cut = last != rest;
                lines << Line{last, rightToLeft};
                break;
            }
            lines << Line{paragraph.mid(line.textStart(), line.textLength()).trimmed(),
                          rightToLeft};
        }
        layout.endLayout();
    }
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
    const int width =
        fontMetrics().horizontalAdvance(oneLineText(PlainText::head(text(), shownLimit)));
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
    const int step = fontMetrics().lineSpacing();
    const QList<Line> lines = visibleLines(area.width());
    // Lined up with the controls beside it when it is given more height.
    int y = area.top();
    const auto spare = area.height() - static_cast<int>(lines.size()) * step;
    if (alignment() & Qt::AlignVCenter)
        y += std::max(0, spare / 2);
    else if (alignment() & Qt::AlignBottom)
        y += std::max(0, spare);
    for (const Line& line : lines) {
        // As QLabel: the text's own direction decides its side and its order.
        const Qt::LayoutDirection direction = line.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight;
        const auto flags = QStyle::visualAlignment(direction, alignment()).toInt() |
                           Qt::TextSingleLine |
                           (line.rightToLeft ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight);
        painter.drawText(QRect(area.left(), y, area.width(), step), static_cast<int>(flags),
                         line.text);
        y += step;
    }
}
