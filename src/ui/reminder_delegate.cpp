#include "reminder_delegate.h"

#include "model/reminder.h"
#include "reminder_list_model.h"
#include "widgets/icons.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace {

// The row's measures, as a sidebar row with a small switch.
constexpr int leftMargin = 6;
constexpr int rightMargin = 8;
constexpr int verticalMargin = 3;
constexpr int spacing = 6;
constexpr int lineSpacing = 2;
constexpr QSize toggleSize(30, 18);
constexpr int markSize = 16;

QFont titleFont(const QFont& base)
{
    QFont font = base;
    font.setWeight(QFont::Medium);
    return font;
}

QFont summaryFont(const QFont& base)
{
    QFont font = base;
    if (base.pointSizeF() > 0)
        font.setPointSizeF(base.pointSizeF() * 0.85);
    else
        font.setPixelSize(std::max(1, qRound(base.pixelSize() * 0.85)));
    return font;
}

int summaryHeight(const QFont& base)
{
    const QFontMetrics metrics(summaryFont(base));
    return metrics.boundingRect(QRect(), Qt::TextSingleLine, QStringLiteral("0:00 \u00b7 Mon"))
        .height();
}

// One line at the row's leading edge, laid out in the given direction.
void drawLine(QPainter* painter, const QRect& rect, Qt::LayoutDirection layout,
              Qt::LayoutDirection textDirection, const QString& text)
{
    const int direction =
        textDirection == Qt::RightToLeft ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight;
    const int edge = layout == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft;
    painter->drawText(
        rect, Qt::AlignAbsolute | edge | Qt::AlignVCenter | Qt::TextSingleLine | direction, text);
}

QIcon warningIcon(const QWidget* widget)
{
    const QStyle* style = widget ? widget->style() : QApplication::style();
    return QIcon::fromTheme(QStringLiteral("dialog-warning"),
                            style->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, widget));
}

} // namespace

ReminderDelegate::ReminderDelegate(QObject* parent) : QStyledItemDelegate(parent)
{
    // The pointing hand over a switch, as on any clickable control.
    if (auto* view = qobject_cast<QAbstractItemView*>(parent)) {
        view->viewport()->setMouseTracking(true);
        view->viewport()->installEventFilter(this);
    }
}

ReminderDelegate::Parts ReminderDelegate::parts(const QStyleOptionViewItem& option,
                                                const QModelIndex& index) const
{
    // Laid out left to right, then mirrored for a right-to-left layout.
    const QRect row = option.rect;
    Parts parts;
    parts.toggle =
        QRect(QPoint(row.left() + leftMargin, row.top() + (row.height() - toggleSize.height()) / 2),
              toggleSize);
    const int markTop =
        row.top() + verticalMargin + (row.height() - 2 * verticalMargin - markSize) / 2;
    int right = row.right() + 1 - rightMargin;
    auto place = [&](QRect& mark, int role, bool wanted) {
        if (index.data(role).toBool() != wanted)
            return;
        right -= markSize;
        mark = QRect(right, markTop, markSize, markSize);
        right -= spacing;
    };
    place(parts.website, ReminderListModel::WebsiteRole, true);
    place(parts.silent, ReminderListModel::SilentRole, true);
    place(parts.warning, ReminderListModel::ValidTimeRole, false);

    const int left = parts.toggle.right() + 1 + spacing;
    const int titleHeight = QFontMetrics(titleFont(option.font)).lineSpacing();
    parts.title = QRect(left, row.top() + verticalMargin, std::max(0, right - left), titleHeight);
    parts.summary = QRect(left, parts.title.bottom() + 1 + lineSpacing, parts.title.width(),
                          summaryHeight(option.font));

    for (QRect* rect : {&parts.toggle, &parts.title, &parts.summary, &parts.warning, &parts.silent,
                        &parts.website}) {
        if (rect->isValid())
            *rect = QStyle::visualRect(option.direction, row, *rect);
    }
    return parts;
}

void ReminderDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const
{
    // The style's own row background, selection and focus, with nothing in it.
    QStyleOptionViewItem background = option;
    initStyleOption(&background, index);
    background.text.clear();
    background.icon = QIcon();
    background.features &=
        ~(QStyleOptionViewItem::HasDisplay | QStyleOptionViewItem::HasDecoration |
          QStyleOptionViewItem::HasCheckIndicator);
    // A quiet selection, as in a sidebar, so the rows' switches stay visible;
    // mixed at paint time so it follows a theme switch.
    const QColor base = option.palette.color(QPalette::Active, QPalette::Base);
    const QColor accent = option.palette.color(QPalette::Active, QPalette::Highlight);
    background.palette.setColor(QPalette::Highlight,
                                QColor::fromRgbF(base.redF() * 0.75f + accent.redF() * 0.25f,
                                                 base.greenF() * 0.75f + accent.greenF() * 0.25f,
                                                 base.blueF() * 0.75f + accent.blueF() * 0.25f));
    background.palette.setColor(QPalette::HighlightedText,
                                option.palette.color(QPalette::Active, QPalette::Text));
    const QWidget* widget = option.widget;
    const QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &background, painter, widget);

    const Parts parts = this->parts(option, index);
    painter->save();
    // The quiet selection looks the same with and without the keyboard, so
    // the row the keyboard is on gets the accent's ring, as the day badges do.
    if (option.state & QStyle::State_HasFocus) {
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(accent, focusRingWidth));
        painter->setBrush(Qt::NoBrush);
        const qreal inset = focusRingWidth / 2.0;
        painter->drawRoundedRect(QRectF(option.rect).adjusted(inset, inset, -inset, -inset), 4, 4);
        painter->setRenderHint(QPainter::Antialiasing, false);
    }
    paintToggle(painter, parts.toggle, index.data(Qt::CheckStateRole).toInt() == Qt::Checked,
                option.palette);

    // Text on the list's base colour; the summary is the same colour, dimmed.
    QColor text = option.palette.color(QPalette::Text);
    painter->setPen(text);
    const QFont title = titleFont(option.font);
    painter->setFont(title);
    const QString titleText = QFontMetrics(title).elidedText(
        oneLineText(index.data(Qt::DisplayRole).toString()), Qt::ElideRight, parts.title.width());
    // The title reads in its own direction, as in any label; it stays at the
    // leading edge so the list keeps one straight edge.
    drawLine(painter, parts.title, option.direction,
             titleText.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight, titleText);

    const QFont summary = summaryFont(option.font);
    text.setAlphaF(0.62f);
    painter->setPen(text);
    painter->setFont(summary);
    const QString summaryText = QFontMetrics(summary).elidedText(
        oneLineText(index.data(ReminderListModel::SummaryRole).toString()), Qt::ElideRight,
        parts.summary.width());
    // The summary is Pendrel's own sentence: it reads in the layout's
    // direction, so the time leads, under the title, whatever the locale's digits.
    drawLine(painter, parts.summary, option.direction, option.direction, summaryText);

    if (parts.warning.isValid())
        warningIcon(widget).paint(painter, parts.warning);
    // The marks as quiet as the summary, in the text's colour.
    painter->setOpacity(0.62);
    if (parts.silent.isValid())
        Icons::speakerSlash().paint(painter, parts.silent);
    if (parts.website.isValid())
        Icons::globe().paint(painter, parts.website);
    painter->restore();
}

