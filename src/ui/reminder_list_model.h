#pragma once

#include <QAbstractListModel>

class Store;
struct Reminder;

// The Store's reminders as a flat list for the manager's list view. Rows
// change, come and go one at a time as the Store's reminders do; the model
// resets only when the Store takes in a list changed elsewhere. The check
// state is the reminder's on/off switch and can be written.
class ReminderListModel : public QAbstractListModel {
    Q_OBJECT

public:
    enum Role {
        IdRole = Qt::UserRole, // QUuid
        SummaryRole,           // "time · days"
        SilentRole,            // bool: plays no chime
        WebsiteRole,           // bool: has a website to open
        ValidTimeRole,         // bool: the time can ever ring
    };

    explicit ReminderListModel(Store& store, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The row of the reminder with this id, or an invalid index.
    QModelIndex indexOf(const QUuid& id) const;

private:
    // The reminder a row shows, or none.
    const Reminder* reminderAt(int row) const;
    void changeRow(qsizetype row);
    void addRow(qsizetype row);
    void dropRow(qsizetype row);
    void reset();

    Store& m_store;
    int m_rows = 0;
    // While views hear of a row the Store already added (+1) or removed
    // (-1), the rows past it show what they showed before.
    int m_changedRow = -1;
    int m_shift = 0;
};
