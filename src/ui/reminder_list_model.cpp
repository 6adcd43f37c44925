#include "reminder_list_model.h"

#include "store/store.h"
#include "widgets/plain_text.h"

ReminderListModel::ReminderListModel(Store& store, QObject* parent)
    : QAbstractListModel(parent), m_store(store), m_rows(static_cast<int>(store.reminders().size()))
{
    connect(&m_store, &Store::reminderChanged, this, &ReminderListModel::changeRow);
    connect(&m_store, &Store::remindersReset, this, &ReminderListModel::reset);
}

int ReminderListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

QVariant ReminderListModel::data(const QModelIndex& index, int role) const
{
    // The count is taken at each reset, so a row can briefly outlive its reminder.
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid) ||
        index.row() >= m_store.reminders().size())
        return {};
    const Reminder& reminder = m_store.reminders().at(index.row());
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
    if (role != Qt::CheckStateRole || !index.isValid() || index.parent().isValid() ||
        index.row() >= m_store.reminders().size())
        return false;
    const bool on = value.value<Qt::CheckState>() == Qt::Checked;
    Reminder changed = m_store.reminders().at(index.row());
    if (changed.enabled != on) {
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

void ReminderListModel::changeRow(qsizetype row)
{
    if (row < 0 || row >= m_rows)
        return;
    const QModelIndex changed = index(static_cast<int>(row));
    Q_EMIT dataChanged(changed, changed);
}

void ReminderListModel::reset()
{
    beginResetModel();
    m_rows = static_cast<int>(m_store.reminders().size());
    endResetModel();
}
