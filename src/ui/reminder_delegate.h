#pragma once

#include <QPersistentModelIndex>
#include <QRect>
#include <QStyledItemDelegate>

// Paints one row of the reminder list: on/off switch, title, "time · days",
// and the warning, silent and website marks, mirrored in a right-to-left
// layout. Clicking the switch, or Space on the current row, flips the
// reminder's check state in the model.
class ReminderDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    // Where each part of a row goes; a mark the reminder does not have is empty.
    struct Parts {
        QRect toggle;
        QRect title;
        QRect summary;
        QRect warning;
        QRect silent;
        QRect website;
    };

    // Around the row the keyboard is on, while the list has the focus.
    static constexpr int focusRingWidth = 2;

    // Given its view as parent, it also shows a pointing hand over the switches.
    explicit ReminderDelegate(QObject* parent = nullptr);

    Parts parts(const QStyleOptionViewItem& option, const QModelIndex& index) const;
    // The text of the tooltip at pos, ready for QToolTip; empty for none.
    QString toolTipAt(const QStyleOptionViewItem& option, const QModelIndex& index,
                      QPoint pos) const;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

protected:
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void paintToggle(QPainter* painter, const QRectF& rect, bool on, const QPalette& palette) const;

    // The row whose switch the mouse went down on: a click is press and release on it.
    QPersistentModelIndex m_pressed;
};
