#include "reminder_list_model.h"

#include "store/store.h"
#include "widgets/plain_text.h"

ReminderListModel::ReminderListModel(Store& store, QObject* parent)
    : QAbstractListModel(parent), m_store(store), m_rows(static_cast<int>(store.reminders().size()))
{
    connect(&m_store, &Store::reminderChanged, this, &ReminderListModel::changeRow);
    connect(&m_store, &Store::reminderInserted, this, &ReminderListModel::addRow);
    connect(&m_store, &Store::reminderRemoved, this, &ReminderListModel::dropRow);
    connect(&m_store, &Store::remindersReset, this, &ReminderListModel::reset);
}

int ReminderListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

QVariant ReminderListModel::data(const QModelIndex& index, int role) const
{
    const Reminder* shown =
        checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)
            ? reminderAt(index.row())
            : nullptr;
    if (!shown)
        return {};
    const Reminder& reminder = *shown;
    const QString title = reminder.shownTitle();
    switch (role) {
    case Qt::DisplayRole:
        return title;
    case Qt::ToolTipRole:
        return PlainText::toolTip(title);
    case Qt::AccessibleTextRole: {
        QString name = tr("%1, %2, %3, %4")
                           .arg(oneLineText(title), reminder.timeString(),
                                reminder.daysString(QLocale().firstDayOfWeek()),
                                reminder.enabled ? tr("on") : tr("off"));
        if (!reminder.hasValidTime())
            name += QStringLiteral(", ") + tr("the time is not valid");
        return name;
    }
    case Qt::CheckStateRole:
        return reminder.enabled ? Qt::Checked : Qt::Unchecked;
    case IdRole:
        return reminder.id;
    case SummaryRole:
        return QString(reminder.timeString() + QStringLiteral(" \u00b7 ") +
                       reminder.daysString(QLocale().firstDayOfWeek()));
    case SilentRole:
        return reminder.sound == noSound;
    case WebsiteRole:
        return reminder.normalizedURL().has_value();
    case ValidTimeRole:
        return reminder.hasValidTime();
    default:
        return {};
    }
}

bool ReminderListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    const Reminder* shown = index.isValid() && !index.parent().isValid() && m_changedRow < 0
                                ? reminderAt(index.row())
                                : nullptr;
    if (role != Qt::CheckStateRole || !shown)
        return false;
    const bool on = value.value<Qt::CheckState>() == Qt::Checked;
    if (shown->enabled != on) {
        Reminder changed = *shown;
        changed.enabled = on;
        m_store.setReminder(index.row(), changed);
    }
    return true;
}

Qt::ItemFlags ReminderListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsUserCheckable |
           Qt::ItemNeverHasChildren;
}

QModelIndex ReminderListModel::indexOf(const QUuid& id) const
{
    const qsizetype row = id.isNull() ? -1 : m_store.indexOf(id);
    return row >= 0 && row < m_rows ? index(static_cast<int>(row)) : QModelIndex();
}

const Reminder* ReminderListModel::reminderAt(int row) const
{
    // The Store tells of a change after making it.
    if (m_changedRow >= 0 && row >= m_changedRow) {
        if (m_shift < 0 && row == m_changedRow)
            return nullptr; // already gone
        row += m_shift;
    }
    const QList<Reminder>& list = m_store.reminders();
    return row >= 0 && row < list.size() ? &list.at(row) : nullptr;
}

void ReminderListModel::changeRow(qsizetype row)
{
    if (row < 0 || row >= m_rows)
        return;
    const QModelIndex changed = index(static_cast<int>(row));
    Q_EMIT dataChanged(changed, changed);
}

void ReminderListModel::addRow(qsizetype row)
{
    if (row < 0 || row > m_rows)
        return reset();
    m_changedRow = static_cast<int>(row);
    m_shift = 1;
    beginInsertRows(QModelIndex(), m_changedRow, m_changedRow);
    m_changedRow = -1;
    ++m_rows;
    endInsertRows();
}

void ReminderListModel::dropRow(qsizetype row)
{
    if (row < 0 || row >= m_rows)
        return reset();
    m_changedRow = static_cast<int>(row);
    m_shift = -1;
    beginRemoveRows(QModelIndex(), m_changedRow, m_changedRow);
    m_changedRow = -1;
    --m_rows;
    endRemoveRows();
}

void ReminderListModel::reset()
{
    beginResetModel();
    m_rows = static_cast<int>(m_store.reminders().size());
    endResetModel();
}