void ReminderDelegate::paintToggle(QPainter* painter, const QRectF& rect, bool on,
                                   const QPalette& palette) const
{
    painter->setRenderHint(QPainter::Antialiasing);
    const QRectF track = rect.adjusted(1, 2, -1, -2);
    const double radius = track.height() / 2;
    QColor off = palette.color(QPalette::WindowText);
    off.setAlphaF(0.25f);
    painter->setPen(Qt::NoPen);
    painter->setBrush(on ? palette.color(QPalette::Active, QPalette::Highlight) : off);
    painter->drawRoundedRect(track, radius, radius);
    const double knob = track.height() - 4;
    const double x = on ? track.right() - 2 - knob : track.left() + 2;
    painter->setBrush(Qt::white);
    painter->drawEllipse(QRectF(x, track.top() + 2, knob, knob));
    painter->setRenderHint(QPainter::Antialiasing, false);
}

QSize ReminderDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const
{
    const int texts = QFontMetrics(titleFont(option.font)).lineSpacing() + lineSpacing +
                      summaryHeight(option.font);
    const int height = std::max(texts, toggleSize.height()) + 2 * verticalMargin;
    return {leftMargin + toggleSize.width() + spacing + rightMargin, height};
}

QString ReminderDelegate::toolTipAt(const QStyleOptionViewItem& option, const QModelIndex& index,
                                    QPoint pos) const
{
    const Parts parts = this->parts(option, index);
    if (parts.warning.contains(pos))
        return tr("This time is not valid, so the reminder never rings. Pick a time.");
    if (parts.silent.contains(pos))
        return tr("No sound");
    if (parts.website.contains(pos))
        return tr("Has a website");
    if ((parts.title.contains(pos) || parts.summary.contains(pos)) &&
        !index.data(Qt::DisplayRole).toString().trimmed().isEmpty())
        return index.data(Qt::ToolTipRole).toString(); // escaped: reminder text is never markup
    return {};
}

bool ReminderDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                                 const QStyleOptionViewItem& option, const QModelIndex& index)
{
    if (event->type() != QEvent::ToolTip)
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    const QString text = toolTipAt(option, index, event->pos());
    if (text.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    QToolTip::showText(event->globalPos(), text, view);
    return true;
}

bool ReminderDelegate::eventFilter(QObject* watched, QEvent* event)
{
    auto* view = watched ? qobject_cast<QAbstractItemView*>(watched->parent()) : nullptr;
    if (view && watched == view->viewport() && event->type() == QEvent::MouseMove) {
        const QPoint pos = static_cast<QMouseEvent*>(event)->position().toPoint();
        const QModelIndex index = view->indexAt(pos);
        bool overToggle = false;
        if (index.isValid()) {
            QStyleOptionViewItem option;
            option.initFrom(view);
            option.rect = view->visualRect(index);
            option.font = view->font();
            overToggle = parts(option, index).toggle.contains(pos);
        }
        if (overToggle)
            view->viewport()->setCursor(Qt::PointingHandCursor);
        else
            view->viewport()->unsetCursor();
    }
    return QStyledItemDelegate::eventFilter(watched, event);
}

bool ReminderDelegate::editorEvent(QEvent* event, QAbstractItemModel* model,
                                   const QStyleOptionViewItem& option, const QModelIndex& index)
{
    if (!(model->flags(index) & Qt::ItemIsUserCheckable) || !(option.state & QStyle::State_Enabled))
        return false;
    auto flip = [&] {
        const bool on = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
        return model->setData(index, on ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
    };
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const bool onToggle = mouse->button() == Qt::LeftButton &&
                              parts(option, index).toggle.contains(mouse->position().toPoint());
        // The press is taken too, so a click on the switch leaves the selection alone.
        if (event->type() != QEvent::MouseButtonRelease) {
            m_pressed = onToggle ? QPersistentModelIndex(index) : QPersistentModelIndex();
            return onToggle;
        }
        const bool clicked = onToggle && m_pressed == index;
        m_pressed = QPersistentModelIndex();
        if (clicked)
            flip();
        return onToggle;
    }
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() != Qt::Key_Space && key->key() != Qt::Key_Select) ||
            key->modifiers() & ~Qt::KeypadModifier)
            return false;
        flip();
        return true;
    }
    default:
        return false;
    }
}
